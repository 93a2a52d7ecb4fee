#pragma once
// Script text written in an XML file outside a CDATA section reaches the script
// engine with its character and entity references replaced; inside the CDATA
// section an encoded script is put in, they would be taken literally.
#include <string>
#include <string_view>

namespace screnc {

// The text with &lt; &gt; &amp; &quot; &apos; &#n; and &#xh; replaced by their
// characters. An '&' that starts none of them stays as it is.
std::u16string resolve_references(std::u16string_view text);

}  // namespace screnc
