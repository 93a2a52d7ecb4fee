// screnc for Linux: arguments and messages in UTF-8.
#include <cstdio>

#include "encoder/unicode.h"
#include "screnc/messages.h"
#include "screnc/posix_codec.h"
#include "screnc/posix_files.h"
#include "screnc/run.h"

int main(int argc, char** argv) {
  using namespace screnc;
  const auto print = [](std::u16string_view message) {
    const std::string line = text_to_utf8(message).value_or("?") + '\n';
    std::fwrite(line.data(), 1, line.size(), stdout);
  };
  std::vector<std::u16string> args;
  for (int i = 1; i < argc; ++i) {
    std::optional<std::u16string> arg = utf8_to_text(argv[i]);
    if (!arg) {
      print(argument_not_utf8_message());
      return kBadCommandLine;
    }
    args.push_back(std::move(*arg));
  }
  const Cp932Codec cp932;
  const PosixFiles files;
  return run_screnc(args, {cp932, print, files, true});
}
