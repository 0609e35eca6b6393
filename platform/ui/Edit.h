// The edit control: single- or multi-line text with a selection, read-only mode, a length
// limit, the modification flag, clipboard commands, and EN_CHANGE to the parent.
#pragma once

#include "platform/ui/TextEditing.h"
#include "platform/ui/Window.h"

namespace zn::ui {

class CEdit : public CWnd {
public:
    void SetSel(int start, int end) { SendMessage(EM_SETSEL, WPARAM(start), LPARAM(end)); }
    void GetSel(int& start, int& end) const;
    void ReplaceSel(std::u16string_view text);
    void SetLimitText(int limit) { SendMessage(EM_LIMITTEXT, WPARAM(limit)); }
    void SetReadOnly(bool readOnly = true) { SendMessage(EM_SETREADONLY, readOnly); }
    bool GetModify() const { return m_modified; }
    void SetModify(bool modified = true) { m_modified = modified; }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void changed();
    bool multiline() const { return GetStyle() & ES_MULTILINE; }

    TextEditing m_edit;
    bool m_modified = false;
};

} // namespace zn::ui
