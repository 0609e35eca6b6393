// The list box: entries (optionally sorted) with a single selection; LBN_SELCHANGE and
// LBN_DBLCLK to the parent when it has LBS_NOTIFY.
#pragma once

#include "platform/ui/ItemList.h"
#include "platform/ui/Window.h"

namespace zn::ui {

class CListBox : public CWnd {
public:
    int AddString(std::u16string_view text) { return m_list.Add(text); }
    int InsertString(int index, std::u16string_view text) { return m_list.Insert(index, text); }
    int DeleteString(int index) { return m_list.Remove(index); }
    void ResetContent() { m_list.Clear(); }
    int GetCount() const { return m_list.Count(); }
    int GetCurSel() const { return m_list.current; }
    int SetCurSel(int index);
    ZnsStringW GetText(int index) const;
    int FindStringExact(int start, std::u16string_view text) const {
        return m_list.Find(start, text, true);
    }
    int SetItemData(int index, std::uintptr_t data);
    std::uintptr_t GetItemData(int index) const;

    std::optional<CRect> FindItemRect(std::u16string_view item) const override;
    std::vector<std::u16string> ItemLines() const override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void notify(int code);
    ItemList m_list;
};

} // namespace zn::ui
