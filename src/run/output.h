#pragma once
// How the output folder, name and path follow the input and the user's entries.
#include "settings/settings.h"

namespace mosa {

// out_path is out_folder, out_base and out_suffix joined with nothing between them.
void compose_out_path(Settings& settings);

}  // namespace mosa
