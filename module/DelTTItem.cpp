// DelTTItem: one item taken out of a requirements text by a hidden editor, which renumbers
// the rest; the drawing objects that referred to items follow the new numbers.
#include "editor/References.h"
#include "editor/ReqpadDlg.h"
#include "host/Context.h"
#include "host/Services.h"
#include "module/Exports.h"
#include "requirements/FlowScope.h"

namespace {

// Puts the caret into item `number`; false when the text has no such item.
bool selectItemNumber(editor::CReqpad& pad, std::int32_t number) {
    for (int position = 0; position >= 0; position = pad.ItemEnd(position)) {
        pad.SetSel(position, position);
        if (pad.CaretItemNumber() == number)
            return true;
    }
    return false;
}

} // namespace

ZNS_EXPORT std::int32_t DelTTItem(std::int32_t number, ZnsStringW* text, std::int32_t kind,
                                  ZnsArray<ZnsLink>* links) {
    requirements::FlowScope scope;
    auto* mainWindow =
        static_cast<zn::ui::CWnd*>(gpZnContext ? gpZnContext->GetMainWindow() : nullptr);
    editor::ReqpadDlg dialog(mainWindow);
    dialog.SetContent(text ? *text : ZnsStringW(), kind, links);
    ZnsArray<znsWorkID> referring;
    ZnsArray<std::int32_t> numbers;
    editor::CollectReferringObjects(referring, numbers);
    dialog.SetReferencedItems(numbers);
    std::int32_t result = 0;
    if (dialog.CreateHidden(nullptr)) {
        if (number > 0 && selectItemNumber(dialog.editor, number)) {
            dialog.editor.DeleteItems();
            result = 1;
        }
        dialog.TakeContent();
        if (text)
            dialog.GetContent(*text, links);
        dialog.GetReferencedItems(numbers);
        editor::WriteBackItemNumbers(referring, numbers);
        dialog.CloseHidden();
    }
    return result;
}
