#pragma once
// The scripts that a drop, a start or the file dialog hands over.
#include <string>
#include <vector>

#include "core/platform.h"

namespace mosa {

// The paths in order, each folder among them standing for the files directly
// inside it whose extension is a script type's. When a folder cannot be read,
// `unreadable` names it and there are no scripts.
std::vector<std::wstring> handed_scripts(Files& files, Folders& folders,
                                         const std::vector<std::wstring>& paths,
                                         std::wstring& unreadable);

}  // namespace mosa
