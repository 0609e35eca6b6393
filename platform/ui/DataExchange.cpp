// Dialog data exchange and validation.
#include "platform/ui/DataExchange.h"

#include <cmath>

#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/PlatformStrings.h"
#include "platform/ui/Resources.h"
#include "platform/ui/Window.h"

namespace zn::ui {

ZnsStringW FormatString(UINT id, std::initializer_list<std::u16string_view> args) {
    ZnsStringW text = LoadStringW(id);
    int n = 1;
    for (std::u16string_view arg : args)
        zn::replaceAll(text, zn::format("%%%d", n++), arg);
    return text;
}

namespace {

void failWith(CDataExchange* dx, const ZnsStringW& message) {
    AfxMessageBox(message, MB_OK | MB_ICONEXCLAMATION);
    dx->Fail();
}

ZnsStringW numberText(double value) {
    return zn::format("%g", value);
}

} // namespace

CWnd* CDataExchange::PrepareCtrl(int id) {
    m_idLastControl = id;
    return m_pDlgWnd->GetDlgItem(id);
}

void CDataExchange::Fail() {
    CWnd* control = m_pDlgWnd->GetDlgItem(m_idLastControl);
    if (auto* dialog = dynamic_cast<CDialog*>(m_pDlgWnd))
        dialog->GotoDlgCtrl(control);
    else if (control)
        control->SetFocus();
    throw DataExchangeFailure{};
}

void DDX_Text(CDataExchange* dx, int id, ZnsStringW& value) {
    CWnd* control = dx->PrepareCtrl(id);
    if (!control)
        return;
    if (dx->m_bSaveAndValidate)
        value = control->GetWindowTextW();
    else
        control->SetWindowTextW(value);
}

namespace {

// The number typed into `control`; a text that is no number (or, with `integer`, no
// integer) is reported with string `errorId` and fails the exchange.
double typedNumber(CDataExchange* dx, CWnd* control, bool integer) {
    std::string text = zn::toUtf8(zn::trim(control->GetWindowTextW()));
    size_t used = 0;
    double number = text.empty() ? 0 : zn::parseDoubleC(text, &used);
    bool bad = text.empty() || used != text.size() || !std::isfinite(number);
    if (integer)
        bad = bad || number != std::floor(number) || std::fabs(number) > 2147483647.0;
    if (bad)
        failWith(dx, LoadStringW(integer ? kIdsParseInt : kIdsParseReal));
    return number;
}

} // namespace

void DDX_Text(CDataExchange* dx, int id, int& value) {
    CWnd* control = dx->PrepareCtrl(id);
    if (!control)
        return;
    if (dx->m_bSaveAndValidate)
        value = int(typedNumber(dx, control, true));
    else
        control->SetWindowTextW(zn::format("%d", value));
}

void DDX_Text(CDataExchange* dx, int id, double& value) {
    CWnd* control = dx->PrepareCtrl(id);
    if (!control)
        return;
    if (dx->m_bSaveAndValidate)
        value = typedNumber(dx, control, false);
    else
        control->SetWindowTextW(numberText(value));
}

void DDX_Check(CDataExchange* dx, int id, int& value) {
    auto* button = dynamic_cast<CButton*>(dx->PrepareCtrl(id));
    if (!button)
        return;
    if (dx->m_bSaveAndValidate)
        value = button->GetCheck();
    else
        button->SetCheck(value);
}

void DDX_Radio(CDataExchange* dx, int id, int& value) {
    auto* first = dynamic_cast<CButton*>(dx->PrepareCtrl(id));
    if (!first)
        return;
    std::vector<CButton*> group = first->RadioGroup();
    if (dx->m_bSaveAndValidate) {
        value = -1;
        for (size_t i = 0; i < group.size(); ++i)
            if (group[i]->GetCheck())
                value = int(i);
    } else {
        for (size_t i = 0; i < group.size(); ++i)
            group[i]->SetCheck(int(i) == value ? BST_CHECKED : BST_UNCHECKED);
    }
}

void DDX_CBIndex(CDataExchange* dx, int id, int& value) {
    auto* combo = dynamic_cast<CComboBox*>(dx->PrepareCtrl(id));
    if (!combo)
        return;
    if (dx->m_bSaveAndValidate)
        value = combo->GetCurSel();
    else
        combo->SetCurSel(value);
}

void DDX_CBString(CDataExchange* dx, int id, ZnsStringW& value) {
    auto* combo = dynamic_cast<CComboBox*>(dx->PrepareCtrl(id));
    if (!combo)
        return;
    if (dx->m_bSaveAndValidate) {
        value = combo->GetWindowTextW();
    } else if (combo->SelectString(-1, value) == CB_ERR && combo->IsEditable()) {
        combo->SetWindowTextW(value);
    }
}

void DDX_Control(CDataExchange* dx, int id, CWnd& control) {
    if (!control.GetSafeHwnd())
        control.SubclassDlgItem(id, dx->m_pDlgWnd);
}

void DDV_MaxChars(CDataExchange* dx, const ZnsStringW& value, int maxChars) {
    if (dx->m_bSaveAndValidate && int(value.size()) > maxChars)
        failWith(dx, FormatString(kIdsParseStringSize, {zn::format("%d", maxChars)}));
}

void DDV_MinMaxInt(CDataExchange* dx, int value, int minimum, int maximum) {
    if (dx->m_bSaveAndValidate && (value < minimum || value > maximum))
        failWith(dx, FormatString(kIdsParseIntRange,
                                  {zn::format("%d", minimum), zn::format("%d", maximum)}));
}

void DDV_MinMaxDouble(CDataExchange* dx, double value, double minimum, double maximum) {
    if (dx->m_bSaveAndValidate && (value < minimum || value > maximum))
        failWith(dx, FormatString(kIdsParseRealRange, {numberText(minimum), numberText(maximum)}));
}

} // namespace zn::ui
