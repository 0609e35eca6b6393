// The combo box: a drop-down list (the text is the selected entry) or an editable combo
// (the text is typed, the list offers entries), optionally sorted. The list is modelled
// as dropped below the field, so a user can click its entries.
#pragma once

#include "platform/ui/ItemList.h"
#include "platform/ui/TextEditing.h"
#include "platform/ui/Window.h"

namespace zn::ui {

class CComboBox : public CWnd {
public:
    int AddString(std::u16string_view text);
    int InsertString(int index, std::u16string_view text);
    int DeleteString(int index);
    void ResetContent();
    int GetCount() const { return m_list.Count(); }
    int GetCurSel() const { return m_list.current; }
    int SetCurSel(int index);
    ZnsStringW GetLBText(int index) const;
    int FindString(int start, std::u16string_view text) const {
        return m_list.Find(start, text, false);
    }
    int FindStringExact(int start, std::u16string_view text) const {
        return m_list.Find(start, text, true);
    }
    // Selects the first entry that begins with `text`; CB_ERR when none.
    int SelectString(int start, std::u16string_view text);
    int SetItemData(int index, std::uintptr_t data);
    std::uintptr_t GetItemData(int index) const;
    bool IsEditable() const { return (GetStyle() & CBS_TYPEMASK) != CBS_DROPDOWNLIST; }

    std::optional<CRect> FindItemRect(std::u16string_view item) const override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void notify(int code);
    void userSelects(int index);
    void showSelection();

    ItemList m_list;
    TextEditing m_edit;
};

} // namespace zn::ui
