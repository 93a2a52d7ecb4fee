#pragma once
// The legacy code page on Linux, where there is no ANSI code page: 932, the one
// of the Japanese systems the scripts come from.
#include <memory>
#include <string_view>

#include "encoder/text_form.h"

namespace screnc {

// Through iconv, which refuses byte sequences that are no character and
// characters without a form in the code page. Each character is converted once
// and remembered: iconv on every run of a large script cost more than the rest
// of the encoding.
class Cp932Codec : public LegacyCodec {
 public:
  Cp932Codec();
  ~Cp932Codec() override;
  std::optional<std::u16string> to_text(std::string_view bytes) const override;
  std::optional<std::string> to_bytes(std::u16string_view text) const override;
  std::size_t char_size(unsigned char lead) const override;

 private:
  struct Tables;
  std::unique_ptr<Tables> tables_;
};

}  // namespace screnc
