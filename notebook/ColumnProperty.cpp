#include "notebook/ColumnProperty.h"

#include <cstdlib>

#include "host/Services.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Static.h"
#include "platform/ui/SystemColors.h"
#include "resources/ResourceIds.h"

using namespace zn::ui;

namespace notebook {

namespace {

constexpr int IDC_COLUMN_NAME = 1036;
constexpr int IDC_COLUMN_WIDTH = 1038;
constexpr int IDC_COLUMN_PICTURE = 1039;
constexpr int kWidthDigits = 3;
constexpr UINT kHostIcon = 101;
// The picture's background, shown in the dialog's face colour.
constexpr COLORREF kPictureBackground = 0xFF00FF;

} // namespace

CColumnProperty::CColumnProperty(CWnd* parent) : CDialog(res::IDD_COLUMN_PROPERTIES, parent) {}

BOOL CColumnProperty::OnInitDialog() {
    CDialog::OnInitDialog();
    SetIcon(kHostIcon, true);
    SetIcon(kHostIcon, false);
    if (gpZnContext)
        gpZnContext->DialogOpened(m_hWnd);
    showPicture();
    if (auto* name = dynamic_cast<CEdit*>(GetDlgItem(IDC_COLUMN_NAME))) {
        name->SetLimitText(ColumnRecord::kMaxName);
        name->SetWindowTextW(m_column.name.substr(0, ColumnRecord::kMaxName));
    }
    if (auto* width = dynamic_cast<CEdit*>(GetDlgItem(IDC_COLUMN_WIDTH))) {
        width->SetLimitText(kWidthDigits);
        width->SetWindowTextW(zn::format("%d", m_column.width));
    }
    return TRUE;
}

void CColumnProperty::showPicture() {
    CBitmap bitmap;
    auto* picture = dynamic_cast<CStatic*>(GetDlgItem(IDC_COLUMN_PICTURE));
    if (!picture || !bitmap.LoadBitmap(res::IDB_COLUMN_PICTURE))
        return;
    const ColorMapEntry face[] = {{kPictureBackground, GetSysColor(COLOR_BTNFACE)}};
    picture->SetBitmap(CBitmap(MapColors(bitmap.GetImage(), face)));
}

void CColumnProperty::OnOK() {
    if (CWnd* name = GetDlgItem(IDC_COLUMN_NAME))
        m_column.name = name->GetWindowTextW().substr(0, ColumnRecord::kMaxName);
    if (CWnd* width = GetDlgItem(IDC_COLUMN_WIDTH)) {
        // Nothing usable typed keeps the width the column has.
        long value = std::strtol(zn::toUtf8(width->GetWindowTextW()).c_str(), nullptr, 10);
        if (value > 0)
            m_column.width = std::int32_t(value);
    }
    if (gpZnContext)
        gpZnContext->DialogClosed(m_hWnd);
    EndDialog(IDOK);
}

void CColumnProperty::OnCancel() {
    if (gpZnContext)
        gpZnContext->DialogClosed(m_hWnd);
    EndDialog(IDCANCEL);
}

} // namespace notebook
