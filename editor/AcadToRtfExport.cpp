// ConvertAcadToRtf: host multiline text read by the hidden editor dialog and taken out as
// requirements RTF, the way the editor would store it.
#include "editor/ReqpadDlg.h"
#include "module/Exports.h"
#include "module/SpecificationAccess.h"
#include "resources/ModuleResources.h"

ZNS_EXPORT ZnsStringW* ConvertAcadToRtf(ZnsStringW* out, const ZnsStringW* mtext, void* links) {
    res::ModuleResourceScope resources;
    auto* linkList = static_cast<ZnsArray<ZnsLink>*>(links);
    ZnsStringW converted;
    if (mtext && !mtext->empty()) {
        editor::ReqpadDlg dialog;
        dialog.SetContent(*mtext, editor::kContentMultiline, linkList);
        if (dialog.CreateHidden()) {
            dialog.SetContentKind(editor::kContentRtf);
            dialog.TakeContent();
            dialog.GetContent(converted, linkList);
            dialog.CloseHidden();
        }
    }
    module::ReleaseDocSpecification();
    if (out)
        *out = converted;
    return out;
}
