#include "editor/ReqpadView.h"

#include "platform/ui/Cursor.h"
#include "resources/ResourceIds.h"

namespace editor {

using namespace zn::ui;

namespace {

bool isInput(UINT message) {
    return (message >= WM_KEYDOWN && message <= WM_CHAR) ||
           (message >= WM_MOUSEMOVE && message <= 0x020E);
}

// Both cursors are loaded once per process.
HCURSOR pageViewCursor() {
    static HCURSOR cursor = AfxLoadCursor(res::IDC_PAGE_VIEW);
    return cursor;
}

HCURSOR arrowCursor() {
    static HCURSOR cursor = LoadStandardCursor(IDC_ARROW);
    return cursor;
}

} // namespace

CReqpadView::CReqpadView() = default;

CReqpadView::~CReqpadView() = default;

UINT CReqpadView::TransferMessage() {
    static UINT message = RegisterWindowMessageW(u"ZNS_TTITEM_TRANSMIT_MSG");
    return message;
}

void CReqpadView::RequestTransfer() {
    if (CWnd* owner = CWnd::GetOwner())
        owner->SendMessage(TransferMessage(), 0, 0);
}

bool CReqpadView::InSelectionArea(CPoint point) const {
    int start = 0, end = 0;
    GetSel(start, end);
    if (start == end)
        return false;
    zn::richedit::Point first = PosFromChar(start);
    zn::richedit::Point last = PosFromChar(end - 1);
    int left = std::min(first.x, last.x), right = std::max(first.x, last.x) + kCellWidth;
    int top = std::min(first.y, last.y), bottom = std::max(first.y, last.y) + kLineHeight;
    return point.x >= left && point.x < right && point.y >= top && point.y < bottom;
}

void CReqpadView::SelectItemAtCaret() {
    if (GetTextLength() > 0)
        SelectItem(GetSelStart());
}

LRESULT CReqpadView::ReqpadProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (!m_active && isInput(message))
        return 0;
    if (message == WM_KEYDOWN && wParam == VK_F1) {
        if (CWnd* owner = CWnd::GetOwner())
            owner->SendMessage(WM_COMMAND, MAKEWPARAM(ID_HELP, 0), 0);
        return 0;
    }
    CPoint point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    switch (message) {
    case WM_LBUTTONDOWN:
        if (InSelectionArea(point)) {
            // On the selection: view mode hands it on, edit mode takes the whole item.
            if (m_viewMode)
                RequestTransfer();
            else
                SelectItem(GetSelStart());
            return 0;
        }
        CReqpad::ReqpadProc(message, wParam, lParam);
        if (m_selectItemOnClick)
            SelectItemAtCaret();
        return 0;
    case WM_LBUTTONUP: {
        LRESULT result = CReqpad::ReqpadProc(message, wParam, lParam);
        if (m_selectItemOnClick)
            SelectItemAtCaret();
        return result;
    }
    default:
        return m_viewMode ? ViewModeProc(message, wParam, lParam)
                          : CReqpad::ReqpadProc(message, wParam, lParam);
    }
}

LRESULT CReqpadView::ViewModeProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_LBUTTONDBLCLK:
        RequestTransfer();
        return 0;
    case WM_KEYDOWN:
        switch (wParam) {
        case VK_RETURN:
            RequestTransfer();
            return 0;
        case VK_UP: {
            int start = GetSelStart();
            SelectItem(start > 0 ? ItemStart(ItemStart(start) - 1) : 0);
            return 0;
        }
        case VK_DOWN:
            if (GetSelEnd() < GetTextLength())
                SelectItem(std::min(GetSelEnd() + 1, GetTextLength()));
            return 0;
        default:
            if (CWnd* owner = CWnd::GetOwner())
                owner->SendMessage(message, wParam, lParam);
            return 0;
        }
    case WM_CHAR:
        return 0;
    case WM_RBUTTONDOWN:
        return DefWindowProc(message, wParam, lParam);
    case WM_MOUSEMOVE:
        SetCursor(InSelectionArea({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}) ? pageViewCursor()
                                                                              : arrowCursor());
        return CReqpad::ReqpadProc(message, wParam, lParam);
    case WM_SETCURSOR:
        return TRUE;
    default:
        return CReqpad::ReqpadProc(message, wParam, lParam);
    }
}

} // namespace editor
