// The rich-edit control as a window over the rich-text model ("RichEdit20W"): the model's
// text, formats, selection, undo and streaming, driven by messages and by the control's
// own keyboard, mouse, clipboard and context-menu behaviour. The model's notifications
// reach the parent as EN_CHANGE (WM_COMMAND), EN_SELCHANGE and EN_PROTECTED (WM_NOTIFY;
// a nonzero answer refuses the edit), where the control sees them first (OnChildNotify).
// Derived controls override the window procedure, the notification handlers and the
// context menu, as they derived from the system's control.
#pragma once

#include "platform/richedit/RichEditModel.h"
#include "platform/ui/Menu.h"
#include "platform/ui/RichEditMessages.h"
#include "platform/ui/Window.h"

namespace zn::ui {

// The commands the control itself answers (its own context menu and key shortcuts).
inline constexpr UINT ID_EDIT_COPY_TEXT = 40120;
inline constexpr UINT ID_EDIT_CUT_TEXT = 40121;
inline constexpr UINT ID_EDIT_PASTE_TEXT = 40122;
inline constexpr UINT ID_EDIT_UNDO_TEXT = 40139;
inline constexpr UINT ID_EDIT_DELETE_TEXT = 40140;
inline constexpr UINT ID_EDIT_SELECT_ALL_TEXT = 40141;

class CRichEditCtrl : public CWnd, public richedit::RichEditModel {
public:
    bool Create(std::uint32_t style, const CRect& rect, CWnd* parent, UINT id);

    void Copy();
    void Cut();
    // Pastes rich text when the clipboard has it, else its Unicode text.
    void Paste();
    void Clear();
    bool CanPaste() const;
    // Caret keys as the user presses them (with Shift the selection grows from its anchor).
    void MoveCaret(UINT virtualKey, bool extend, bool word);
    // "@POS": the cell at character position POS (in view), so a user can click there.
    std::optional<CRect> FindItemRect(std::u16string_view item) const override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // The control's own entries of the context menu, which opens as the right button goes
    // down. Before them the control sends itself ZNM_CONTEXTMENU_BUILD with the CMenu* in
    // lParam, so a derived window procedure puts its entries first. Empty: no menu.
    virtual void BuildContextMenu(CMenu& menu);
    // Shows the context menu at `point` (client) and carries out the chosen command.
    void ShowContextMenu(CPoint point);
    // Typed characters (after the window procedure let them through).
    virtual void OnTypedChar(char16_t ch);

    void OnChange() override;
    void OnSelChange(const richedit::SelChange& change) override;
    bool OnProtected(const richedit::ProtectedEdit& edit) override;

private:
    // The message form of the model's text, search, line, scrolling and streaming calls;
    // false when `message` is none of them.
    bool textMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    LRESULT streamIn(WPARAM format, EDITSTREAM& stream);
    LRESULT streamOut(WPARAM format, EDITSTREAM& stream) const;
    // A scroll-bar request (SB_*) on the vertical or horizontal bar.
    void scrollBar(bool vertical, int request, int thumb);
    bool handleCommand(UINT id);
    void handleKeyDown(UINT key);
    int wordStart(int position) const;
    int wordEnd(int position) const;

    int m_anchor = -1;
    bool m_dragging = false;
};

} // namespace zn::ui
