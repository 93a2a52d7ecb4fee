#pragma once
// The one record of everything the user has chosen. Every field is text.
#include <string>

namespace mosa {

struct Settings {
  std::wstring detail_open;
  std::wstring same_folder;
  std::wstring out_name_set;
  std::wstring script_ext;
  std::wstring script_lang;
  std::wstring out_suffix;
  std::wstring encoder_path;
  std::wstring in_folder;
  std::wstring in_base;
  std::wstring in_file;
  std::wstring out_folder;
  std::wstring out_base;
  std::wstring out_path;
  std::wstring opt_progress;
  std::wstring opt_overwrite;
  std::wstring opt_no_language;
  std::wstring opt_set_lang;
  std::wstring opt_wsf_as_sct;

  bool operator==(const Settings&) const = default;
};

// The fields the settings file stores, in the order of its lines.
inline constexpr std::wstring Settings::* kFileLines[] = {
    &Settings::encoder_path,   &Settings::script_ext,     &Settings::same_folder,
    &Settings::out_name_set,   &Settings::in_file,        &Settings::in_folder,
    &Settings::in_base,        &Settings::out_folder,     &Settings::out_base,
    &Settings::out_path,       &Settings::opt_progress,   &Settings::opt_overwrite,
    &Settings::opt_no_language, &Settings::opt_set_lang,  &Settings::opt_wsf_as_sct,
    &Settings::script_lang,    &Settings::detail_open,
};
inline constexpr int kFileLineCount = 17;
static_assert(sizeof(kFileLines) / sizeof(kFileLines[0]) == kFileLineCount);

inline const wchar_t kOn[] = L"on";
inline const wchar_t kOff[] = L"off";

}  // namespace mosa
