#pragma once
// What the end-to-end tests check again and again: message boxes by their text,
// title and style, the settings file, the keyboard walk and the layout in pixels.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "driver.h"

namespace e2e {

inline const wchar_t kSettingsFile[] = L"mosa-trevlin.ini";
inline const wchar_t kBatchFile[] = L"mosa-trevlin.bat";
inline const wchar_t kLogFile[] = L"mosa-trevlin.log";
inline const wchar_t kDefaultEncoder[] = L"C:\\Program Files\\Windows Script Encoder\\screnc.exe";

// Message box styles as the program gives them.
enum Style { kYesNoCancel = 3, kYesNo = 4, kWarning = 48, kInformation = 64 };

// The file a first start writes.
std::vector<std::wstring> first_start_lines();

// The next message box must show exactly this text and title with the buttons
// and icon of the style. expect_box leaves it open, answer_box answers it.
Box expect_box(const App& app, const std::wstring& text, const std::wstring& title, int style);
void answer_box(const App& app, const std::wstring& text, const std::wstring& title, int style, int answer);
// No message box may be open now.
void expect_no_box(const App& app);

// The output path the program holds, as the overwrite question names it; the
// question is answered No.
std::wstring asked_output_path(const App& app);

// The settings file's lines, or a failure when it is missing.
std::vector<std::wstring> saved_lines(const App& app);

// Presses Tab until the focus has gone round the window once and returns the
// controls in the order it visited them, starting at the control named first.
std::vector<std::wstring> tab_cycle(const App& app, const std::wstring& first);

// Pixels of a length in twips at the screen's resolution.
int pixels(int twips);

// A folder of its own holding a copy of the stand-in encoder named screnc.exe.
struct EncoderFolder {
  explicit EncoderFolder(const std::wstring& name = L"encoder") : folder(name) { copy_file(stand_in_encoder(), encoder); }
  TempFolder folder;
  std::wstring encoder = folder / L"screnc.exe";
};

// The lines the stand-in encoder printed, from a log in code page 932.
std::vector<std::wstring> log_lines(const App& app);
// The arguments the stand-in encoder reported: its "argN=" lines.
std::vector<std::wstring> encoder_arguments(const std::vector<std::wstring>& log);

// Waits until the run has removed its batch file; false when it stays.
bool batch_removed(const App& app);

}  // namespace e2e
