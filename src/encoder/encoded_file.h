#pragma once
// The bytes of an encoded file. Where it is written in its source's form, the
// parts of the source kept as they were are copied from the source's bytes, not
// converted back from the text: a character with two codes (code page 932's NEC
// and IBM rows, ED40 and FA5C) keeps the one it had around the scripts.
#include <optional>
#include <string>
#include <string_view>

#include "encoder/rewrite.h"
#include "encoder/text_form.h"

// Nothing when a character has no form in `form`.
std::optional<std::string> encoded_file_bytes(const EncodedText& encoded, std::string_view source,
                                              TextForm form, const LegacyCodec& legacy);
