// The controls library's dialog base: a dialog that can step aside while the user works
// on the drawing (the editor-command pair hides it and hands input back to its owner, then
// shows it again) and that turns F1 and help requests into its help call.
#pragma once

#include "platform/ui/Dialog.h"

namespace zn::ui {

// The framework's help command.
inline constexpr UINT ID_HELP = 57670;

class CxDialog : public CDialog {
public:
    explicit CxDialog(UINT templateId = 0, CWnd* parent = nullptr) : CDialog(templateId, parent) {}

    // Hides the dialog and lets its owner take input, for a pick on the drawing.
    virtual void BeginEditorCommand();
    // Shows the dialog again and makes it the window in charge.
    virtual void CompleteEditorCommand();
    bool InEditorCommand() const { return m_inEditorCommand; }

    bool PreTranslateMessage(MSG& msg) override;

protected:
    // F1 or a help request: by default the dialog gets the help command (57670).
    virtual void OnHelpCall();
    // The user finished moving or sizing the window.
    virtual void OnExitSizeMoving() {}
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    CWnd* ownerWindow() const;
    bool m_inEditorCommand = false;
};

} // namespace zn::ui
