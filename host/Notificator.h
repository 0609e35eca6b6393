// The notifier: messages the host shows the user outside any dialog.
#pragma once

#include <cstdint>

#include "host/WorkId.h"
#include "platform/text/ZnsString.h"

class IZnNotificator {
public:
    virtual ~IZnNotificator() = default;
    virtual void ShowMessage(const ZnsStringW& text, std::int32_t kind) = 0;
    // The message with the platform's edit-object button for `object`; a host without such
    // buttons shows the message alone.
    virtual void ShowMessageWithEditButton(const ZnsStringW& text, std::int32_t kind,
                                           const znsWorkID&) {
        ShowMessage(text, kind);
    }
};
