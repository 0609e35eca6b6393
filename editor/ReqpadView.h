// CReqpadView: the editor control as the notebook's page viewer. In view mode the user only
// picks items and asks the owner to transfer them (the registered message
// "ZNS_TTITEM_TRANSMIT_MSG"); in edit mode it is the editor control.
#pragma once

#include <vector>

#include "editor/Reqpad.h"

namespace editor {

class CReqpadView : public CReqpad {
public:
    CReqpadView();
    ~CReqpadView() override;

    // The message the owner receives to transfer the selected items.
    static UINT TransferMessage();

    int m_viewMode = 1;
    int m_active = 1;
    int m_selectItemOnClick = 0;
    std::vector<unsigned> m_items; // kept for the owner

protected:
    LRESULT ReqpadProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    LRESULT ViewModeProc(UINT message, WPARAM wParam, LPARAM lParam);
    bool InSelectionArea(zn::ui::CPoint point) const;
    void RequestTransfer();
    void SelectItemAtCaret();
};

} // namespace editor
