// Takes the place of an encoder where a test needs a fault that ours must not
// have: an input holding FAIL makes it fail without writing, SLEEP=<ms> makes
// it slow, HANG makes it write half its output in place and never end, as an
// encoder stopped halfway leaves it. Otherwise it copies its input to its output, so a test decides what
// the output holds. Like screnc, it takes the last two arguments as input and
// output, and what it prints goes to the log.
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

int wmain() {
  int count = 0;
  wchar_t** args = CommandLineToArgvW(GetCommandLineW(), &count);
  std::string input;
  if (std::ifstream file{std::filesystem::path(count >= 3 ? args[count - 2] : L""), std::ios::binary}) {
    input.assign(std::istreambuf_iterator<char>(file), {});
  } else {
    std::puts("stand-in: cannot read the input");
    return 2;
  }
  if (input.find("FAIL") != std::string::npos) {
    std::puts("stand-in: asked to fail");
    return 1;
  }
  const size_t sleep_at = input.find("SLEEP=");
  if (sleep_at != std::string::npos) Sleep(std::strtoul(input.c_str() + sleep_at + 6, nullptr, 10));
  std::ofstream output(std::filesystem::path(args[count - 1]), std::ios::binary);
  if (input.find("HANG") != std::string::npos) {
    output << input.substr(0, input.size() / 2) << std::flush;
    std::puts("stand-in: hanging");
    std::fflush(stdout);
    Sleep(INFINITE);
  }
  output << input;
  std::puts("stand-in: copied");
  return 0;
}
