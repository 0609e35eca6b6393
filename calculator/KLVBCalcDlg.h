// The calculator window: keypad and expression modes over the calculator engine, the
// precision box and angle switch, copy and paste, the measure field with its unit menu,
// Insert and the caller's arrow group through a dictionary callback, the notebook pane,
// and the thread hooks that give it the keyboard while it is the active window.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "calculator/CalcEngine.h"
#include "calculator/MeasureSystems.h"
#include "host/controls/CxButtonLt.h"
#include "host/controls/CxDialog.h"
#include "notebook/DictionaryCallback.h"
#include "notebook/NoteEmb.h"
#include "notebook/NotebookCallbackDefault.h"
#include "platform/ui/Hooks.h"
#include "platform/ui/Menu.h"

class CKLVBCalcDlg : public zn::ui::CxDialog {
public:
    static constexpr zn::ui::UINT IDD = 102;
    static constexpr zn::ui::UINT IDR_MENU = 130;
    static constexpr int kNotebookPaneWidth = 194;
    static constexpr const char16_t* kSettingsSection = u"ZNSTT";
    static constexpr const char16_t* kHelpTopic = u"ZNS_HELP_DIGI_CALC";

    // `selfDeleting`: a modeless window that deletes itself once its window is gone. The
    // modal calculator of the host command is not, and has no Insert and no arrow group.
    explicit CKLVBCalcDlg(zn::ui::CWnd* parent = nullptr, bool selfDeleting = false);
    ~CKLVBCalcDlg() override;

    // Creates the modeless window owned by `parent`.
    bool CreateModeless(zn::ui::CWnd* parent);

    void SetResultSink(IDictionaryCallback* sink) { m_sink = sink; }
    IDictionaryCallback* GetResultSink() const { return m_sink.get(); }
    // Called once the self-deleting dialog is about to delete itself.
    void SetOnFinalDestroy(std::function<void()> onFinalDestroy) {
        m_onFinalDestroy = std::move(onFinalDestroy);
    }
    // The XML text of the measure systems (the module's own document unless replaced).
    void SetMeasureDocument(ZnsStringW document);

    // The shown text of the current mode without the trailing point and blanks.
    ZnsStringW ResultText() const { return m_engine.ResultText(); }
    // Loads `value` as if it were pasted, sets the title when one is given, enables Insert
    // and shows the caller's group as asked.
    void SetUp(const ZnsStringW& value, const ZnsStringW* title, bool insertEnabled,
               bool groupShown);
    void ShowNotebook(bool shown);
    bool NotebookShown() const { return m_notebookShown; }
    void SetGroupCaption(const ZnsStringW& caption);

    const CCalcEngine& Engine() const { return m_engine; }
    const CMeasureSystems& Measures() const { return m_measures; }
    bool ExpressionMode() const { return m_engine.ExpressionMode(); }
    bool DegreeMode() const { return m_engine.DegreeMode(); }
    // The embedded notebook beside the keypad; its picks are pasted into the calculator.
    notebook::CNoteEmb* NotebookPane() { return &m_notebookPane; }
    bool KeyboardHookInstalled() const { return m_keyboardHook != nullptr; }

protected:
    zn::ui::BOOL OnInitDialog() override;
    void OnOK() override {} // Enter is "=", never the end of the dialog
    void OnCancel() override;
    void OnDestroy() override;
    void PostNcDestroy() override;
    void OnHelpCall() override;
    bool PreTranslateMessage(zn::ui::MSG& msg) override;
    zn::ui::LRESULT WindowProc(zn::ui::UINT message, zn::ui::WPARAM wParam,
                               zn::ui::LPARAM lParam) override;

private:
    void mapCommands();
    void prepareButtons();
    void fillPrecisionBox();
    void createNotebookPane();
    void readSettings();
    void writeSettings();

    // Keys: each button's press goes through the engine and the fields are shown again.
    void press(CalcKey key);
    void takeExpressionEdit();
    void showEngine();
    void copy();
    void paste();
    void insert();
    void navigate(int button);
    void setExpressionMode(bool on);
    void setDegreeMode(bool degrees);
    void setPrecision(int precision);
    void showHelp();

    // Units.
    void showMeasureMenu();
    void measureCommand(int command);

    // The thread hooks and the key table they serve.
    void installHooks();
    void removeHooks();
    void installKeyboardHook();
    void removeKeyboardHook();
    bool onKeyDown(zn::ui::UINT key);
    bool onCharacter(char16_t ch);
    void command(int id);

    CCalcEngine m_engine;
    CMeasureSystems m_measures;
    bool m_selfDeleting;
    bool m_notebookShown = false;
    int m_notebookSelection = 0;
    int m_createdWidth = 0;
    ZnPtr<IDictionaryCallback> m_sink;
    ZnPtr<CNotebookCallbackDefault> m_insertCallback;
    std::function<void()> m_onFinalDestroy;
    std::vector<std::unique_ptr<zn::ui::CxButtonLt>> m_buttons;
    zn::ui::CMenu m_menu;
    notebook::CNoteEmb m_notebookPane;
    zn::ui::HHOOK m_keyboardHook = nullptr;
    zn::ui::HHOOK m_activationHook = nullptr;
};
