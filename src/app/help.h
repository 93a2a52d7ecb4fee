#pragma once
// The help page and the readme, both in the application folder.
#include "core/platform.h"

namespace mosa {

// Opens help\index.html through browser automation, else with the system's
// browser; says the page is missing when neither opens it.
void open_help(Files& files, Documents& documents, Dialogs& dialogs);
// Opens readme.txt in Notepad; says it is missing when Notepad cannot be started.
void open_readme(Files& files, Processes& processes, Dialogs& dialogs);

}  // namespace mosa
