#pragma once
// screnc's files on Windows, through the wide-character file functions.
#include "screnc/files.h"

namespace screnc {

class WindowsFiles : public Files {
 public:
  bool exists(std::u16string_view path) const override;
  bool is_folder(std::u16string_view path) const override;
  bool is_special(std::u16string_view path) const override;
  bool same_file(std::u16string_view a, std::u16string_view b) const override;
  InputFile read_file(std::u16string_view path) const override;
  WriteResult replace_file(std::u16string_view path, const Content& content,
                           bool replace) const override;
  std::optional<std::vector<std::u16string>> file_names(std::u16string_view folder) const override;
  PathStyle path_style() const override { return PathStyle::Windows; }
  std::u16string compared_name(std::u16string_view name) const override;
};

}  // namespace screnc
