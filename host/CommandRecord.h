// znsCmd: the record a module fills for each command it registers. The host copies what it
// keeps; the module destroys its own record right after the registration call.
#pragma once

#include <cstdint>
#include <string_view>

#include "host/Status.h"
#include "platform/text/ZnsString.h"

// A command's callback: the host's command context in, a signed 32-bit result out.
using ZnsCommandCallback = std::int32_t (*)(void* context);

struct znsCmd {
    static constexpr size_t kNameLength = 50; // wide characters, terminator included

    znsCmd(std::u16string_view name, std::uint32_t flags, ZnsCommandCallback callback);
    znsCmd(const znsCmd&) = default;
    znsCmd& operator=(const znsCmd&) = default;
    virtual ~znsCmd() = default;

    // Runs the callback with the context and answers 0; E_NOTIMPL when there is none.
    virtual HRESULT Execute(void* context);
    virtual bool IsTransparent() const { return false; }
    virtual bool IsInteractive() const { return true; }

    std::u16string_view Name() const { return m_globalName; }

    std::uint64_t m_id = ~std::uint64_t(0);
    char16_t m_menuText[kNameLength] = {};
    char16_t m_toolTip[kNameLength] = {};
    const ZnsStringW* m_description; // always the empty text for this platform's modules
    char16_t m_globalName[kNameLength] = {};
    char16_t m_localName[kNameLength] = {};
    std::int16_t m_reserved = 0;
    std::uint32_t m_flags = 0;
    std::int32_t m_group = -1;
    ZnsCommandCallback m_callback = nullptr;
};
