// screnc for Linux: arguments as bytes, messages in UTF-8, what went wrong on
// standard error.
#include <cstdio>

#include "screnc/posix_codec.h"
#include "screnc/posix_files.h"
#include "screnc/posix_names.h"
#include "screnc/run.h"

int main(int argc, char** argv) {
  using namespace screnc;
  const auto print = [](std::u16string_view message, Stream stream) {
    const std::string line = shown(message) + '\n';
    std::FILE* to = stream == Stream::Error ? stderr : stdout;
    std::fwrite(line.data(), 1, line.size(), to);
    // In order with the other stream where both go to one file.
    std::fflush(to);
  };
  std::vector<std::u16string> args;
  for (int i = 1; i < argc; ++i) args.push_back(text_from_native(argv[i]));
  const Cp932Codec cp932;
  const PosixFiles files;
  return run_screnc(args, {cp932, print, files});
}
