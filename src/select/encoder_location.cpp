#include "select/encoder_location.h"

#include "core/paths.h"

namespace mosa {

std::wstring default_encoder_path(Files& files) {
  if (ordinary_file_at(files, kMicrosoftEncoder)) return kMicrosoftEncoder;
  const std::wstring bundled = files.app_folder() + L"\\" + kBundledEncoder;
  return ordinary_file_at(files, bundled) ? bundled : kMicrosoftEncoder;
}

}  // namespace mosa
