#include "encoder/file_kind.h"

#include <utility>

#include "encoder/markup.h"

std::optional<FileKind> file_kind_for_extension(std::u16string_view extension) {
  if (extension.starts_with(u'.')) extension.remove_prefix(1);
  // .cdx files are channel definitions, served as pages: their script lives in
  // <SCRIPT> elements.
  const std::pair<std::u16string_view, FileKind> kinds[] = {
      {u"vbs", FileKind::VBScriptFile}, {u"js", FileKind::JScriptFile},
      {u"htm", FileKind::HtmlPage},     {u"html", FileKind::HtmlPage},
      {u"cdx", FileKind::HtmlPage},     {u"asp", FileKind::AspPage},
      {u"asa", FileKind::AspApplication}, {u"sct", FileKind::Scriptlet}};
  for (const auto& [name, kind] : kinds)
    if (equals_ascii_ci(extension, name)) return kind;
  return std::nullopt;
}
