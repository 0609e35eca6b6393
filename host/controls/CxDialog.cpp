// The library dialog's editor-command pair and help call.
#include "host/controls/CxDialog.h"

namespace zn::ui {

CWnd* CxDialog::ownerWindow() const {
    CWnd* owner = m_pParentWnd ? m_pParentWnd : GetOwner();
    return owner ? owner->GetTopLevelParent() : nullptr;
}

void CxDialog::BeginEditorCommand() {
    if (m_inEditorCommand || !GetSafeHwnd())
        return;
    m_inEditorCommand = true;
    ShowWindow(SW_HIDE);
    if (CWnd* owner = ownerWindow(); owner && IsModal()) {
        owner->EnableWindow(true);
        SetActiveWindow(owner);
    }
}

void CxDialog::CompleteEditorCommand() {
    if (!m_inEditorCommand || !GetSafeHwnd())
        return;
    m_inEditorCommand = false;
    if (CWnd* owner = ownerWindow(); owner && IsModal())
        owner->EnableWindow(false);
    ShowWindow(SW_SHOW);
    SetActiveWindow(this);
}

bool CxDialog::PreTranslateMessage(MSG& msg) {
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_F1) {
        OnHelpCall();
        return true;
    }
    return CDialog::PreTranslateMessage(msg);
}

void CxDialog::OnHelpCall() {
    SendMessage(WM_COMMAND, MAKEWPARAM(ID_HELP, 0), 0);
}

LRESULT CxDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_HELP) {
        OnHelpCall();
        return 1;
    }
    if (message == WM_EXITSIZEMOVE)
        OnExitSizeMoving();
    return CDialog::WindowProc(message, wParam, lParam);
}

} // namespace zn::ui
