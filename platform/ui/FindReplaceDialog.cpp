// The find dialog and its requests to the owner.
#include "platform/ui/FindReplaceDialog.h"

#include "platform/ui/Button.h"

namespace zn::ui {

bool CFindReplaceDialog::Create(bool, std::u16string_view findWhat, std::uint32_t flags,
                                UINT templateId, CWnd* parent) {
    m_fr.Flags = flags;
    m_fr.findWhat = findWhat;
    m_fr.lCustData = LPARAM(this);
    m_owner = parent;
    return CDialog::Create(templateId, parent);
}

CFindReplaceDialog* CFindReplaceDialog::GetNotifier(LPARAM lParam) {
    auto* record = reinterpret_cast<FINDREPLACE*>(lParam);
    if (!record)
        return nullptr;
    return reinterpret_cast<CFindReplaceDialog*>(record->lCustData);
}

BOOL CFindReplaceDialog::OnInitDialog() {
    SetDlgItemTextW(kFindWhatEdit, m_fr.findWhat);
    auto check = [&](int id, bool on) {
        if (auto* button = dynamic_cast<CButton*>(GetDlgItem(id)))
            button->SetCheck(on ? BST_CHECKED : BST_UNCHECKED);
    };
    check(kFindWholeWordCheck, m_fr.Flags & FR_WHOLEWORD);
    check(kFindMatchCaseCheck, m_fr.Flags & FR_MATCHCASE);
    check(kFindDownRadio, m_fr.Flags & FR_DOWN);
    check(kFindUpRadio, !(m_fr.Flags & FR_DOWN));
    const std::pair<std::uint32_t, std::vector<int>> hidden[] = {
        {FR_HIDEUPDOWN, {kFindUpRadio, kFindDownRadio, kFindDirectionGroup}},
        {FR_HIDEMATCHCASE, {kFindMatchCaseCheck}},
        {FR_HIDEWHOLEWORD, {kFindWholeWordCheck}},
    };
    for (const auto& [flag, ids] : hidden)
        if (m_fr.Flags & flag)
            for (int id : ids)
                if (CWnd* item = GetDlgItem(id))
                    item->ShowWindow(SW_HIDE);
    GotoDlgCtrl(GetDlgItem(kFindWhatEdit));
    return FALSE;
}

void CFindReplaceDialog::ReadControls() {
    auto checked = [&](int id) {
        auto* button = dynamic_cast<CButton*>(GetDlgItem(id));
        return button && button->IsWindowVisible() && button->GetCheck() == BST_CHECKED;
    };
    m_fr.findWhat = GetDlgItemTextW(kFindWhatEdit);
    m_fr.Flags &= ~(FR_WHOLEWORD | FR_MATCHCASE | FR_DOWN | FR_FINDNEXT | FR_DIALOGTERM);
    if (checked(kFindWholeWordCheck))
        m_fr.Flags |= FR_WHOLEWORD;
    if (checked(kFindMatchCaseCheck))
        m_fr.Flags |= FR_MATCHCASE;
    if (!checked(kFindUpRadio))
        m_fr.Flags |= FR_DOWN;
}

void CFindReplaceDialog::NotifyOwner() {
    if (m_owner && m_owner->GetSafeHwnd())
        m_owner->SendMessage(RegisterWindowMessageW(FINDMSGSTRING), 0, LPARAM(&m_fr));
}

void CFindReplaceDialog::OnOK() {
    ReadControls();
    if (m_fr.findWhat.empty())
        return;
    m_fr.Flags |= FR_FINDNEXT;
    NotifyOwner();
}

void CFindReplaceDialog::OnCancel() {
    ReadControls();
    m_fr.Flags |= FR_DIALOGTERM;
    NotifyOwner();
    DestroyWindow();
}

} // namespace zn::ui
