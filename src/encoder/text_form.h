#pragma once
// The character set of a script file. A file that starts with a UTF-8 or UTF-16
// LE byte order mark is read and written in that form; any other file in the
// system's legacy code page. Conversions are strict both ways: a byte sequence
// that is no character, or a character without an exact form, fails rather than
// turn into '?' or a look-alike.
#include <optional>
#include <string>
#include <string_view>

// The system's legacy (ANSI) code page.
class LegacyCodec {
 public:
  virtual ~LegacyCodec() = default;
  virtual std::optional<std::u16string> to_text(std::string_view bytes) const = 0;
  virtual std::optional<std::string> to_bytes(std::u16string_view text) const = 0;
};

enum class TextForm { Legacy, Utf8Bom, Utf16LeBom };

TextForm text_form(std::string_view bytes);

// The file's text, without its byte order mark; nothing when the bytes are not
// text in the file's form.
std::optional<std::u16string> file_text(std::string_view bytes, const LegacyCodec& legacy);

// The bytes of a file holding the text in the form, with the form's byte order
// mark; nothing when a character has no form there.
std::optional<std::string> file_bytes(std::u16string_view text, TextForm form,
                                      const LegacyCodec& legacy);
