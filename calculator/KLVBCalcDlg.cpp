#include "calculator/KLVBCalcDlg.h"

#include <optional>

#include "calculator/CalcDlgIds.h"
#include "host/Services.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"

using namespace zn::ui;
using namespace calcdlg;

namespace {

constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlack = RGB(0, 0, 0);

// A button of the window: its look, and the engine key it presses when it is one.
struct KeyButton {
    int id;
    std::optional<CalcKey> key;
    COLORREF colour;
    int image; // 0: a text button
};

const KeyButton kButtons[] = {
    {IDC_DIGIT_0, CalcKey::Digit0, kBlue, 0},
    {IDC_DIGIT_1, CalcKey::Digit1, kBlue, 0},
    {IDC_DIGIT_2, CalcKey::Digit2, kBlue, 0},
    {IDC_DIGIT_3, CalcKey::Digit3, kBlue, 0},
    {IDC_DIGIT_4, CalcKey::Digit4, kBlue, 0},
    {IDC_DIGIT_5, CalcKey::Digit5, kBlue, 0},
    {IDC_DIGIT_6, CalcKey::Digit6, kBlue, 0},
    {IDC_DIGIT_7, CalcKey::Digit7, kBlue, 0},
    {IDC_DIGIT_8, CalcKey::Digit8, kBlue, 0},
    {IDC_DIGIT_9, CalcKey::Digit9, kBlue, 0},
    {IDC_POINT, CalcKey::Point, kBlue, 0},
    {IDC_SIGN, CalcKey::Sign, kBlue, 0},
    {IDC_PI, CalcKey::Pi, kBlue, 0},
    {IDC_SQRT, CalcKey::Sqrt, kBlue, 261},
    {IDC_RECIPROCAL, CalcKey::Reciprocal, kBlue, 0},
    {IDC_EXP, CalcKey::Exp, kBlue, 0},
    {IDC_SIN, CalcKey::Sin, kBlue, 0},
    {IDC_TAN, CalcKey::Tan, kBlue, 0},
    {IDC_COS, CalcKey::Cos, kBlue, 0},
    {IDC_LOG, CalcKey::Log, kBlue, 0},
    {IDC_LN, CalcKey::Ln, kBlue, 0},
    {IDC_DIVIDE, CalcKey::Divide, kRed, 0},
    {IDC_MULTIPLY, CalcKey::Multiply, kRed, 0},
    {IDC_SUBTRACT, CalcKey::Subtract, kRed, 0},
    {IDC_ADD, CalcKey::Add, kRed, 0},
    {IDC_POWER, CalcKey::Power, kRed, 0},
    {IDC_EQUALS, CalcKey::Equals, kRed, 0},
    {IDC_OPEN, CalcKey::Open, kRed, 0},
    {IDC_CLOSE_PAREN, CalcKey::Close, kRed, 0},
    {IDC_CLEAR, CalcKey::Clear, kRed, 0},
    {IDC_CLEAR_ENTRY, CalcKey::ClearEntry, kRed, 0},
    {IDC_BACKSPACE, CalcKey::Backspace, kRed, 0},
    {IDC_INSERT, std::nullopt, kBlack, 0},
    {IDC_CLOSE, std::nullopt, kBlack, 0},
    {IDC_ARROW_UP, std::nullopt, kBlack, 258},
    {IDC_ARROW_LEFT, std::nullopt, kBlack, 256},
    {IDC_ARROW_RIGHT, std::nullopt, kBlack, 257},
    {IDC_ARROW_DOWN, std::nullopt, kBlack, 259},
};

const char16_t* const kPrecisions[] = {u"0",      u"0.0",     u"0.00",    u"0.000",
                                       u"0.0000", u"0.00000", u"0.000000"};

ZnPtr<IZnSettingsSection> settings() {
    ZnPtr<IZnSettingsSection> section;
    if (gpZnContext)
        gpZnContext->OpenSettingsSection(CKLVBCalcDlg::kSettingsSection, section.put());
    return section;
}

ZnsStringW settingKey(const char16_t* name) {
    return ZnsStringW(u"CKLVBCalcDlg.") + name;
}

} // namespace

CKLVBCalcDlg::CKLVBCalcDlg(CWnd* parent, bool selfDeleting)
    : CxDialog(IDD, parent), m_selfDeleting(selfDeleting) {}

CKLVBCalcDlg::~CKLVBCalcDlg() {
    removeHooks();
}

bool CKLVBCalcDlg::CreateModeless(CWnd* parent) {
    m_pParentWnd = parent;
    return Create(IDD, parent);
}

void CKLVBCalcDlg::SetMeasureDocument(ZnsStringW document) {
    m_measures = CMeasureSystems(std::move(document));
    if (m_hWnd)
        SetDlgItemTextW(IDC_MEASURE_NAME, u"");
}

BOOL CKLVBCalcDlg::OnInitDialog() {
    CxDialog::OnInitDialog();
    if (m_menu.LoadMenu(IDR_MENU))
        SetMenu(&m_menu);
    mapCommands();
    SetDlgItemTextW(IDC_DISPLAY, m_engine.Display());
    fillPrecisionBox();
    m_createdWidth = GetWindowRect().Width();
    createNotebookPane();
    readSettings();
    prepareButtons();
    setPrecision(CCalcEngine::kMaxPrecision);
    m_insertCallback = ZnPtr<CNotebookCallbackDefault>::Adopt(
        new CNotebookCallbackDefault(m_pParentWnd ? m_pParentWnd->GetSafeHwnd() : nullptr));
    if (!m_selfDeleting) {
        // The host command's calculator has nobody to insert into and no caller's group.
        SetUp(u"", nullptr, false, false);
    }
    installHooks();
    return TRUE;
}

void CKLVBCalcDlg::mapCommands() {
    for (const KeyButton& button : kButtons)
        if (std::optional<CalcKey> key = button.key)
            OnCommandId(UINT(button.id), [this, key] { press(*key); });
    OnCommandId(IDC_INSERT, [this] { insert(); });
    OnCommandId(IDC_CLOSE, [this] { PostMessage(WM_CLOSE); });
    OnCommandRange(IDC_ARROW_UP, IDC_ARROW_DOWN, [this](UINT id) { navigate(int(id)); });
    OnCommandId(IDC_NOTEBOOK_TOGGLE, [this] { ShowNotebook(!m_notebookShown); });
    OnCommandId(ID_VIEW_NOTEBOOK, [this] { ShowNotebook(!m_notebookShown); });
    OnCommandId(IDC_DEGREES, [this] { setDegreeMode(true); });
    OnCommandId(IDC_RADIANS, [this] { setDegreeMode(false); });
    OnCommandId(ID_VIEW_DEGREES, [this] { setDegreeMode(true); });
    OnCommandId(ID_VIEW_RADIANS, [this] { setDegreeMode(false); });
    OnCommandId(ID_VIEW_EXPRESSION, [this] { setExpressionMode(!m_engine.ExpressionMode()); });
    OnCommandId(ID_EDIT_COPY, [this] { copy(); });
    OnCommandId(ID_EDIT_PASTE, [this] { paste(); });
    OnCommandId(ID_HELP_TOPICS, [this] { showHelp(); });
    OnCommandId(IDC_MEASURE_MENU, [this] { showMeasureMenu(); });
    OnCommandRange(CMeasureSystems::kCmdChangeMeasureSystem, kLastMeasureCommand,
                   [this](UINT id) { measureCommand(int(id)); });
    OnCommandId(IDC_PRECISION, [this] {
        if (auto* box = dynamic_cast<CComboBox*>(GetDlgItem(IDC_PRECISION)))
            setPrecision(box->GetCurSel());
    });
}

void CKLVBCalcDlg::prepareButtons() {
    auto subclass = [this](const KeyButton& button) {
        auto control = std::make_unique<CxButtonLt>();
        if (!control->SubclassDlgItem(button.id, this))
            return;
        control->SetTextColor(button.colour);
        control->SetNoFocus();
        if (button.image)
            control->SetImage(button.image);
        m_buttons.push_back(std::move(control));
    };
    for (const KeyButton& button : kButtons)
        subclass(button);
}

void CKLVBCalcDlg::fillPrecisionBox() {
    auto* box = dynamic_cast<CComboBox*>(GetDlgItem(IDC_PRECISION));
    if (!box)
        return;
    box->ResetContent();
    for (const char16_t* text : kPrecisions)
        box->AddString(text);
}

void CKLVBCalcDlg::createNotebookPane() {
    // Shown only with the notebook; without a callback of its own the pane pastes its picks
    // into this window, where they arrive as any paste does.
    if (m_notebookPane.CreatePane(this, IDC_NOTEBOOK_PANE))
        m_notebookPane.ShowWindow(SW_HIDE);
}

void CKLVBCalcDlg::readSettings() {
    bool notebook = false, degrees = true, expression = false;
    if (ZnPtr<IZnSettingsSection> section = settings()) {
        notebook = section->GetInt(settingKey(u"NoteBook"), 0) != 0;
        degrees = section->GetInt(settingKey(u"Degrees"), 1) != 0;
        m_notebookSelection = section->GetInt(settingKey(u"NBookSel"), 0);
        expression = section->GetInt(settingKey(u"EditMode"), 0) != 0;
    }
    if (m_notebookPane.GetSafeHwnd())
        m_notebookPane.SetSelection(m_notebookSelection);
    ShowNotebook(notebook);
    setDegreeMode(degrees);
    if (expression)
        setExpressionMode(true);
}

void CKLVBCalcDlg::writeSettings() {
    ZnPtr<IZnSettingsSection> section = settings();
    if (!section)
        return;
    // A notebook without tables chooses none; the stored choice waits for them.
    if (m_notebookPane.GetSelection() >= 0)
        m_notebookSelection = m_notebookPane.GetSelection();
    section->WriteInt(settingKey(u"NoteBook"), m_notebookShown ? 1 : 0);
    section->WriteInt(settingKey(u"Degrees"), m_engine.DegreeMode() ? 1 : 0);
    section->WriteInt(settingKey(u"NBookSel"), m_notebookSelection);
    section->WriteInt(settingKey(u"EditMode"), m_engine.ExpressionMode() ? 1 : 0);
}

void CKLVBCalcDlg::OnCancel() {
    if (IsModal())
        EndDialog(IDCANCEL);
    else
        DestroyWindow();
}

void CKLVBCalcDlg::OnDestroy() {
    removeHooks();
    if (m_sink)
        m_sink->WindowClosed(m_hWnd);
    writeSettings();
    CxDialog::OnDestroy();
}

void CKLVBCalcDlg::PostNcDestroy() {
    if (!m_selfDeleting)
        return;
    if (m_onFinalDestroy)
        m_onFinalDestroy();
    delete this;
}

LRESULT CKLVBCalcDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    // What the notebook pane hands over arrives as a paste.
    if (message == WM_PASTE) {
        paste();
        return 0;
    }
    return CxDialog::WindowProc(message, wParam, lParam);
}

void CKLVBCalcDlg::OnHelpCall() {
    showHelp();
}

void CKLVBCalcDlg::showHelp() {
    if (gpZnContext)
        gpZnContext->ShowHelp(kHelpTopic, this);
}

void CKLVBCalcDlg::SetUp(const ZnsStringW& value, const ZnsStringW* title, bool insertEnabled,
                         bool groupShown) {
    if (title)
        SetWindowTextW(*title);
    if (!value.empty()) {
        takeExpressionEdit();
        m_engine.Paste(value);
        showEngine();
    }
    if (CWnd* insertButton = GetDlgItem(IDC_INSERT))
        insertButton->EnableWindow(insertEnabled);
    if (CWnd* group = GetDlgItem(IDC_GROUP))
        group->ShowWindow(groupShown ? SW_SHOW : SW_HIDE);
    for (int id = IDC_ARROW_UP; id <= IDC_ARROW_DOWN; ++id)
        if (CWnd* arrow = GetDlgItem(id))
            arrow->EnableWindow(groupShown);
}

void CKLVBCalcDlg::SetGroupCaption(const ZnsStringW& caption) {
    SetDlgItemTextW(IDC_GROUP, caption);
}

void CKLVBCalcDlg::ShowNotebook(bool shown) {
    m_notebookShown = shown;
    CRect window = GetRectInParent();
    const int width = m_createdWidth + (shown ? kNotebookPaneWidth : 0);
    MoveWindow(window.left, window.top, width, window.Height());
    if (m_notebookPane.GetSafeHwnd()) {
        const int oldEdge = m_createdWidth;
        const CRect client = GetClientRect();
        m_notebookPane.MoveWindow(
            CRect{oldEdge - 4, client.top + 7, oldEdge + 196, client.bottom - 7});
        m_notebookPane.ShowWindow(shown ? SW_SHOW : SW_HIDE);
    }
    SetDlgItemTextW(IDC_NOTEBOOK_TOGGLE, shown ? u"<<" : u">>");
    m_menu.CheckMenuItem(ID_VIEW_NOTEBOOK, MF_BYCOMMAND | (shown ? MF_CHECKED : 0));
}

void CKLVBCalcDlg::press(CalcKey key) {
    takeExpressionEdit();
    m_engine.Press(key);
    showEngine();
}

// The user may have typed into the expression edit since the last key: the engine works
// on what the edit holds, with the selection taken out and the caret where it was.
void CKLVBCalcDlg::takeExpressionEdit() {
    if (!m_engine.ExpressionMode())
        return;
    auto* edit = dynamic_cast<CEdit*>(GetDlgItem(IDC_EXPRESSION));
    if (!edit)
        return;
    int start = 0, end = 0;
    edit->GetSel(start, end);
    ZnsStringW text = edit->GetWindowTextW();
    start = std::clamp(start, 0, int(text.size()));
    end = std::clamp(end, start, int(text.size()));
    text.erase(size_t(start), size_t(end - start));
    m_engine.SetExpressionText(std::move(text), size_t(start));
}

void CKLVBCalcDlg::showEngine() {
    SetDlgItemTextW(IDC_DISPLAY, m_engine.Display());
    SetDlgItemTextW(IDC_EXPRESSION_RESULT, m_engine.ExpressionResult());
    if (!m_engine.ExpressionMode())
        return;
    if (auto* edit = dynamic_cast<CEdit*>(GetDlgItem(IDC_EXPRESSION))) {
        if (edit->GetWindowTextW() != m_engine.ExpressionText())
            edit->SetWindowTextW(m_engine.ExpressionText());
        const int caret = int(m_engine.ExpressionCaret());
        edit->SetSel(caret, caret);
        edit->SetFocus();
    }
}

void CKLVBCalcDlg::setExpressionMode(bool on) {
    m_engine.SetExpressionMode(on);
    CWnd* edit = GetDlgItem(IDC_EXPRESSION);
    CWnd* result = GetDlgItem(IDC_EXPRESSION_RESULT);
    if (!edit || !result)
        return;
    if (on) {
        const CRect editRect = edit->GetRectInParent();
        const CRect resultRect = result->GetRectInParent();
        result->MoveWindow(editRect.right + 20, resultRect.top, resultRect.Width(),
                           resultRect.Height());
    }
    const int expressionShow = on ? SW_SHOW : SW_HIDE;
    edit->ShowWindow(expressionShow);
    result->ShowWindow(expressionShow);
    if (CWnd* label = GetDlgItem(IDC_EXPRESSION_LABEL))
        label->ShowWindow(expressionShow);
    if (CWnd* display = GetDlgItem(IDC_DISPLAY))
        display->ShowWindow(on ? SW_HIDE : SW_SHOW);
    for (int id : {IDC_CLEAR_ENTRY, IDC_BACKSPACE})
        if (CWnd* button = GetDlgItem(id))
            button->EnableWindow(!on);
    m_menu.CheckMenuItem(ID_VIEW_EXPRESSION, MF_BYCOMMAND | (on ? MF_CHECKED : 0));
    if (on) {
        m_engine.SetExpressionText(edit->GetWindowTextW());
        edit->SetFocus();
    } else {
        SetDlgItemTextW(IDC_EXPRESSION, u"");
        SetFocus();
    }
    showEngine();
}

void CKLVBCalcDlg::setDegreeMode(bool degrees) {
    m_engine.SetDegreeMode(degrees);
    m_menu.CheckMenuItem(ID_VIEW_DEGREES, MF_BYCOMMAND | (degrees ? MF_CHECKED : 0));
    m_menu.CheckMenuItem(ID_VIEW_RADIANS, MF_BYCOMMAND | (degrees ? 0 : MF_CHECKED));
    CheckRadioButton(IDC_DEGREES, IDC_RADIANS, degrees ? IDC_DEGREES : IDC_RADIANS);
}

void CKLVBCalcDlg::setPrecision(int precision) {
    if (auto* box = dynamic_cast<CComboBox*>(GetDlgItem(IDC_PRECISION)))
        box->SetCurSel(precision);
    m_engine.SetPrecision(precision);
    showEngine();
}

void CKLVBCalcDlg::copy() {
    const bool resultFocused =
        m_engine.ExpressionMode() && GetFocus() == GetDlgItem(IDC_EXPRESSION_RESULT);
    takeExpressionEdit();
    SetClipboardText(this, m_engine.CopyText(resultFocused));
}

void CKLVBCalcDlg::paste() {
    std::optional<ZnsStringW> text = GetClipboardText();
    if (!text)
        return;
    takeExpressionEdit();
    m_engine.Paste(*text);
    showEngine();
}

void CKLVBCalcDlg::insert() {
    const ZnsStringW result = ResultText();
    if (m_insertCallback)
        m_insertCallback->ReceiveText(result, 1);
    if (m_sink)
        m_sink->ReceiveText(result, 1);
}

void CKLVBCalcDlg::navigate(int button) {
    if (!m_sink)
        return;
    const int direction = button == IDC_ARROW_LEFT    ? 1
                          : button == IDC_ARROW_RIGHT ? 2
                          : button == IDC_ARROW_UP    ? 4
                                                      : 8;
    m_sink->Navigate(direction);
    ZnsStringW caption;
    if (SUCCEEDED(m_sink->FillCaption(&caption)))
        SetGroupCaption(caption);
}
