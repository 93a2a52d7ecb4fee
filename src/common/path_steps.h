#pragma once
// The steps over a path's spelling that both programs take, each on its own
// string type (the front end's wide strings, the encoder's UTF-16 text): the
// folder before the file name, the name, its extension, and a name put inside a
// folder. Which characters end a folder is each caller's to say: on Windows '\'
// and '/' both do, on Linux only '/', and the front end's input path is cut at
// '\' alone, as its rule for splitting the path has it.
#include <cstddef>
#include <string>
#include <string_view>

namespace common {

template <typename Char>
class PathSteps {
 public:
  using View = std::basic_string_view<Char>;
  using String = std::basic_string<Char>;

  // The first of the separators is the one put between a folder and a name.
  constexpr explicit PathSteps(View separators) : separators_(separators) {}

  // Up to and including the last separator; empty for a bare file name.
  constexpr View folder_of(View path) const { return path.substr(0, name_begin(path)); }
  // The folder without its trailing separator: "C:" for "C:\a.vbs", and a
  // network path keeps the two it starts with.
  constexpr View parent_of(View path) const {
    const View folder = folder_of(path);
    return folder.substr(0, folder.empty() ? 0 : folder.size() - 1);
  }
  constexpr View name_of(View path) const { return path.substr(name_begin(path)); }
  // From the last '.' of the file name, when that is not its first character:
  // ".vbs" alone is a hidden file's name, not an extension.
  constexpr View extension_of(View path) const {
    const View name = name_of(path);
    const std::size_t dot = name.rfind(Char('.'));
    return dot == View::npos || dot == 0 ? View() : name.substr(dot);
  }
  // The name inside the folder, one separator between them; a name inside no
  // folder stays as it is.
  String joined(View folder, View name) const {
    String path(folder);
    if (!folder.empty() && separators_.find(folder.back()) == View::npos)
      path += separators_.front();
    return path.append(name);
  }

 private:
  constexpr std::size_t name_begin(View path) const {
    const std::size_t separator = path.find_last_of(separators_);
    return separator == View::npos ? 0 : separator + 1;
  }

  View separators_;
};

}  // namespace common
