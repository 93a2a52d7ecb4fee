#include "encoder/file_kind.h"

#include "encoder/markup.h"

namespace screnc {

std::optional<FileKind> file_kind_for_extension(std::u16string_view extension) {
  if (extension.starts_with(u'.')) extension.remove_prefix(1);
  for (const FileKindRow& row : kFileKinds)
    if (equals_ascii_ci(extension, row.extension)) return row.kind;
  return std::nullopt;
}

bool is_plain_script(FileKind kind) {
  return kind == FileKind::VBScriptFile || kind == FileKind::JScriptFile;
}

std::u16string_view encoded_extension(FileKind kind) {
  for (const FileKindRow& row : kFileKinds)
    if (row.kind == kind && !row.encoded_extension.empty()) return row.encoded_extension;
  return {};
}

std::u16string extension_list(bool (*pass)(const FileKindRow&), std::u16string_view dot) {
  std::u16string list;
  for (const FileKindRow& row : kFileKinds) {
    if (!pass(row)) continue;
    if (!list.empty()) list += u' ';
    list.append(dot).append(row.extension);
  }
  return list;
}

}  // namespace screnc
