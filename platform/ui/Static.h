// The static control: a label, an etched line or frame, or a picture by image number.
#pragma once

#include "platform/ui/Window.h"

namespace zn::ui {

class CStatic : public CWnd {
public:
    void SetImageNumber(int image) { m_image = image; }
    int GetImageNumber() const { return m_image; }

private:
    int m_image = -1;
};

} // namespace zn::ui
