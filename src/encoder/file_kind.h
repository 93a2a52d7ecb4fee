#pragma once
// The kinds of file the encoder knows, by their extensions.
#include <optional>
#include <string>
#include <string_view>

namespace screnc {

// How a file's script is found in it.
enum class FileKind {
  VBScriptFile,    // the whole text is one block
  JScriptFile,
  HtmlPage,        // <SCRIPT> elements
  AspPage,         // <% %> sections and server <SCRIPT> elements
  AspApplication,  // as a page, but never given a directive
  Scriptlet,       // XML with <script> elements (.wsf too, through /e sct)
};

// Every extension the encoder takes, in the order the help lists them: a new
// kind of file is a new row here.
struct FileKindRow {
  std::u16string_view extension;  // lower case, without its dot
  FileKind kind;
  // A plain script's encoded name, by which the script host knows it is
  // encoded; empty for a page, which keeps its name.
  std::u16string_view encoded_extension;
};
// .cdx files are channel definitions, served as pages: their script lives in
// <SCRIPT> elements.
inline constexpr FileKindRow kFileKinds[] = {
    {u"vbs", FileKind::VBScriptFile, u"vbe"}, {u"js", FileKind::JScriptFile, u"jse"},
    {u"htm", FileKind::HtmlPage, u""},        {u"html", FileKind::HtmlPage, u""},
    {u"cdx", FileKind::HtmlPage, u""},        {u"asp", FileKind::AspPage, u""},
    {u"asa", FileKind::AspApplication, u""},  {u"sct", FileKind::Scriptlet, u""},
};

// The kind for an extension written with or without its dot, in any case.
std::optional<FileKind> file_kind_for_extension(std::u16string_view extension);
// Whether the file is all script, rather than a page with script in it.
bool is_plain_script(FileKind kind);
// The extension an encoded file of the kind takes instead of its own; empty
// when it keeps its name.
std::u16string_view encoded_extension(FileKind kind);
// The extensions of the rows that pass, each after `dot` and separated by
// spaces: "vbs js htm ...".
std::u16string extension_list(bool (*pass)(const FileKindRow&), std::u16string_view dot = u"");

}  // namespace screnc
