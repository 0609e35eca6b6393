// The special inserts of the control: fractions and tolerance fields, raised and lowered
// text, and the insert commands with their pickers.
#include "editor/ErrorTrace.h"
#include "editor/FracDlg.h"
#include "editor/References.h"
#include "editor/Reqpad.h"
#include "host/ClassIds.h"
#include "host/Dimension.h"
#include "host/Services.h"
#include "host/SiblingModules.h"
#include "host/controls/CxDialog.h"
#include "module/ModuleState.h"
#include "module/SpecificationAccess.h"
#include "module/TTManager.h"
#include "platform/ui/Input.h"
#include "platform/ui/MessageBox.h"
#include "resources/ResourceIds.h"

namespace editor {

using zn::richedit::CharFormat;

namespace {

constexpr size_t kPickerTextLimit = 255;

ZnsStringW limited(ZnsStringW text) {
    if (text.size() > kPickerTextLimit)
        text.resize(kPickerTextLimit);
    return text;
}

// The owner hides while the user picks on the drawing, and shows again after.
class EditorCommandScope {
public:
    explicit EditorCommandScope(zn::ui::CWnd* owner)
        : m_dialog(dynamic_cast<zn::ui::CxDialog*>(owner)) {
        if (m_dialog)
            m_dialog->BeginEditorCommand();
    }
    ~EditorCommandScope() {
        if (m_dialog)
            m_dialog->CompleteEditorCommand();
    }
    EditorCommandScope(const EditorCommandScope&) = delete;
    EditorCommandScope& operator=(const EditorCommandScope&) = delete;

private:
    zn::ui::CxDialog* m_dialog;
};

} // namespace

CharFormat CReqpad::ScriptFormat(bool raised) const {
    CharFormat defaults = DefaultFormat();
    CharFormat format;
    format.mask = zn::richedit::CFM_SIZE | zn::richedit::CFM_OFFSET | zn::richedit::CFM_COLOR;
    format.height = defaults.height * 3 / 4;
    format.offset = raised ? defaults.height * 4 / 9 : -(defaults.height * 4 / 9);
    format.color = defaults.color;
    if (raised)
        format.mask |= zn::richedit::CFM_BOLD | zn::richedit::CFM_PROTECTED;
    return format;
}

void CReqpad::InsertFraction(const ZnsStringW& numerator, const ZnsStringW& denominator,
                             bool withBar, const ZnsStringW* prefix) {
    TakeUndoSnapshot();
    InternalChange guard(*this);
    if (GetSelStart() != GetSelEnd())
        ReplaceSel(u"");
    CharFormat colour;
    colour.mask = zn::richedit::CFM_COLOR;
    colour.color = m_textColor;
    SetSelectionCharFormat(colour);
    CommonText();
    if (prefix && !prefix->empty())
        ReplaceSel(*prefix + u" ");
    SetSelectionCharFormat(ScriptFormat(true));
    ReplaceSel(numerator);
    if (withBar) {
        CommonText();
        ReplaceSel(u"|");
    }
    SetSelectionCharFormat(ScriptFormat(false));
    ReplaceSel(denominator);
    CommonText();
}

void CReqpad::ToggleScript(bool raised) {
    InternalChange guard(*this);
    if (raised ? IsRaised() : IsLowered())
        CommonText();
    else
        SetSelectionCharFormat(ScriptFormat(raised));
}

bool CReqpad::IsRaised() const {
    CharFormat format = GetSelectionCharFormat();
    return (format.mask & zn::richedit::CFM_OFFSET) && format.offset >= 1;
}

bool CReqpad::IsLowered() const {
    CharFormat format = GetSelectionCharFormat();
    return (format.mask & zn::richedit::CFM_OFFSET) && format.offset <= -1;
}

bool CReqpad::IsInsertAllowed(UINT id) const {
    std::uint32_t bit = 0;
    switch (id) {
    case ID_INSERT_POSITION:
        bit = kAllowPosition;
        break;
    case ID_INSERT_VIEW:
        bit = kAllowView;
        break;
    case ID_INSERT_MATERIAL:
        bit = kAllowMaterial;
        break;
    case ID_INSERT_TOLERANCE:
        bit = kAllowTolerance;
        break;
    case ID_INSERT_FRACTION:
        bit = kAllowFraction;
        break;
    case ID_SHOW_FIRST_LIST:
        bit = kAllowFirstList;
        break;
    case ID_INSERT_SYMBOL:
        bit = kAllowSymbol;
        break;
    case zn::ui::ID_FT_HYPERLINK:
        bit = kAllowHyperlink;
        break;
    case zn::ui::ID_FT_SUPERSCRIPT:
    case zn::ui::ID_FT_SUBSCRIPT:
        bit = kAllowScripts;
        break;
    default:
        return false;
    }
    return (m_allowedInserts & bit) != 0;
}

bool CReqpad::OnInsertCommand(UINT id) {
    switch (id) {
    case ID_INSERT_SYMBOL:
    case ID_INSERT_FRACTION:
    case ID_INSERT_TOLERANCE:
    case ID_INSERT_POSITION:
    case ID_INSERT_VIEW:
    case ID_INSERT_MATERIAL:
        break;
    default:
        return false;
    }
    if (!IsInsertAllowed(id) || !SelectionEditable())
        return true;
    switch (id) {
    case ID_INSERT_SYMBOL:
        InsertSymbol();
        break;
    case ID_INSERT_FRACTION:
        InsertFractionFromDialog();
        break;
    case ID_INSERT_TOLERANCE:
        InsertTolerance();
        break;
    case ID_INSERT_POSITION:
        InsertPosition();
        break;
    case ID_INSERT_VIEW:
        InsertView();
        break;
    case ID_INSERT_MATERIAL:
        InsertMaterial();
        break;
    }
    UpdateInterface();
    return true;
}

void CReqpad::InsertSymbol() {
    // The symbol library belongs to the host's session: used when loaded, never loaded here.
    auto show = reinterpret_cast<ZnsShowSpecSymbolsFunction>(zn::loader::GetProcAddress(
        zn::loader::GetModuleHandleW(u"znCoreSymbols.dll"), "ZnShowSpecSymbols"));
    if (!show)
        return;
    zn::ui::CPoint cursor = zn::ui::GetCursorPos();
    ZnsStringW symbol = show(this, u"ZNS_HELP_TT", nullptr, false, cursor.x, cursor.y);
    if (symbol.empty())
        return;
    TakeUndoSnapshot();
    zn::ui::IZnTextConverter* converter = GetTextConverter();
    REQPAD_RETERRIF(!converter, "!pTC", );
    InternalChange guard(*this);
    ResetSelectionToDefault();
    converter->InsertFormattedText(symbol);
}

void CReqpad::InsertFractionFromDialog() {
    int start = 0, end = 0;
    GetSel(start, end);
    CFracDlg dialog(this);
    dialog.m_withBar = 1; // a fraction has its bar unless the selected form says otherwise
    dialog.PresetFromSelection(*this);
    if (dialog.DoModal() != zn::ui::IDOK) {
        SetSel(start, end); // the preset may have widened it to the whole form
        return;
    }
    InsertFraction(dialog.m_numerator, dialog.m_denominator, dialog.m_withBar != 0, nullptr);
}

void CReqpad::InsertTolerance() {
    auto select = reinterpret_cast<ZnsSelectFitsDlgFunction>(
        module::SiblingFunction(u"VornCtl.dll", "SelectFitsDlg", module::ModuleInstance()));
    if (!select) {
        zn::ui::AfxMessageBox(res::IDS_CONTROLS_NOT_LOADED, zn::ui::MB_OK | zn::ui::MB_ICONERROR);
        return;
    }
    ZnPtr<IZnDimension> dimension = ZnCreate<IZnDimension>(CLSID_ZnDimension);
    REQPAD_RETERRIF(!dimension, "!pDim", );
    dimension->SetNominal(10.0);
    dimension->SetText(u"10");
    if (select(dimension.get(), this) != 0)
        return;
    ZnsStringW fit = limited(dimension->GetFitText());
    InsertFraction(limited(dimension->GetUpperDeviation()),
                   limited(dimension->GetLowerDeviation()), false, &fit);
}

void CReqpad::InsertMaterial() {
    auto select = reinterpret_cast<ZnsSelectMaterialDlgFunction>(
        module::SiblingFunction(u"VornCtl.dll", "SelectMaterialDlg", module::ModuleInstance()));
    if (!select) {
        zn::ui::AfxMessageBox(res::IDS_CONTROLS_NOT_LOADED, zn::ui::MB_OK | zn::ui::MB_ICONERROR);
        return;
    }
    // The picker starts from the designation the selection holds.
    int start = 0, end = 0;
    GetSel(start, end);
    CFracDlg form;
    ZnsStringW name, numerator, denominator;
    if (form.PresetFromSelection(*this, &name)) {
        numerator = form.m_numerator;
        denominator = form.m_denominator;
    } else {
        name = GetSelText();
    }
    if (select(&name, &numerator, &denominator, this) != 0) {
        SetSel(start, end); // the preset may have widened it to the whole designation
        return;
    }
    name = limited(name);
    numerator = limited(numerator);
    denominator = limited(denominator);
    bool stacked = !numerator.empty() || !denominator.empty();
    if (name.empty() && stacked)
        InsertFraction(numerator, denominator, false, nullptr);
    else
        InsertFraction(numerator, denominator, stacked, &name);
}

void CReqpad::InsertPosition() {
    auto select = reinterpret_cast<ZnsSelectPositionRecordFunction>(
        module::SpecificationFunction("SelectPositionRecordFromDlg", module::ModuleInstance()));
    if (!select) {
        zn::ui::AfxMessageBox(res::IDS_SPECIFICATION_NOT_LOADED,
                              zn::ui::MB_OK | zn::ui::MB_ICONERROR);
        return;
    }
    std::int32_t first = -1, second = -1;
    if (!select(module::DocSpecification(), &first, &second))
        return;
    std::int32_t recordId = second != -1 ? second : first;
    InsertSpecReference(recordId, PositionText(recordId));
}

void CReqpad::InsertView() {
    znsWorkID view;
    ZnsStringW designation;
    {
        EditorCommandScope hidden(GetParent());
        CZnsTTManager* manager = AcquireTTManager();
        if (!manager)
            return;
        if (manager->PickLinkedObject(view))
            manager->GetTTInfo(view, designation);
        ReleaseTTManager();
    }
    if (designation.empty())
        return;
    TakeUndoSnapshot();
    zn::ui::IZnTextConverter* converter = GetTextConverter();
    REQPAD_RETERRIF(!converter, "!pTC", );
    InternalChange guard(*this);
    REQPAD_RETERRIF(!converter->InsertObjectLink(GetObject(), designation, zn::ui::kLinkFlagView),
                    "!pLink", );
    int end = GetSelEnd();
    SetSel(end, end);
}

} // namespace editor
