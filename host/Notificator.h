// The notifier: messages the host shows the user outside any dialog.
#pragma once

#include <cstdint>

#include "platform/text/ZnsString.h"

class IZnNotificator {
public:
    virtual ~IZnNotificator() = default;
    virtual void ShowMessage(const ZnsStringW& text, std::int32_t kind) = 0;
};
