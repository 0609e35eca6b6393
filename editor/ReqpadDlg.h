// ReqpadDlg: the modal dialog in which a requirements text is written. It hosts the editor
// control with its toolbars, ruler, menu and tooltips, takes the content in, runs modally and
// gives the content, its links, the referenced item numbers and the placement choice back.
// Built without showing a window, it lends its control to conversions and refreshes.
#pragma once

#include <cstdint>
#include <memory>

#include "editor/Reqpad.h"
#include "calculator/ZnCalculator.h"
#include "host/controls/CxDialog.h"
#include "host/controls/CxToolBar.h"
#include "platform/ui/Menu.h"
#include "platform/ui/ToolTip.h"
#include "resources/ResourceIds.h"
#include "ruler/RulerBar.h"

namespace editor {

class ReqpadDlg : public zn::ui::CxDialog {
public:
    static constexpr zn::ui::UINT IDD = res::IDD_REQPAD;

    // End codes in m_result.
    enum : int { kResultPlace = 0, kResultOk = 1, kResultCancel = 2 };

    explicit ReqpadDlg(zn::ui::CWnd* parent = nullptr);
    ~ReqpadDlg() override;

    // What the commands give in before running the dialog.
    void SetContent(const ZnsStringW& text, int kind, const ZnsArray<ZnsLink>* links = nullptr);
    void SetContentKind(int kind) { m_contentKind = kind; }
    // Bits of the insert flags; kAllowPlace also enables the Place button.
    void SetAllowedInserts(std::uint32_t flags) { editor.m_allowedInserts = flags; }
    void SetTitle(const ZnsStringW& title, int tdMode);
    void SetReferencedItems(const ZnsArray<std::int32_t>& numbers);

    // What they take back after the dialog (m_result says how it ended, m_item where the
    // caret stood after OK).
    void GetContent(ZnsStringW& text, ZnsArray<ZnsLink>* links = nullptr) const;
    void GetReferencedItems(ZnsArray<std::int32_t>& numbers) const;

    // The hidden use: the dialog is built and its content loaded with no window shown, so
    // `editor` can be worked on directly; TakeContent reads it back into m_content (in
    // m_contentKind) the way OK does, and CloseHidden takes the windows down again.
    bool CreateHidden(zn::ui::CWnd* parent = nullptr);
    void TakeContent();
    void CloseHidden();

    CReqpad editor;
    ZnsStringW m_content;
    ZnsStringW m_title;
    int m_icon = 101;
    int m_result = kResultCancel;
    int m_contentKind = kContentPlain;
    int m_tdMode = 0;
    int m_item = -1;

protected:
    zn::ui::BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    void OnClose() override;
    void OnDestroy() override;
    void OnSize(zn::ui::UINT type, int cx, int cy) override;
    void OnHelpCall() override;
    zn::ui::LRESULT WindowProc(zn::ui::UINT message, zn::ui::WPARAM wParam,
                               zn::ui::LPARAM lParam) override;
    bool PreTranslateMessage(zn::ui::MSG& msg) override;

    zn::ui::CxToolBar m_mainToolBar;
    zn::ui::CxToolBar m_helpToolBar;
    zn::ui::CxToolBar m_notebookToolBar;
    zn::ui::CToolTipCtrl m_toolTips;
    ruler::CRulerBar m_ruler;
    zn::ui::CMenu m_menu;
    zn::ui::CMenu m_editPopup;

private:
    bool createChildren();
    bool createToolBars();
    void createMenu();
    void addToolTips();
    void readSettings(bool& rulerOn);
    void writeSettings();
    void mapCommands();
    void layout();
    void clear();
    void toggleRuler();
    // Tools > Notepad: the notebook window, transferring into the control.
    void openNotebook();
    void openCalculator();
    void endWith(int result);
    // The host hears that the dialog is about to close, whichever way it ends.
    void notifyClosing();
    void askApplyCorrections();
    void updateStates();

    bool m_hidden = false;
    ZnPtr<IZnDiviRuveulator> m_calculator;
};

} // namespace editor
