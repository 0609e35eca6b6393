#include "notebook/OldPageConversion.h"

#include "editor/Reqpad.h"
#include "notebook/PageText.h"

namespace notebook {

void ConvertOldPageTexts(std::vector<ZnsStringW>& texts) {
    // One hidden control serves every page; nothing is shown.
    zn::ui::CWnd owner;
    editor::CReqpad pad;
    if (!owner.Create(u"NotebookHidden", u"", zn::ui::WS_POPUP, {0, 0, 640, 480}, nullptr, 0) ||
        !pad.Create(0, {0, 0, 600, 400}, &owner, 12014)) {
        for (ZnsStringW& text : texts)
            text = RtfOfPlainText(text);
        return;
    }
    pad.InitControl();
    for (ZnsStringW& text : texts) {
        ZnsStringW rtf;
        pad.SetContent(text, editor::kContentPlain);
        pad.GetContent(rtf, editor::kContentRtf);
        text = std::move(rtf);
    }
    pad.DestroyWindow();
    owner.DestroyWindow();
}

} // namespace notebook
