#include "run/output_guard.h"

namespace mosa {

OutputGuard::OutputGuard(Files& files, std::wstring output)
    : files_(files), output_(std::move(output)), copy_(output_ + L".mosa-trevlin.bak") {}

OutputGuard::~OutputGuard() {
  // Whatever comes of it, the copy stays under its name where it cannot go back.
  try {
    restore();
  } catch (...) {
  }
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
  held_ = false;
  try {
    files_.move_over(copy_, output_);
    return Restoration::Restored;
  } catch (const PlatformError&) {
    return Restoration::Failed;
  }
}

}  // namespace mosa
