#pragma once
// The files handed to the program on its command line, as Send To, a drop on
// its icon and Open with hand them.
#include <string>
#include <vector>

namespace mosa {

// The arguments after the program's own name, split as the shell splits them
// and made full against the current folder, where a command prompt's user
// meant them. Empty when there are none.
std::vector<std::wstring> handed_files();

}  // namespace mosa
