#pragma once
// The kinds of file the encoder knows, by their extensions.
#include <optional>
#include <string_view>

enum class FileKind {
  VBScriptFile,    // .vbs: the whole text is one block
  JScriptFile,     // .js
  HtmlPage,        // .htm, .html, .cdx: <SCRIPT> elements
  AspPage,         // .asp: <% %> sections and server <SCRIPT> elements
  AspApplication,  // .asa: as .asp, but never given a directive
  Scriptlet,       // .sct (and .wsf through /e sct): XML with <script> elements
};

// The kind for an extension written with or without its dot, in any case.
std::optional<FileKind> file_kind_for_extension(std::u16string_view extension);
