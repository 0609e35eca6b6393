// The edit field a control puts over one of its items (a tree label, a grid cell) while
// the user types the item's new text. Enter keeps the text, Esc cancels, and losing the
// focus keeps it, as in the system's controls.
#pragma once

#include <memory>
#include <optional>

#include "platform/ui/Edit.h"

namespace zn::ui {

class InPlaceEdit {
public:
    enum class Ending { None, Keep, Cancel };

    // Puts the field over `rect` of `host` with `text`, all selected (or the caret after it).
    CEdit* Begin(CWnd& host, const CRect& rect, std::u16string_view text, bool caretAtEnd);
    bool IsActive() const { return m_edit != nullptr; }
    CEdit* Control() const { return m_edit.get(); }
    // Removes the field; its text (nullopt when there was no field). The host gets the
    // focus back when the field had it.
    std::optional<ZnsStringW> End();
    // How a message the host's PreTranslateMessage sees ends the edit (Enter, Esc).
    Ending EndingFor(const MSG& msg) const;
    // Whether a WM_COMMAND the host receives says the field lost the focus.
    bool IsFocusLoss(WPARAM wParam, LPARAM lParam) const;

private:
    CWnd* m_host = nullptr;
    std::unique_ptr<CEdit> m_edit;
    // The last field lives until the next edit: it may be ending from inside its own
    // window procedure (losing the focus).
    std::unique_ptr<CEdit> m_retired;
};

} // namespace zn::ui
