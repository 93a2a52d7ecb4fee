#pragma once
// The character set of a script file. A file that starts with a UTF-8 or UTF-16
// LE byte order mark is in that form; otherwise bytes that are well-formed UTF-8
// and hold at least one multi-byte character are UTF-8 (as editors save new
// files today, mostly without a mark), and any other file is in the system's
// legacy code page, pure ASCII included. Bytes that read both ways are the one
// doubt: half-width katakana pairs of code page 932 (ﾃｽ, C3 BD) are also
// two-byte UTF-8 (ý). Where every non-ASCII character is such a pair and none
// stands directly beside an ASCII letter, as an accented letter stands in a
// word (café), the file is in the code page. Conversions are strict both ways: a byte
// sequence that is no character, or a character without an exact form, fails
// rather than turn into '?' or a look-alike.
#include <optional>
#include <string>
#include <string_view>

#include "encoder/file_kind.h"

namespace screnc {

// The system's legacy (ANSI) code page.
class LegacyCodec {
 public:
  virtual ~LegacyCodec() = default;
  virtual std::optional<std::u16string> to_text(std::string_view bytes) const = 0;
  virtual std::optional<std::string> to_bytes(std::u16string_view text) const = 0;
  // How many bytes the character that starts with `lead` takes, each character
  // being one UTF-16 unit; 0 when the code page is not known to be so.
  virtual std::size_t char_size(unsigned char lead) const = 0;
};

enum class TextForm { Legacy, Utf8, Utf8Bom, Utf16LeBom };

TextForm text_form(std::string_view bytes);

// Forms the script host cannot read, refused by name rather than read as ANSI
// text full of NULs. Without a mark, a file holding NULs only at odd offsets
// (within its first 64 KB) looks like UTF-16 LE, whose ASCII characters end in
// a NUL byte; one holding them only at even offsets like UTF-16 BE.
enum class ForeignForm { None, Utf16Be, Utf16LeUnmarked };
ForeignForm foreign_form(std::string_view bytes);

// The form an encoded file is written in. A page keeps its source's, which it
// declares to the browser or server. The script host reads a plain script only
// in the legacy code page or as UTF-16 LE with a mark: in UTF-8 a block's
// characters would no longer match its length field there.
TextForm output_form(TextForm source, FileKind kind);

// The file's text, without its byte order mark; nothing when the bytes are not
// text in the file's form.
std::optional<std::u16string> file_text(std::string_view bytes, const LegacyCodec& legacy);

// The bytes of a file holding the text in the form, with the form's byte order
// mark; nothing when a character has no form there.
std::optional<std::string> file_bytes(std::u16string_view text, TextForm form,
                                      const LegacyCodec& legacy);

std::string_view byte_order_mark(TextForm form);
// Appends the text in the form, without a mark; false when a character has no
// form there, `out` then holding part of it.
bool append_in_form(std::string& out, std::u16string_view text, TextForm form,
                    const LegacyCodec& legacy);

}  // namespace screnc
