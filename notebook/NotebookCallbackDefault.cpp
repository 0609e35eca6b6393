#include "notebook/NotebookCallbackDefault.h"

#include "platform/ui/Clipboard.h"
#include "platform/ui/Window.h"

HRESULT CNotebookCallbackDefault::ReceiveText(const ZnsStringW& text, std::int32_t) {
    zn::ui::CWnd* target = zn::ui::CWnd::FromHandle(m_target);
    if (!target)
        return E_HANDLE;
    zn::ui::SetClipboardText(target, text);
    target->SendMessage(zn::ui::WM_PASTE);
    return S_OK;
}
