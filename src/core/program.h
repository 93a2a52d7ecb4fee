#pragma once

namespace mosa {

// The program's name as its windows show it.

inline const wchar_t kAppCaption[] = L"mosa-trevlin v0.0.1";

}  // namespace mosa
