// Host multiline text (content kind 1) read into the control.
#include "editor/Reqpad.h"

namespace editor {

void CReqpad::ReadMultilineText(const ZnsStringW& text) {
    ZnsStringW plain = text;
    for (std::size_t at = 0; (at = plain.find(u"\\P", at)) != ZnsStringW::npos;)
        plain.replace(at, 2, u"\r");
    ReplaceSel(plain, false);
}

} // namespace editor
