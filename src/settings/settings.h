#pragma once
// The one record of everything the user has chosen: paths and names as text,
// flags as bool and choices as enums. The words the settings file writes for
// them belong to the file alone (settings_lines.cpp).
#include <string>

namespace mosa {

// The language handed to the encoder, in the order of the window's language list.
enum class ScriptLanguage { VBScript, JScript };
inline const wchar_t* const kLanguageNames[] = {L"VBScript", L"JScript"};

inline const wchar_t* language_name(ScriptLanguage language) {
  return kLanguageNames[static_cast<int>(language)];
}

// A first start leaves the detail area's state unset until the user or an
// initialisation sets it; the file keeps that as an empty line.
enum class DetailArea { Unset, Closed, Open };

struct Settings {
  DetailArea detail_open = DetailArea::Unset;
  bool same_folder = false;
  bool out_name_set = false;
  std::wstring script_ext{};
  // An empty record's language: anything but VBScript counts as JScript.
  ScriptLanguage script_lang = ScriptLanguage::JScript;
  std::wstring out_suffix{};
  std::wstring encoder_path{};
  std::wstring in_folder{};
  std::wstring in_base{};
  std::wstring in_file{};
  std::wstring out_folder{};
  std::wstring out_base{};
  std::wstring out_path{};
  bool opt_progress = false;
  bool opt_overwrite = false;
  bool opt_no_language = false;
  bool opt_set_lang = false;
  bool opt_wsf_as_sct = false;

  bool operator==(const Settings&) const = default;
};

}  // namespace mosa
