#pragma once
// Where the program looks for the encoder until the user says otherwise.
#include <string>

#include "core/platform.h"

namespace mosa {

// Where Microsoft's installer put its encoder.
inline const wchar_t kMicrosoftEncoder[] = L"C:\\Program Files\\Windows Script Encoder\\screnc.exe";
inline const wchar_t kMicrosoftEncoderFolder[] = L"C:\\Program Files\\Windows Script Encoder\\";
// Ours, as the application folder ships it.
inline const wchar_t kBundledEncoder[] = L"encoder\\screnc.exe";

// Microsoft's encoder where it is installed, else ours in the application
// folder as a full path, else Microsoft's location: the one the user is most
// likely to mean, and a name they can look up when neither is there.
std::wstring default_encoder_path(Files& files);

}  // namespace mosa
