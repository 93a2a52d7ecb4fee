#pragma once
// The encoder's command line and the batch file line that carries it.
#include <string>

#include "settings/settings.h"

namespace mosa {

inline const wchar_t kBatchFileName[] = L"\\mosa-trevlin.bat";
inline const wchar_t kLogFileName[] = L"\\mosa-trevlin.log";

// The switches of the ticked options, each followed by one space.
std::wstring switch_string(const Settings& settings);

// "encoder" switches "input" "output" > "log"
std::wstring command_line(const std::wstring& encoder, const std::wstring& switches,
                          const std::wstring& input, const std::wstring& output,
                          const std::wstring& log);

// The command interpreter expands %NAME% inside a batch file; doubling every "%"
// hands each path to the encoder exactly as given.
std::wstring batch_line(const std::wstring& command_line);

}  // namespace mosa
