// Keeps our clipboard and the system's in step while the Qt backend runs: what our
// windows copy (Unicode text, rich text) goes to the system, what other programs copy
// comes back to us.
#pragma once

#include <QMetaObject>

#include "platform/ui/Window.h"

namespace zn::ui::qt {

class ClipboardBridge : public CWnd {
public:
    ClipboardBridge();
    ~ClipboardBridge() override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void toSystem();
    void fromSystem();

    QMetaObject::Connection m_connection;
    bool m_copying = false; // one side is being given the other's data
};

} // namespace zn::ui::qt
