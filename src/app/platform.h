#pragma once
// Everything the main window needs from the outside world, in one object: the
// narrow services of the models below it and the host of the folder chooser.
#include "core/platform.h"
#include "select/folder_chooser.h"

namespace mosa {

class Platform : public Dialogs,
                 public Files,
                 public Processes,
                 public Documents,
                 public Folders,
                 public ChooserHost {};

}  // namespace mosa
