#include "requirements/TextImport.h"

#include <algorithm>

#include "editor/Reqpad.h"
#include "host/Services.h"
#include "host/SingleLineText.h"
#include "requirements/TextSearch.h"

namespace requirements {

namespace {

// Host formatting codes start with a backslash, a brace or a percent pair.
bool holdsHostCodes(const ZnsStringW& text) {
    return text.find_first_of(u"\\{}") != ZnsStringW::npos || text.find(u"%%") != ZnsStringW::npos;
}

void writeBlock(editor::CReqpad& pad, const TextBlock& block) {
    for (const SelectedText& entry : block.entries) {
        pad.SetSel(pad.GetTextLength(), pad.GetTextLength());
        if (holdsHostCodes(entry.text))
            pad.ReadMultilineText(entry.text);
        else
            pad.ReplaceSel(entry.text);
        pad.SetSel(pad.GetTextLength(), pad.GetTextLength());
        pad.ReplaceSel(u"\r");
    }
}

} // namespace

std::vector<SelectedText> SelectedHostTexts() {
    std::vector<SelectedText> texts;
    ZnsArray<znsWorkID> ids;
    if (!gpZnObjManager || FAILED(gpZnObjManager->GetSelection(ids)))
        return texts;
    for (const znsWorkID& id : ids) {
        ZnPtr<IZnObject> object;
        if (FAILED(gpZnObjManager->Open(object.put(), id)))
            continue;
        ZnPtr<IZnSingleLineText> text = ZnQuery<IZnSingleLineText>(object.get());
        if (!text)
            continue;
        ZnsStringW string = text->GetRecord().text;
        string.erase(0, string.find_first_not_of(u" \t"));
        texts.push_back({id, string, text->GetExtents()});
    }
    return texts;
}

ImportedText ImportTexts(const std::vector<SelectedText>& texts, bool parameters) {
    ImportedText imported;
    std::vector<TextBlock> blocks = GroupSelectedTexts(texts);
    if (!parameters)
        std::reverse(blocks.begin(), blocks.end());
    zn::ui::CWnd owner;
    editor::CReqpad pad;
    if (owner.Create(u"ReqpadHidden", u"", zn::ui::WS_POPUP, {0, 0, 640, 480}, nullptr, 0) &&
        pad.Create(0, {0, 0, 600, 400}, &owner, 12014)) {
        pad.InitControl();
        for (const TextBlock& block : blocks) {
            writeBlock(pad, block);
            imported.corners.push_back(block.extents.min);
            imported.corners.push_back(block.extents.max);
            for (const SelectedText& entry : block.entries)
                imported.sources.push_back(entry.id);
        }
        pad.GetContent(imported.rtf, editor::kContentRtf);
        pad.DestroyWindow();
    }
    owner.DestroyWindow();
    return imported;
}

} // namespace requirements
