#pragma once
// The system's ANSI code page as the legacy code page of script files: strict
// both ways, so a byte sequence that is no character, or a character without an
// exact form (no best-fit look-alike, no default character), fails.
#include <optional>
#include <string>
#include <string_view>

#include "encoder/text_form.h"

namespace win32_common {

class AnsiCodec : public screnc::LegacyCodec {
 public:
  AnsiCodec();
  std::optional<std::u16string> to_text(std::string_view bytes) const override;
  std::optional<std::string> to_bytes(std::u16string_view text) const override;
  std::size_t char_size(unsigned char lead) const override;

 private:
  unsigned max_char_size_;  // 0 when the system does not say
};

}  // namespace win32_common
