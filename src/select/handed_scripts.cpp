#include "select/handed_scripts.h"

#include "core/paths.h"
#include "types/script_types.h"

namespace mosa {

std::vector<std::wstring> handed_scripts(Files& files, Folders& folders,
                                         const std::vector<std::wstring>& paths,
                                         std::wstring& unreadable) {
  std::vector<std::wstring> scripts;
  for (const std::wstring& path : paths) {
    if (!files.is_folder(path)) {
      scripts.push_back(path);
      continue;
    }
    try {
      for (const std::wstring& name : folders.files_in(path))
        if (script_type_position(extension_of(name)) >= 0)
          scripts.push_back(kBackslashPaths.joined(path, name));
    } catch (const PlatformError&) {
      unreadable = path;
      return {};
    }
  }
  return scripts;
}

}  // namespace mosa
