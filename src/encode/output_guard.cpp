#include "encode/output_guard.h"

namespace mosa {

OutputGuard::OutputGuard(Files& files, std::wstring output)
    : files_(files), output_(std::move(output)), copy_(copy_of(output_)) {}

OutputGuard::~OutputGuard() {
  try {
    restore();
  } catch (...) {
    // The copy stays under its documented name.
  }
}

std::wstring OutputGuard::copy_of(const std::wstring& output) {
  return output + L".mosa-trevlin.bak";
}

bool OutputGuard::copy_left_over() { return files_.stamp(copy_).has_value(); }

void OutputGuard::set_aside() {
  if (!files_.stamp(output_)) return;
  files_.copy_hidden(output_, copy_);
  held_ = true;
}

void OutputGuard::drop() {
  if (!held_) return;
  held_ = false;
  try {
    files_.delete_file(copy_);
  } catch (const PlatformError&) {
    // Left for the user: the next run names it before it starts.
  }
}

Restoration OutputGuard::restore() {
  if (!held_) return Restoration::NoneHeld;
  try {
    files_.move_over(copy_, output_);
  } catch (const PlatformError&) {
    held_ = false;
    return Restoration::Failed;
  }
  held_ = false;
  return Restoration::Restored;
}

}  // namespace mosa
