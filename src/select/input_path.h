#pragma once
// Taking an input path apart, with "\" as the only separator and nothing trimmed.
#include <string>

namespace mosa {

struct InputParts {
  std::wstring folder;  // every piece but the last, without a trailing "\"
  std::wstring base;    // the file name up to its last "."; empty without a "."
};

InputParts split_path(const std::wstring& path);

// The last piece of the file name cut at "."; a name without "." is its own extension.
std::wstring extension_of(const std::wstring& path);

}  // namespace mosa
