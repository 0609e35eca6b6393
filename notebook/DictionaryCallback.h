// IDictionaryCallback: how the notebook and the calculator hand text back to the window
// that opened them, and how such a caller follows their arrows, captions and closing.
#pragma once

#include <cstdint>

#include "host/Object.h"
#include "platform/text/ZnsString.h"
#include "platform/ui/Types.h"

class IDictionaryCallback : public virtual IZnObject {
public:
    static constexpr ZnsGuid IID = ZnsPlatformGuid(0x00000005, 0x0013);

    // Transfer formats: 0 plain text, 1 a calculator result, 2 RTF, 3 single-line text.
    virtual HRESULT ReceiveText(const ZnsStringW& text, std::int32_t format) = 0;
    // Direction codes of the calculator's arrows: 1 left, 2 right, 4 up, 8 down.
    virtual HRESULT Navigate(std::int32_t /*direction*/) { return E_NOTIMPL; }
    virtual HRESULT FillCaption(ZnsStringW* /*caption*/) { return E_NOTIMPL; }
    virtual HRESULT WindowClosed(zn::ui::HWND /*window*/) { return E_NOTIMPL; }
};
