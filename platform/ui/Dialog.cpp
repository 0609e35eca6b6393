// Dialogs from templates, the modal loop, dialog keyboard navigation and command routing.
#include "platform/ui/Dialog.h"

#include <algorithm>

#include "platform/ui/Button.h"
#include "platform/ui/Input.h"
#include "platform/ui/UserAgent.h"

namespace zn::ui {

namespace {

// The dialog itself may still be hidden (before it is first shown), so only the
// control's own visibility counts.
bool canTakeFocus(CWnd* w) {
    std::uint32_t style = w->GetStyle();
    return (style & WS_TABSTOP) && (style & WS_VISIBLE) && w->IsWindowEnabled();
}

// A dialog embedded in another (a notebook pane in the calculator) is part of the outer
// dialog's tab order.
bool isControlParent(CWnd* w) {
    return ((w->GetStyle() & (WS_CHILD | DS_CONTROL)) == (WS_CHILD | DS_CONTROL) &&
            dynamic_cast<CDialog*>(w)) ||
           (w->GetExStyle() & WS_EX_CONTROLPARENT);
}

void collectTabStops(CWnd* parent, std::vector<CWnd*>& stops) {
    for (CWnd* child : parent->GetChildren()) {
        if (isControlParent(child)) {
            if ((child->GetStyle() & WS_VISIBLE) && child->IsWindowEnabled())
                collectTabStops(child, stops);
        } else if (canTakeFocus(child)) {
            stops.push_back(child);
        }
    }
}

// The tab stop that is or holds `focus`, or null.
CWnd* stopHolding(const std::vector<CWnd*>& stops, CWnd* focus) {
    for (CWnd* stop : stops)
        if (focus && (stop == focus || stop->IsChild(focus)))
            return stop;
    return nullptr;
}

} // namespace

CDialog::CDialog(UINT templateId, CWnd* parent) : m_templateId(templateId), m_pParentWnd(parent) {}

CDialog::~CDialog() {
    if (m_hWnd)
        DestroyWindow();
}

const DialogTemplate* CDialog::findTemplate(UINT id) const {
    ResourceModule* module = AfxGetResourceHandle();
    return module ? module->FindDialog(id) : nullptr;
}

bool CDialog::createFromTemplate(const DialogTemplate& resource, CWnd* parent, bool modal) {
    m_modal = modal;
    m_ended = false;
    m_nModalResult = -1;
    std::uint32_t style = resource.style & ~WS_VISIBLE;
    bool child = style & WS_CHILD;
    CRect rect = DialogUnitsToPixels(resource.rect);
    if (!child && parent) {
        CPoint origin = parent->ClientToScreen(CPoint{0, 0});
        rect.OffsetRect(origin.x, origin.y);
    }
    if (!CreateEx(resource.exStyle, u"#32770", resource.caption, style | (child ? 0 : WS_POPUP),
                  rect, parent, child ? int(resource.id) : 0))
        return false;
    m_templateId = resource.id;
    for (const DialogItemTemplate& item : resource.items) {
        if (!CreateOwnedChild(item.className, item.text, item.style | WS_CHILD,
                              DialogUnitsToPixels(item.rect), item.id, item.exStyle)) {
            DestroyWindow();
            return false;
        }
    }
    // Asked to, the dialog puts the focus on its first tab stop (a dialog embedded in it
    // may have taken it while it initialised).
    if (SendMessage(WM_INITDIALOG) && m_hWnd) {
        std::vector<CWnd*> stops;
        collectTabStops(this, stops);
        if (!stops.empty())
            GotoDlgCtrl(stops.front());
    }
    if (!m_hWnd)
        return false;
    // A dialog that ended while it initialised (a control it could not make) never shows.
    if (!m_ended && (modal || (resource.style & WS_VISIBLE)))
        ShowWindow(SW_SHOW);
    return true;
}

INT_PTR CDialog::DoModal() {
    const DialogTemplate* resource = findTemplate(m_templateId);
    if (!resource)
        return -1;
    CWnd* owner = m_pParentWnd ? m_pParentWnd->GetTopLevelParent() : nullptr;
    bool ownerWasEnabled = owner && owner->IsWindowEnabled();
    HWND ownerHandle = owner ? owner->m_hWnd : nullptr;
    if (ownerWasEnabled)
        owner->EnableWindow(false);
    auto restoreOwner = [&] {
        if (ownerWasEnabled && CWnd::IsWindow(ownerHandle)) {
            owner->EnableWindow(true);
            SetActiveWindow(owner);
        }
    };
    if (!createFromTemplate(*resource, m_pParentWnd, true)) {
        restoreOwner();
        return -1;
    }
    try {
        while (!m_ended && m_hWnd) {
            if (PumpOneMessage())
                continue;
            BroadcastToWindows(WM_IDLEUPDATECMDUI, TRUE);
            if (m_ended || !m_hWnd)
                break;
            UserAgent* agent = CurrentUserAgent();
            if (!agent)
                throw AgentError("dialog \"" + zn::toUtf8(GetWindowTextW()) +
                                 "\" waits for input and no user agent is installed");
            agent->ProvideInput(*this);
        }
    } catch (...) {
        DestroyWindow();
        restoreOwner();
        throw;
    }
    DestroyWindow();
    restoreOwner();
    return m_nModalResult;
}

bool CDialog::Create(UINT templateId, CWnd* parent) {
    const DialogTemplate* resource = findTemplate(templateId);
    if (parent)
        m_pParentWnd = parent;
    return resource && createFromTemplate(*resource, m_pParentWnd, false);
}

bool CDialog::CreateIndirect(const DialogTemplate& resource, CWnd* parent) {
    if (parent)
        m_pParentWnd = parent;
    return createFromTemplate(resource, m_pParentWnd, false);
}

void CDialog::EndDialog(int result) {
    m_nModalResult = result;
    m_ended = true;
    if (m_hWnd)
        ShowWindow(SW_HIDE);
}

bool CDialog::UpdateData(bool saveAndValidate) {
    CDataExchange dx(this, saveAndValidate);
    try {
        DoDataExchange(&dx);
    } catch (const DataExchangeFailure&) {
        return false;
    }
    return true;
}

BOOL CDialog::OnInitDialog() {
    UpdateData(false);
    return TRUE;
}

void CDialog::OnOK() {
    if (UpdateData(true))
        EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

void CDialog::OnClose() {
    // The close box is the Cancel command of a dialog.
    SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
}

LRESULT CDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG)
        return OnInitDialog();
    // Made active, the dialog gives the focus back to the control that had it, else to
    // its first tab stop, else takes it itself.
    if (message == WM_ACTIVATE && LOWORD(wParam) != 0) {
        if (!RestoreLastFocus())
            NextDlgCtrl();
        if (CWnd* now = GetFocus(); !now || (now != this && !IsChild(now)))
            SetFocus();
        return 0;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

bool CDialog::OnCommand(WPARAM wParam, LPARAM lParam) {
    // A target's own notifications come back to it through OnChildNotify, not twice.
    for (CWnd* target : m_commandRoutes)
        if (target->GetSafeHwnd() && LPARAM(target->m_hWnd) != lParam &&
            target->SendMessage(WM_COMMAND, wParam, lParam))
            return true;
    return CWnd::OnCommand(wParam, lParam);
}

bool CDialog::OnCmdMsg(UINT id, int code) {
    if (CWnd::OnCmdMsg(id, code))
        return true;
    if (code != BN_CLICKED && code != 1)
        return false;
    if (id == IDOK) {
        OnOK();
        return true;
    }
    if (id == IDCANCEL) {
        OnCancel();
        return true;
    }
    return false;
}

int CDialog::GetDefID() const {
    for (CWnd* child : GetChildren())
        if (dynamic_cast<CButton*>(child) && (child->GetStyle() & BS_TYPEMASK) == BS_DEFPUSHBUTTON)
            return child->GetDlgCtrlID();
    return IDOK;
}

void CDialog::NextDlgCtrl(bool previous) {
    std::vector<CWnd*> stops;
    collectTabStops(this, stops);
    if (stops.empty())
        return;
    CWnd* current = stopHolding(stops, GetFocus());
    auto it = std::find(stops.begin(), stops.end(), current);
    size_t index = 0;
    if (it != stops.end()) {
        size_t at = size_t(it - stops.begin());
        index = previous ? (at + stops.size() - 1) % stops.size() : (at + 1) % stops.size();
    } else if (previous) {
        index = stops.size() - 1;
    }
    GotoDlgCtrl(stops[index]);
}

void CDialog::GotoDlgCtrl(CWnd* control) {
    if (!control)
        return;
    control->SetFocus();
    // Arriving in a text field by the keyboard selects its text.
    if (control->SendMessage(WM_GETDLGCODE) & DLGC_HASSETSEL)
        control->SendMessage(EM_SETSEL, 0, -1);
}

bool CDialog::IsDialogMessage(MSG& msg) {
    if (msg.message != WM_KEYDOWN)
        return false;
    CWnd* target = CWnd::FromHandle(msg.hwnd);
    if (!target || (target != this && !IsChild(target)))
        return false;
    LRESULT wants = target == this ? 0 : target->SendMessage(WM_GETDLGCODE, msg.wParam);
    if (wants & DLGC_WANTALLKEYS)
        return false;
    switch (msg.wParam) {
    case VK_TAB:
        if (wants & DLGC_WANTTAB)
            return false;
        NextDlgCtrl(GetKeyState(VK_SHIFT) < 0);
        return true;
    case VK_RETURN: {
        if (auto* button = dynamic_cast<CButton*>(target); button && button->IsPushButton()) {
            button->SendMessage(BM_CLICK);
            return true;
        }
        int id = GetDefID();
        CWnd* button = GetDlgItem(id);
        if (!button || button->IsWindowEnabled())
            SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                        LPARAM(button ? button->m_hWnd : nullptr));
        return true;
    }
    case VK_ESCAPE: {
        CWnd* button = GetDlgItem(IDCANCEL);
        if (!button || button->IsWindowEnabled())
            SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                        LPARAM(button ? button->m_hWnd : nullptr));
        return true;
    }
    default:
        return false;
    }
}

bool CDialog::PreTranslateMessage(MSG& msg) {
    // A dialog embedded in another leaves Tab, Enter and Esc to the outer one.
    if (isControlParent(this))
        return false;
    return IsDialogMessage(msg);
}

} // namespace zn::ui
