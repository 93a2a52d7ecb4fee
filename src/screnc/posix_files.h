#pragma once
// screnc's files on Linux. File names are bytes, taken as posix_names.h says; a
// name with a lone surrogate that stands for no byte throws
// std::invalid_argument.
#include "screnc/files.h"

namespace screnc {

class PosixFiles : public Files {
 public:
  bool exists(std::u16string_view path) const override;
  bool is_folder(std::u16string_view path) const override;
  bool is_special(std::u16string_view path) const override;
  bool same_file(std::u16string_view a, std::u16string_view b) const override;
  InputFile read_file(std::u16string_view path) const override;
  WriteResult replace_file(std::u16string_view path, const Content& content,
                           bool replace) const override;
  std::optional<std::vector<std::u16string>> file_names(std::u16string_view folder) const override;
  PathStyle path_style() const override { return PathStyle::Posix; }
  std::u16string compared_name(std::u16string_view name) const override {
    return std::u16string(name);
  }
};

}  // namespace screnc
