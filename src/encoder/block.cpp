#include "encoder/block.h"

#include <array>
#include <cstdint>

#include "encoder/substitution_table.h"

namespace screnc {

namespace {

constexpr char16_t kNone = 0xFFFF;
constexpr std::size_t kFieldSize = 8;
constexpr std::size_t kHeaderSize = kBlockStart.size() + kFieldSize;
constexpr std::size_t kTrailerSize = kFieldSize + kBlockEnd.size();

struct Tables {
  // What the encoder writes for a character below U+0080, per variant: one
  // character, or '@' and, in the upper half, the second character of an escape.
  std::array<std::array<std::uint32_t, 128>, 3> written{};
  // Back to the plain character, per variant; kNone for a character a body
  // never holds. Controls other than TAB, CR and LF stand for themselves.
  std::array<std::array<char16_t, 128>, 3> decoded{};
  // The character after '@' back to the plain one.
  std::array<char16_t, 128> unescape{};
};

constexpr Tables make_tables() {
  const char16_t escaped[][2] = {{u'\r', u'#'}, {u'\n', u'&'}, {u'<', u'!'}, {u'>', u'*'},
                                 {u'@', u'$'}};
  Tables t;
  t.unescape.fill(kNone);
  for (int v = 0; v < 3; ++v) {
    t.decoded[v].fill(kNone);
    for (char16_t c = 0; c < 0x20; ++c) t.written[v][c] = t.decoded[v][c] = c;
    for (const Substitution& s : kSubstitutions) {
      t.written[v][s.plain] = s.variant[v];
      t.decoded[v][s.variant[v]] = s.plain;
    }
    for (const auto& [plain, second] : escaped) {
      t.written[v][plain] = u'@' | std::uint32_t{second} << 16;
      t.decoded[v][plain] = kNone;
      t.unescape[second] = plain;
    }
  }
  return t;
}

constexpr Tables kTables = make_tables();

constexpr std::u16string_view kBase64 =
    u"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

int variant_at(std::uint32_t position) { return kVariantAt[position % 64] - '0'; }

// The number as base64 of its four bytes, least significant first: six
// characters and "==".
void write_field(char16_t* at, std::uint32_t number) {
  const std::uint64_t bits = (std::uint64_t{number & 0xFF} << 28) |
                             (std::uint64_t{(number >> 8) & 0xFF} << 20) |
                             (std::uint64_t{(number >> 16) & 0xFF} << 12) |
                             (std::uint64_t{number >> 24} << 4);
  for (int i = 0; i < 6; ++i) at[i] = kBase64[(bits >> (30 - 6 * i)) & 63];
  at[6] = at[7] = u'=';
}

// Only the form write_field produces counts: any other text is not a field.
std::optional<std::uint32_t> read_field(std::u16string_view text, std::size_t at) {
  const std::u16string_view field = text.substr(at, kFieldSize);
  if (field.size() < kFieldSize) return std::nullopt;
  std::uint64_t bits = 0;
  for (std::size_t i = 0; i < 6; ++i) {
    const std::size_t digit = kBase64.find(field[i]);
    if (digit == std::u16string_view::npos) return std::nullopt;
    bits = (bits << 6) | digit;
  }
  if ((bits & 0xF) != 0 || field.substr(6) != u"==") return std::nullopt;
  return static_cast<std::uint32_t>(((bits >> 28) & 0xFF) | (((bits >> 20) & 0xFF) << 8) |
                                    (((bits >> 12) & 0xFF) << 16) | (((bits >> 4) & 0xFF) << 24));
}

// Decodes a block's body, handing each plain character to `put`, which may stop
// the decoding by returning false; returns the checksum, or nothing when the
// body holds what no encoder writes or `put` stopped. The position runs on from
// `position`, for a body decoded in pieces.
template <typename Put>
std::optional<std::uint32_t> decode_body(std::u16string_view body, Put put,
                                         std::uint32_t& position_on) {
  std::uint32_t checksum = 0;
  std::uint32_t position = position_on;
  for (std::size_t i = 0; i < body.size(); ++i) {
    const char16_t c = body[i];
    if (c >= 0x80) {
      if (!put(c)) return std::nullopt;
      continue;
    }
    char16_t plain = kTables.decoded[variant_at(position)][c];
    if (c == u'@') {
      if (++i == body.size() || body[i] >= 0x80) return std::nullopt;
      plain = kTables.unescape[body[i]];
    }
    if (plain == kNone || !put(plain)) return std::nullopt;
    checksum += plain;
    ++position;
  }
  position_on = position;
  return checksum;
}

template <typename Put>
std::optional<std::uint32_t> decode_body(std::u16string_view body, Put put) {
  std::uint32_t position = 0;
  return decode_body(body, put, position);
}

// The fields of the block whose start marker is at `begin`.
struct Frame {
  std::u16string_view body;
  std::uint32_t checksum;
  std::size_t end;  // just past the end marker
};

std::optional<Frame> frame_at(std::u16string_view text, std::size_t begin) {
  if (text.substr(begin, kBlockStart.size()) != kBlockStart) return std::nullopt;
  const std::optional<std::uint32_t> length = read_field(text, begin + kBlockStart.size());
  const std::size_t body = begin + kHeaderSize;
  if (!length || text.size() - body < std::size_t{*length} + kTrailerSize) return std::nullopt;
  const std::size_t body_end = body + *length;
  const std::optional<std::uint32_t> checksum = read_field(text, body_end);
  if (!checksum || text.substr(body_end + kFieldSize, kBlockEnd.size()) != kBlockEnd)
    return std::nullopt;
  return Frame{text.substr(body, *length), *checksum, body_end + kTrailerSize};
}

}  // namespace

namespace {

std::size_t escapes_in(std::u16string_view plain) {
  std::size_t escapes = 0;
  for (const char16_t c : plain) escapes += c < 0x80 && kTables.written[0][c] >> 16 != 0;
  return escapes;
}

}  // namespace

char16_t* BodyEncoder::put(char16_t* next, std::u16string_view plain) {
  char16_t* const start = next;
  // In locals, which the writes through `next` cannot be taken to change.
  std::uint32_t position = position_, checksum = checksum_;
  for (const char16_t c : plain) {
    if (c >= 0x80) {
      *next++ = c;
      continue;
    }
    const std::uint32_t written = kTables.written[variant_at(position)][c];
    *next++ = static_cast<char16_t>(written);
    if (written >> 16) *next++ = static_cast<char16_t>(written >> 16);
    checksum += c;
    ++position;
  }
  position_ = position;
  checksum_ = checksum;
  length_ += next - start;
  return next;
}

void BodyEncoder::append(std::u16string& out, std::u16string_view plain) {
  // Written in place into exactly the room it takes: a whole script's block is
  // as large as the script.
  const std::size_t start = out.size();
  out.resize(start + plain.size() + escapes_in(plain));
  put(out.data() + start, plain);
}

void BodyEncoder::count(std::u16string_view plain) {
  std::size_t escapes = 0;
  for (const char16_t c : plain) {
    if (c >= 0x80) continue;
    escapes += kTables.written[0][c] >> 16 != 0;
    checksum_ += c;
  }
  length_ += plain.size() + escapes;
}

bool BodyChecker::check(std::u16string_view encoded, std::u16string_view plain) {
  std::size_t matched = 0;
  const std::optional<std::uint32_t> checksum = decode_body(
      encoded, [&](char16_t c) { return matched < plain.size() && plain[matched++] == c; },
      position_);
  return checksum && matched == plain.size();
}

std::u16string block_header(std::uint32_t length) {
  std::u16string header(kHeaderSize, u'\0');
  kBlockStart.copy(header.data(), kBlockStart.size());
  write_field(header.data() + kBlockStart.size(), length);
  return header;
}

std::u16string block_trailer(std::uint32_t checksum) {
  std::u16string trailer(kTrailerSize, u'\0');
  write_field(trailer.data(), checksum);
  kBlockEnd.copy(trailer.data() + kFieldSize, kBlockEnd.size());
  return trailer;
}

void append_block(std::u16string& out, std::u16string_view plain) {
  const std::size_t start = out.size();
  out.resize(start + kHeaderSize + plain.size() + escapes_in(plain) + kTrailerSize);
  BodyEncoder body;
  char16_t* const end = body.put(out.data() + start + kHeaderSize, plain);
  kBlockStart.copy(out.data() + start, kBlockStart.size());
  write_field(out.data() + start + kBlockStart.size(), static_cast<std::uint32_t>(body.length()));
  write_field(end, body.checksum());
  kBlockEnd.copy(end + kFieldSize, kBlockEnd.size());
}

std::u16string encode_block(std::u16string_view plain) {
  std::u16string out;
  append_block(out, plain);
  return out;
}

std::optional<std::size_t> append_decoded(std::u16string& out, std::u16string_view text,
                                          std::size_t begin) {
  const std::optional<Frame> frame = frame_at(text, begin);
  if (!frame) return std::nullopt;
  // At most one plain character per character of the body.
  const std::size_t start = out.size();
  out.resize(start + frame->body.size());
  char16_t* next = out.data() + start;
  const std::optional<std::uint32_t> checksum = decode_body(frame->body, [&](char16_t c) {
    *next++ = c;
    return true;
  });
  if (checksum != frame->checksum) {
    out.resize(start);
    return std::nullopt;
  }
  out.resize(next - out.data());
  return frame->end;
}

bool block_encodes(std::u16string_view text, std::size_t begin, std::u16string_view plain) {
  const std::optional<Frame> frame = frame_at(text, begin);
  if (!frame) return false;
  std::size_t matched = 0;
  const std::optional<std::uint32_t> checksum = decode_body(frame->body, [&](char16_t c) {
    return matched < plain.size() && plain[matched++] == c;
  });
  return checksum == frame->checksum && matched == plain.size();
}

std::optional<DecodedBlock> decode_block(std::u16string_view text, std::size_t begin) {
  DecodedBlock block;
  const std::optional<std::size_t> end = append_decoded(block.plain, text, begin);
  if (!end) return std::nullopt;
  block.end = *end;
  return block;
}

}  // namespace screnc
