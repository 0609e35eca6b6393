// Dialog data exchange: moving values between controls and members in both directions,
// with the framework's validation messages when a typed value does not fit.
#pragma once

#include "platform/text/ZnsString.h"
#include "platform/ui/Types.h"

namespace zn::ui {

class CWnd;

class CDataExchange {
public:
    CDataExchange(CWnd* dialog, bool saveAndValidate)
        : m_pDlgWnd(dialog), m_bSaveAndValidate(saveAndValidate) {}

    CWnd* PrepareCtrl(int id); // remembers the control for a failure
    // Tells the user nothing more (the caller did), focuses the last control and stops the
    // exchange.
    [[noreturn]] void Fail();

    CWnd* m_pDlgWnd;
    bool m_bSaveAndValidate;
    int m_idLastControl = 0;
};

// Thrown by Fail and caught by UpdateData.
struct DataExchangeFailure {};

void DDX_Text(CDataExchange* dx, int id, ZnsStringW& value);
void DDX_Text(CDataExchange* dx, int id, int& value);
void DDX_Text(CDataExchange* dx, int id, double& value);
void DDX_Check(CDataExchange* dx, int id, int& value);
// `id` is the first radio button of a group; value is the index of the checked one, -1 none.
void DDX_Radio(CDataExchange* dx, int id, int& value);
void DDX_CBIndex(CDataExchange* dx, int id, int& value);
void DDX_CBString(CDataExchange* dx, int id, ZnsStringW& value);
// Makes `control` the window of dialog item `id` (once).
void DDX_Control(CDataExchange* dx, int id, CWnd& control);

void DDV_MaxChars(CDataExchange* dx, const ZnsStringW& value, int maxChars);
void DDV_MinMaxInt(CDataExchange* dx, int value, int minimum, int maximum);
void DDV_MinMaxDouble(CDataExchange* dx, double value, double minimum, double maximum);

} // namespace zn::ui
