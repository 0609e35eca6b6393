#include "editor/ReqpadDlg.h"

#include "resources/ResourceIds.h"

namespace editor {

using namespace zn::ui;

ReqpadDlg::ReqpadDlg(CWnd* parent) : CxDialog(IDD, parent) {}

ReqpadDlg::~ReqpadDlg() = default;

void ReqpadDlg::SetContent(const ZnsStringW& text, int kind, const ZnsArray<ZnsLink>* links) {
    m_content = text;
    m_contentKind = kind;
    if (links)
        editor.m_specLinks = *links;
}

void ReqpadDlg::SetTitle(const ZnsStringW& title, int tdMode) {
    m_title = title;
    m_tdMode = tdMode;
}

void ReqpadDlg::SetReferencedItems(const ZnsArray<std::int32_t>& numbers) {
    editor.m_referencedItems = numbers;
}

void ReqpadDlg::GetContent(ZnsStringW& text, ZnsArray<ZnsLink>* links) const {
    text = m_content;
    if (links)
        *links = editor.m_specLinks;
}

void ReqpadDlg::GetReferencedItems(ZnsArray<std::int32_t>& numbers) const {
    numbers = editor.m_referencedItems;
}

bool ReqpadDlg::CreateHidden(CWnd* parent) {
    m_hidden = true;
    return Create(IDD, parent);
}

void ReqpadDlg::TakeContent() {
    editor.GetContent(m_content, m_contentKind);
}

void ReqpadDlg::CloseHidden() {
    if (GetSafeHwnd())
        DestroyWindow();
}

BOOL ReqpadDlg::OnInitDialog() {
    CxDialog::OnInitDialog();
    return TRUE;
}

void ReqpadDlg::OnOK() { CxDialog::OnOK(); }
void ReqpadDlg::OnCancel() { CxDialog::OnCancel(); }
void ReqpadDlg::OnClose() { CxDialog::OnClose(); }
void ReqpadDlg::OnDestroy() {}
void ReqpadDlg::OnSize(UINT, int, int) {}
void ReqpadDlg::OnHelpCall() {}
bool ReqpadDlg::PreTranslateMessage(MSG& msg) { return CxDialog::PreTranslateMessage(msg); }
LRESULT ReqpadDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return CxDialog::WindowProc(message, wParam, lParam);
}

} // namespace editor
