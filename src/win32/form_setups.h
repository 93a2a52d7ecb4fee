#pragma once
// How each of the program's two windows differs from a plain control table.
#include "app/main_window.h"
#include "select/folder_chooser.h"
#include "win32/form_view.h"

namespace mosa {

FormSetup main_window_setup(MainWindow& form);
FormSetup folder_chooser_setup(FolderChooser& form);

}  // namespace mosa
