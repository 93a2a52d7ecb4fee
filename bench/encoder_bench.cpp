// Throughput of the encoder library on a large generated script, ASCII and with
// Japanese text, beside a plain memory copy of the same text in the same run.
// Speeds are in MB/s of the plain text as UTF-16 (two bytes a unit); each figure
// is the best of several runs.
//   encoder_bench [megabytes]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "encoder/block.h"

namespace {

std::u16string generated_script(std::size_t units, bool japanese) {
  const std::u16string_view ascii_lines[] = {
      u"Dim total, i, name\r\n",
      u"For i = 1 To 100\r\n",
      u"\ttotal = total + i * 2 ' add it up <again>\r\n",
      u"\tIf total > 50 And name <> \"x@y\" Then WScript.Echo \"big: \" & total\r\n",
      u"Next\r\n",
  };
  const std::u16string_view japanese_lines[] = {
      u"' 合計を計算して、結果を表示します。\r\n",
      u"MsgBox \"合計は \" & total & \" です。\", vbOKOnly, \"計算結果\"\r\n",
  };
  std::u16string text;
  text.reserve(units + 128);
  for (std::size_t line = 0; text.size() < units; ++line) {
    text += ascii_lines[line % std::size(ascii_lines)];
    if (japanese && line % 2 == 1) text += japanese_lines[line / 2 % std::size(japanese_lines)];
  }
  text.resize(units);
  return text;
}

constexpr int kRuns = 15;

template <typename Work>
double best_seconds(Work&& work) {
  double best = 1e9;
  for (int run = 0; run < kRuns; ++run) {
    const auto start = std::chrono::steady_clock::now();
    work();
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    best = std::min(best, took.count());
  }
  return best;
}

}  // namespace

int main(int argc, char** argv) {
  const long megabytes = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 32;
  if (megabytes <= 0) {
    std::fprintf(stderr, "usage: encoder_bench [megabytes]\n");
    return 2;
  }
  std::printf("%ld MB of script text (UTF-16), best of %d runs each\n", megabytes, kRuns);
  for (const bool japanese : {false, true}) {
    const std::u16string text = generated_script(megabytes * 500'000, japanese);
    const double megabytes_of_text = text.size() * 2 / 1e6;
    std::u16string copy(text.size(), u'\0');
    std::u16string block;
    block.reserve(2 * text.size() + 32);
    std::size_t decoded_size = 0;

    const double copying = best_seconds([&] {
      std::memcpy(copy.data(), text.data(), text.size() * sizeof(char16_t));
    });
    const double encoding = best_seconds([&] {
      block.clear();
      screnc::append_block(block, text);
    });
    std::u16string decoded;
    const double decoding = best_seconds([&] {
      decoded.clear();
      screnc::append_decoded(decoded, block, 0);
      decoded_size = decoded.size();
    });
    if (copy != text || decoded_size != text.size()) {
      std::fprintf(stderr, "encoder_bench: the text did not come back\n");
      return 1;
    }
    std::printf("%-9s copy %7.0f MB/s | encode %6.0f MB/s, %4.1fx the copy's time"
                " | decode %6.0f MB/s, %4.1fx the copy's time\n",
                japanese ? "Japanese" : "ASCII", megabytes_of_text / copying,
                megabytes_of_text / encoding, encoding / copying, megabytes_of_text / decoding,
                decoding / copying);
  }
  return 0;
}
