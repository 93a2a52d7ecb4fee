#include "types/script_types.h"

namespace mosa {

int script_type_position(const std::wstring& ext) {
  for (int i = 0; i < kScriptTypeCount; ++i)
    if (ext == kScriptTypes[i].ext) return i;
  return -1;
}

std::wstring output_suffix(const ScriptType& type, ScriptLanguage script_lang) {
  switch (type.suffix) {
    case SuffixRule::Jse: return L".jse";
    case SuffixRule::Vbe: return L".vbe";
    case SuffixRule::ByLanguage: return script_lang == ScriptLanguage::VBScript ? L".vbe" : L".jse";
    case SuffixRule::EncExt: break;
  }
  return std::wstring(L"_enc.") + type.ext;
}

}  // namespace mosa
