#include "host/CommandRecord.h"

#include <algorithm>

namespace {
const ZnsStringW kNoDescription;

// Copies with truncation to 49 characters and a terminator, as the name fields hold it.
void copyName(char16_t (&field)[znsCmd::kNameLength], std::u16string_view name) {
    size_t n = std::min(name.size(), znsCmd::kNameLength - 1);
    std::copy_n(name.data(), n, field);
    field[n] = 0;
}
} // namespace

znsCmd::znsCmd(std::u16string_view name, std::uint32_t flags, ZnsCommandCallback callback)
    : m_description(&kNoDescription), m_flags(flags), m_callback(callback) {
    copyName(m_globalName, name);
    copyName(m_localName, name);
}

HRESULT znsCmd::Execute(void* context) {
    if (!m_callback)
        return E_NOTIMPL;
    m_callback(context);
    return S_OK;
}
