#include "run/output.h"

namespace mosa {

void compose_out_path(Settings& settings) {
  settings.out_path = settings.out_folder + settings.out_base + settings.out_suffix;
}

}  // namespace mosa
