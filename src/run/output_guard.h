#pragma once
// An existing output kept for the length of a run. The encoder writes its
// output in place, so a run that fails or is stopped halfway would leave the
// user a broken file where a good one was; a hidden copy beside it, on the same
// volume, is put back instead. The copy is named after the output, so that a
// program ended between the two steps leaves it where the user finds it.
#include <string>

#include "core/platform.h"

namespace mosa {

// What came of putting the old output back.
enum class Restoration { NoneHeld, Restored, Failed };

class OutputGuard {
 public:
  OutputGuard(Files& files, std::wstring output);
  OutputGuard(const OutputGuard&) = delete;
  OutputGuard& operator=(const OutputGuard&) = delete;
  // A run ended by an error still gets its old output back.
  ~OutputGuard();

  // The output's path with ".mosa-trevlin.bak" after it.
  const std::wstring& copy() const { return copy_; }
  // A copy an earlier run left behind: its output may be the broken one.
  bool copy_left_over();
  // Copies the output aside when there is one. Throws when it cannot.
  void set_aside();
  // The run wrote a good output: the copy goes.
  void drop();
  // The run failed: the old output takes the place of whatever it left.
  Restoration restore();

 private:
  Files& files_;
  std::wstring output_, copy_;
  bool held_ = false;
};

}  // namespace mosa
