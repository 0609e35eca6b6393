#include "dtext/DTextDlg.h"

#include <cmath>
#include <numbers>

#include "dtext/AlignmentGrid.h"
#include "dtext/JustifyDlg.h"
#include "dtext/LineInterval.h"
#include "host/Services.h"
#include "host/SiblingModules.h"
#include "module/ModuleIds.h"
#include "platform/loader/Loader.h"
#include "platform/ui/Button.h"
#include "platform/ui/Input.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/PlatformStrings.h"
#include "resources/ResourceIds.h"
#include "resources/StringTable.h"

namespace dtext {

using namespace zn::ui;

namespace {

constexpr const char16_t* kHelpTopic = u"ZNS_HELP_DTEXT";
constexpr int kSpecifyLocationImage = 71;
constexpr int kSymbolImage = 46;
constexpr int kNotebookImage = 189;
// The notebook's mode flag for RTF transfers.
constexpr std::uint32_t kNotebookRtfTransfer = 0x08;
constexpr int kCalculatorImage = 325;
constexpr int kHelpImage = 0;
constexpr UINT kColorComboOptions = 15;
// Notification a picture gives its parent when clicked.
constexpr int STN_CLICKED = 0;

// The buttons stand this far below the last field and this far apart.
constexpr int kButtonsGap = 15;
constexpr int kButtonSpacing = 5;
constexpr int kBottomMargin = 7;

double degrees(double radians) {
    return radians * 180.0 / std::numbers::pi;
}

double radians(double degrees) {
    return degrees * std::numbers::pi / 180.0;
}

double roundTo(double value, double step) {
    return std::round(value / step) * step;
}

// The angle of a vector in the drawing plane, in degrees, in (-180, 180].
double angleOf(const ZnsPoint3& direction) {
    double angle = degrees(std::atan2(direction.y, direction.x));
    return angle <= -180.0 ? angle + 360.0 : angle;
}

ZnsStringW angleText(const ZnsDTextRecord& record) {
    return zn::format("%g", roundTo(angleOf(record.direction), 0.01));
}

ZnsStringW heightText(const ZnsDTextRecord& record) {
    return zn::format("%g", record.height);
}

// The style's own slant stands for itself as the style gives it.
ZnsStringW obliqueText(const ZnsDTextRecord& record) {
    double oblique = record.oblique;
    if (oblique == kZnsStyleOblique)
        oblique = gpZnStyleManager ? gpZnStyleManager->GetTextStyleOblique(record.style) : 0.0;
    return zn::format("%g", roundTo(degrees(oblique), 0.0001));
}

} // namespace

LRESULT CAlignmentPicture::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_LBUTTONUP && GetParent())
        GetParent()->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), STN_CLICKED),
                                 LPARAM(m_hWnd));
    return CStatic::WindowProc(message, wParam, lParam);
}

CDTextDlg::CDTextDlg(CWnd* parent)
    : CxDialog(res::IDD_DTEXT, parent), m_state(DTextState::Defaults()),
      m_textSink(ZnPtr<CDTextTextSink>::Adopt(new CDTextTextSink(*this))) {
    OnCommandId(ID_CALCULATOR, [this] { openCalculator(); });
    OnCommandId(ID_NOTEBOOK, [this] { openNotebook(); });
    // The toolbar's button and the text line's context menu ask for the same picker.
    OnCommandId(ID_INSERT_SYMBOL, [this] { insertSymbol(); });
    OnCommandId(ID_FT_SYMBOL, [this] { insertSymbol(); });
    OnCommandId(IDC_SPECIFY_LOCATION, [this] { Pick(true); });
    OnCommandId(IDC_ADD, [this] { Add(); });
    OnCommandId(IDC_FULL_MODE, [this] {
        if (ReadBack())
            setFullMode(!m_state.fullMode);
    });
    OnCommandId(ID_HELP, [this] { OnHelpCall(); });
    OnCommandId(IDC_FIT, [this] { showAlignment(); });
    OnCommandRange(IDC_ALIGN_FIRST, IDC_ALIGN_FIRST + 8,
                   [this](UINT) { CheckDlgButton(IDC_FIT, 0); });
    OnCommandId(IDC_ALIGN_PICTURE, [this] { chooseAlignment(); });
}

CDTextDlg::~CDTextDlg() {
    m_textSink->Detach();
}

void CDTextDlg::EditObject(IZnSingleLineText& object, std::int32_t color) {
    m_editedRecord = object.GetRecord();
    m_editedColor = color;
    m_editedId = object.GetId();
    m_originPicked = true;
}

BOOL CDTextDlg::OnInitDialog() {
    CxDialog::OnInitDialog();
    if (gpZnContext)
        gpZnContext->DialogOpened(m_hWnd);
    if (ZnPtr<IZnSettingsSection> settings = OpenDTextSettings())
        m_state.Load(*settings, !m_editedRecord);
    if (m_editedRecord) {
        m_state.record = *m_editedRecord;
        m_state.color = m_editedColor;
    }
    prepareControls();
    fillStyles();
    fillSpacing();
    setFullMode(m_state.fullMode);
    ShowValues();
    GotoDlgCtrl(&m_textLine);
    return FALSE;
}

void CDTextDlg::prepareControls() {
    m_textLine.SubclassDlgItem(IDC_TEXT_LINE, this);
    m_textLine.AllowSymbols();
    m_textLine.AllowSuperscripts();
    m_textLine.AllowSubscripts();
    m_styleCombo.SubclassDlgItem(IDC_TEXT_STYLE, this);
    m_colorCombo.SubclassDlgItem(IDC_COLOR, this);
    m_colorCombo.Init(COLORREF(m_state.color), kColorComboOptions);
    m_spacingCombo.SubclassDlgItem(IDC_SPACING_TYPE, this);
    m_intervalCombo.SubclassDlgItem(IDC_INTERVAL, this);
    m_picture.SubclassDlgItem(IDC_ALIGN_PICTURE, this);
    ShowAlignmentPicture(*this, IDC_ALIGN_PICTURE);
    if (auto* location = dynamic_cast<CButton*>(GetDlgItem(IDC_SPECIFY_LOCATION)))
        location->SetImageNumber(kSpecifyLocationImage);
    if (m_toolBar.Create(this, IDC_TOOLBAR_PLACE)) {
        m_toolBar.AddButton(ID_INSERT_SYMBOL, kSymbolImage);
        m_toolBar.AddButton(ID_NOTEBOOK, kNotebookImage);
        m_toolBar.AddButton(ID_CALCULATOR, kCalculatorImage);
        m_toolBar.AddSeparator();
        m_toolBar.AddButton(ID_HELP, kHelpImage);
        m_toolBar.UpdatePosition();
    }
}

// The host's styles; the record keeps its style when the drawing has it, else takes the
// current style, else the first.
void CDTextDlg::fillStyles() {
    ZnsArray<ZnsStringW> styles;
    if (gpZnStyleManager)
        styles = gpZnStyleManager->GetTextStyles();
    for (const ZnsStringW& style : styles)
        m_styleCombo.AddString(style);
    ZnsStringW& chosen = m_state.record.style;
    if (!chosen.empty() && m_styleCombo.FindStringExact(-1, chosen) >= 0)
        return;
    if (gpZnStyleManager)
        chosen = gpZnStyleManager->GetCurrentTextStyle();
    if ((chosen.empty() || m_styleCombo.FindStringExact(-1, chosen) < 0) && !styles.empty())
        chosen = styles.front();
}

void CDTextDlg::fillSpacing() {
    m_spacingCombo.AddString(res::LoadStringW(IDS_SPACING_AT_LEAST));
    m_spacingCombo.AddString(res::LoadStringW(IDS_SPACING_EXACTLY));
    for (double factor : {1.0, 1.5, 2.0})
        m_intervalCombo.AddString(FormatLineInterval(factor));
}

void CDTextDlg::ShowValues() {
    if (!GetSafeHwnd())
        return;
    const ZnsDTextRecord& record = m_state.record;
    m_textLine.SetSel(0, -1);
    m_textLine.ReplaceSel(u"", false);
    m_textLine.GetTextConverter()->InsertFormattedText(record.text);
    m_textLine.SetSel(0, -1);
    SetDlgItemTextW(IDC_ANGLE, angleText(record));
    SetDlgItemTextW(IDC_HEIGHT, heightText(record));
    m_styleCombo.SelectString(-1, record.style);
    SetDlgItemTextW(IDC_OBLIQUE, obliqueText(record));
    CheckDlgButton(IDC_FIT, record.width != 0 ? 1 : 0);
    showAlignment();
    m_spacingCombo.SelectString(-1, m_state.spacingType);
    ZnsStringW interval = FormatLineInterval(m_state.spacingFactor);
    int entry = m_intervalCombo.FindStringExact(-1, interval);
    if (entry < 0)
        entry = m_intervalCombo.AddString(interval);
    m_intervalCombo.SetCurSel(entry);
    m_colorCombo.SetColor(COLORREF(m_state.color));
}

// Fit clears the nine buttons; without it the record's alignment point is checked.
void CDTextDlg::showAlignment() {
    if (IsDlgButtonChecked(IDC_FIT))
        ClearAlignment(*this, IDC_ALIGN_FIRST);
    else
        CheckAlignment(*this, IDC_ALIGN_FIRST, m_state.record.verticalAlignment,
                       m_state.record.horizontalAlignment);
}

void CDTextDlg::refuse(int id, const ZnsStringW& oldValue) {
    AfxMessageBox(res::LoadStringW(kIdsParseReal), MB_OK | MB_ICONEXCLAMATION);
    SetDlgItemTextW(id, oldValue);
    if (CWnd* field = GetDlgItem(id))
        GotoDlgCtrl(field);
}

bool CDTextDlg::ReadBack() {
    if (!GetSafeHwnd())
        return true;
    ZnsDTextRecord& record = m_state.record;
    // Every number is checked before anything changes, so a refusal leaves the state whole.
    auto angle = ParseDecimal(GetDlgItemTextW(IDC_ANGLE));
    if (!angle) {
        refuse(IDC_ANGLE, angleText(record));
        return false;
    }
    auto height = ParseDecimal(GetDlgItemTextW(IDC_HEIGHT));
    if (!height) {
        refuse(IDC_HEIGHT, heightText(record));
        return false;
    }
    auto oblique = ParseDecimal(GetDlgItemTextW(IDC_OBLIQUE));
    if (!oblique) {
        refuse(IDC_OBLIQUE, obliqueText(record));
        return false;
    }
    auto factor = ParseLineInterval(m_intervalCombo.GetWindowTextW());
    if (!factor) {
        refuse(IDC_INTERVAL, FormatLineInterval(m_state.spacingFactor));
        return false;
    }

    record.text = m_textLine.GetText();
    zn::replaceAll(record.text, u"\r", u"\\P");
    double turn = std::fmod(*angle, 360.0);
    record.direction = {std::cos(radians(turn)), std::sin(radians(turn)), 0};
    record.height = *height;
    if (int style = m_styleCombo.GetCurSel(); style >= 0)
        record.style = m_styleCombo.GetLBText(style);
    record.oblique = radians(*oblique);
    m_state.color = std::int32_t(m_colorCombo.GetColor());
    if (IsDlgButtonChecked(IDC_FIT)) {
        record.horizontalAlignment = 0;
        record.verticalAlignment = 2;
        record.width = m_state.measuredWidth;
        if (record.width == 0) {
            ZnsDTextRecord unfitted = record;
            unfitted.width = 0;
            ZnsArray<ZnsDTextRecord> lines;
            ZnsTextFrame frame;
            if (split(unfitted, lines, frame))
                record.width = std::hypot(frame.xAxis.x, frame.xAxis.y);
        }
    } else {
        record.width = 0;
        ReadAlignment(*this, IDC_ALIGN_FIRST, record.verticalAlignment, record.horizontalAlignment);
    }
    if (int type = m_spacingCombo.GetCurSel(); type >= 0)
        m_state.spacingType = m_spacingCombo.GetLBText(type);
    m_state.spacingFactor = *factor;
    record.reservedInteger = 0;
    record.reservedDouble = 0;
    return true;
}

// Leaving the interval, the angle or the oblique field shows what was understood.
bool CDTextDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    int id = LOWORD(wParam);
    int code = HIWORD(wParam);
    bool leftField = (id == IDC_INTERVAL && code == CBN_KILLFOCUS) ||
                     ((id == IDC_ANGLE || id == IDC_OBLIQUE) && code == EN_KILLFOCUS);
    if (leftField && !InEditorCommand()) {
        if (ReadBack())
            ShowValues();
        return true;
    }
    return CxDialog::OnCommand(wParam, lParam);
}

void CDTextDlg::setFullMode(bool full) {
    m_state.fullMode = full;
    const std::vector<int> compact = {IDC_TEXT_LINE, IDC_TOOLBAR_PLACE, IDC_FULL_MODE, IDC_ADD,
                                      IDOK,          IDCANCEL};
    for (CWnd* child : GetChildren()) {
        bool kept = child == &m_toolBar || std::find(compact.begin(), compact.end(),
                                                     child->GetDlgCtrlID()) != compact.end();
        if (!kept)
            child->ShowWindow(full ? SW_SHOW : SW_HIDE);
    }
    // The toolbar stands on its place; the place itself stays out of sight.
    if (CWnd* place = GetDlgItem(IDC_TOOLBAR_PLACE); place && m_toolBar.GetSafeHwnd())
        place->ShowWindow(SW_HIDE);
    CWnd* above = GetDlgItem(full ? IDC_ANGLE : IDC_TEXT_LINE);
    int top = above ? above->GetRectInParent().bottom + kButtonsGap : 0;
    int left = GetDlgItem(IDC_TEXT_LINE) ? GetDlgItem(IDC_TEXT_LINE)->GetRectInParent().left : 0;
    int bottom = top;
    for (int id : {IDC_FULL_MODE, IDC_ADD, IDOK, IDCANCEL}) {
        CWnd* button = GetDlgItem(id);
        if (!button)
            continue;
        CRect rect = button->GetRectInParent();
        button->MoveWindow(left, top, rect.Width(), rect.Height());
        left += rect.Width() + kButtonSpacing;
        bottom = std::max(bottom, top + rect.Height());
    }
    CRect window = GetWindowRect();
    int frame = window.Height() - GetClientRect().Height();
    SetWindowPos(0, 0, window.Width(), bottom + kBottomMargin + frame, SWP_NOMOVE | SWP_NOZORDER);
    SetDlgItemTextW(IDC_FULL_MODE, full ? u"<<" : u">>");
}

void CDTextDlg::chooseAlignment() {
    CJustifyDlg justify(this);
    justify.m_row = m_state.record.verticalAlignment;
    justify.m_column = m_state.record.horizontalAlignment;
    if (justify.DoModal() != IDOK)
        return;
    m_state.record.verticalAlignment = justify.m_row;
    m_state.record.horizontalAlignment = justify.m_column;
    CheckDlgButton(IDC_FIT, 0);
    showAlignment();
}

void CDTextDlg::insertSymbol() {
    // The symbol library belongs to the host's session: used when loaded, never loaded here.
    auto show = reinterpret_cast<ZnsShowSpecSymbolsFunction>(zn::loader::GetProcAddress(
        zn::loader::GetModuleHandleW(u"znCoreSymbols.dll"), "ZnShowSpecSymbols"));
    if (!show)
        return;
    CPoint cursor = GetCursorPos();
    ZnsStringW symbol = show(m_hWnd, kHelpTopic, nullptr, false, cursor.x, cursor.y);
    if (!symbol.empty())
        ReceiveText(symbol);
}

bool CDTextDlg::ReceiveText(const ZnsStringW& text, std::int32_t format) {
    if (!GetSafeHwnd())
        return false;
    constexpr std::int32_t kRtfTransfer = 2;
    // The notebook hands its RTF to a callback with format 0; the text says what it is.
    if (format == kRtfTransfer || text.starts_with(u"{\\rtf"))
        return bool(m_textLine.StreamInRtf(zn::toUtf8(text), true));
    return m_textLine.GetTextConverter()->InsertFormattedText(text);
}

// The calculator stays open beside the dialog until a pick or the end of the dialog;
// its Insert reaches the text line through the callback.
void CDTextDlg::openCalculator() {
    if (!m_calculator && gpZnObjManager) {
        ZnPtr<IZnObject> object;
        if (FAILED(gpZnObjManager->Create(object.put(), CLSID_ZnCalculator)))
            return;
        m_calculator = ZnQuery<IZnDiviRuveulator>(object.get());
        if (!m_calculator)
            return;
        m_calculator->SetResultSink(m_textSink.get());
    }
    if (m_calculator)
        m_calculator->Show(m_hWnd);
}

// The notebook stays open beside the dialog like the calculator; it hands its selection
// over as RTF, so the text line keeps the formatting.
void CDTextDlg::openNotebook() {
    if (!m_notebook) {
        m_notebook = notebook::NewNotebookObject();
        if (!m_notebook)
            return;
        m_notebook->SetCallback(m_textSink.get());
        m_notebook->SetFlags(kNotebookRtfTransfer);
    }
    if (m_notebook)
        m_notebook->ShowModeless(m_hWnd);
}

void CDTextDlg::releaseTextSources() {
    if (m_notebook) {
        m_notebook->Close();
        m_notebook->SetCallback(nullptr);
        m_notebook.reset();
    }
    if (m_calculator) {
        m_calculator->Close();
        m_calculator->SetResultSink(nullptr);
        m_calculator.reset();
    }
}

void CDTextDlg::storeState() const {
    if (ZnPtr<IZnSettingsSection> settings = OpenDTextSettings())
        m_state.Store(*settings);
}

void CDTextDlg::OnOK() {
    if (!ReadBack())
        return;
    storeState();
    EndDialog(IDOK);
}

void CDTextDlg::OnDestroy() {
    releaseTextSources();
    m_textSink->Detach();
    if (gpZnContext)
        gpZnContext->DialogClosed(m_hWnd);
    CxDialog::OnDestroy();
}

void CDTextDlg::OnHelpCall() {
    if (gpZnContext)
        gpZnContext->ShowHelp(kHelpTopic, m_hWnd);
}

} // namespace dtext
