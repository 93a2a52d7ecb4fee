#pragma once
// Whole files in and out. A file is replaced in one step: the new content goes
// to a file of its own beside it first, so a failure leaves the old one whole.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

std::optional<std::string> read_file(const std::filesystem::path& path);

// False when the file could not be written; the target then holds what it held.
// A read-only target is not replaced: the user protected it.
bool replace_file(const std::filesystem::path& target, std::string_view bytes);
