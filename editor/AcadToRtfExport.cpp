// ConvertAcadToRtf: host multiline text read by a hidden editor control and taken out as
// requirements RTF, the way the editor would store it.
#include "editor/Reqpad.h"
#include "module/Exports.h"
#include "module/SpecificationAccess.h"
#include "resources/ModuleResources.h"

ZNS_EXPORT ZnsStringW* ConvertAcadToRtf(ZnsStringW* out, const ZnsStringW* mtext, void* links) {
    res::ModuleResourceScope resources;
    auto* linkList = static_cast<ZnsArray<ZnsLink>*>(links);
    ZnsStringW converted;
    {
        // Nothing is shown: the owner and the control stay hidden.
        zn::ui::CWnd owner;
        editor::CReqpad pad;
        if (owner.Create(u"ReqpadHidden", u"", zn::ui::WS_POPUP, {0, 0, 640, 480}, nullptr, 0) &&
            pad.Create(0, {0, 0, 600, 400}, &owner, 12014)) {
            pad.InitControl();
            if (linkList)
                pad.m_specLinks = *linkList;
            pad.SetContent(mtext ? *mtext : ZnsStringW(), editor::kContentMultiline);
            pad.GetContent(converted, editor::kContentRtf);
            if (linkList)
                *linkList = pad.m_specLinks;
            pad.DestroyWindow();
        }
        owner.DestroyWindow();
    }
    module::ReleaseDocSpecification();
    if (out)
        *out = converted;
    return out;
}
