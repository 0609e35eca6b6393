// Dialogs built from dialog templates: modal (DoModal, EndDialog, a modal loop that asks
// the user agent for input whenever nothing is left to dispatch) or modeless (Create,
// DestroyWindow); keyboard navigation (Enter, Esc, Tab) and command routing in the
// framework's manner.
#pragma once

#include "platform/ui/DataExchange.h"
#include "platform/ui/Resources.h"
#include "platform/ui/Window.h"

namespace zn::ui {

using INT_PTR = std::intptr_t;

class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId = 0, CWnd* parent = nullptr);
    ~CDialog() override;

    // Runs the dialog modally: IDOK, IDCANCEL or what EndDialog was given; -1 when the
    // template is missing or the window could not be made.
    virtual INT_PTR DoModal();
    // Creates the dialog modeless (visible when its template says so).
    bool Create(UINT templateId, CWnd* parent = nullptr);
    bool CreateIndirect(const DialogTemplate& resource, CWnd* parent = nullptr);
    void EndDialog(int result);
    bool IsModal() const { return m_modal; }
    UINT GetTemplateId() const { return m_templateId; }

    // Moves data between the controls and the members (DoDataExchange); false when a
    // value failed validation (the user was told, the control has the focus).
    bool UpdateData(bool saveAndValidate = true);

    // Enter, Esc and Tab as a dialog handles them; true when the message was used.
    bool IsDialogMessage(MSG& msg);
    void NextDlgCtrl(bool previous = false);
    void GotoDlgCtrl(CWnd* control);
    // The default push button's id (IDOK unless a template button says otherwise).
    int GetDefID() const;

    // Every WM_COMMAND is first sent to `target` (a child that claims commands, through its
    // window procedure, so a derived control's own handling sees it); only what it does not
    // handle (answers 0) reaches the dialog's own handlers.
    void RouteCommandsTo(CWnd* target) { m_commandRoutes.push_back(target); }

    bool PreTranslateMessage(MSG& msg) override;
    bool OnCmdMsg(UINT id, int code) override;

protected:
    bool OnCommand(WPARAM wParam, LPARAM lParam) override;
    virtual BOOL OnInitDialog();
    virtual void DoDataExchange(CDataExchange*) {}
    virtual void OnOK();
    virtual void OnCancel();
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnClose() override;

    UINT m_templateId;
    CWnd* m_pParentWnd;

private:
    bool createFromTemplate(const DialogTemplate& resource, CWnd* parent, bool modal);
    const DialogTemplate* findTemplate(UINT id) const;

    bool m_modal = false;
    bool m_ended = false;
    int m_nModalResult = -1;
    std::vector<CWnd*> m_commandRoutes;
};

} // namespace zn::ui
