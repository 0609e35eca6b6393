#include "dtext/AlignmentGrid.h"

#include "platform/ui/Static.h"
#include "resources/ResourceIds.h"

namespace dtext {

using namespace zn::ui;

namespace {
constexpr int kPoints = 9;
}

void ShowAlignmentPicture(CWnd& dialog, int pictureId) {
    CBitmap picture;
    if (auto* control = dynamic_cast<CStatic*>(dialog.GetDlgItem(pictureId));
        control && picture.LoadMappedBitmap(res::IDB_ALIGNMENT))
        control->SetBitmap(picture);
}

void CheckAlignment(CWnd& dialog, int firstButton, int row, int column) {
    dialog.CheckRadioButton(firstButton, firstButton + kPoints - 1, firstButton + 3 * row + column);
}

void ClearAlignment(CWnd& dialog, int firstButton) {
    for (int id = firstButton; id < firstButton + kPoints; ++id)
        dialog.CheckDlgButton(id, 0);
}

bool ReadAlignment(const CWnd& dialog, int firstButton, int& row, int& column) {
    int checked = dialog.GetCheckedRadioButton(firstButton, firstButton + kPoints - 1);
    if (!checked) {
        row = 2;
        column = 0;
        return false;
    }
    row = (checked - firstButton) / 3;
    column = (checked - firstButton) % 3;
    return true;
}

} // namespace dtext
