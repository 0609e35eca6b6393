// The in-place edit field of trees and grids.
#include "platform/ui/InPlaceEdit.h"

namespace zn::ui {

CEdit* InPlaceEdit::Begin(CWnd& host, const CRect& rect, std::u16string_view text,
                          bool caretAtEnd) {
    if (m_edit)
        return nullptr;
    m_retired.reset();
    auto edit = std::make_unique<CEdit>();
    if (!edit->CreateEx(0, u"Edit", text, WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, rect, &host, 1))
        return nullptr;
    m_host = &host;
    m_edit = std::move(edit);
    m_edit->SetFocus();
    int length = int(text.size());
    m_edit->SetSel(caretAtEnd ? length : 0, -1);
    return m_edit.get();
}

std::optional<ZnsStringW> InPlaceEdit::End() {
    if (!m_edit)
        return std::nullopt;
    // Out of the member first: destroying the field takes its focus, which would end it again.
    std::unique_ptr<CEdit> edit = std::move(m_edit);
    ZnsStringW text = edit->GetWindowTextW();
    bool hadFocus = CWnd::GetFocus() == edit.get();
    edit->DestroyWindow();
    m_retired = std::move(edit);
    if (hadFocus && m_host && m_host->GetSafeHwnd())
        m_host->SetFocus();
    return text;
}

InPlaceEdit::Ending InPlaceEdit::EndingFor(const MSG& msg) const {
    if (!m_edit || msg.message != WM_KEYDOWN)
        return Ending::None;
    return msg.wParam == VK_RETURN   ? Ending::Keep
           : msg.wParam == VK_ESCAPE ? Ending::Cancel
                                     : Ending::None;
}

bool InPlaceEdit::IsFocusLoss(WPARAM wParam, LPARAM lParam) const {
    return m_edit && HIWORD(wParam) == unsigned(EN_KILLFOCUS) && HWND(lParam) == m_edit->m_hWnd;
}

} // namespace zn::ui
