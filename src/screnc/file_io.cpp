#include "screnc/file_io.h"

#include <fstream>
#include <iterator>
#include <system_error>

namespace fs = std::filesystem;

std::optional<std::string> read_file(const fs::path& path) {
  std::error_code error;
  if (!fs::is_regular_file(path, error)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool replace_file(const fs::path& target, std::string_view bytes) {
  std::error_code error;
  const fs::file_status status = fs::status(target, error);
  if (fs::exists(status) && (status.permissions() & fs::perms::owner_write) == fs::perms::none)
    return false;

  const auto fresh_name = [&](int n) { return fs::path(target) += ".screnc-" + std::to_string(n); };
  int n = 0;
  while (fs::exists(fresh_name(n), error)) ++n;
  const fs::path fresh = fresh_name(n);
  {
    std::ofstream out(fresh, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (out.fail()) {
      fs::remove(fresh, error);
      return false;
    }
  }
  fs::rename(fresh, target, error);
  if (!error) return true;
  fs::remove(fresh, error);
  return false;
}
