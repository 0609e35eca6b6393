// The installed resource module and loading from it.
#include "platform/ui/Resources.h"

#include <algorithm>

namespace zn::ui {

namespace {
ResourceModule* g_module = nullptr;

int mulDiv(int value, int numerator, int denominator) {
    long long product = (long long)value * numerator;
    return int((product + (product >= 0 ? denominator / 2 : -denominator / 2)) / denominator);
}
} // namespace

CRect DialogUnitsToPixels(const CRect& units) {
    constexpr int kBaseX = 6, kBaseY = 13;
    return {mulDiv(units.left, kBaseX, 4), mulDiv(units.top, kBaseY, 8),
            mulDiv(units.right, kBaseX, 4), mulDiv(units.bottom, kBaseY, 8)};
}

ResourceModule* AfxGetResourceHandle() {
    return g_module;
}

void AfxSetResourceHandle(ResourceModule* module) {
    g_module = module;
}

const PixelImage* FindSharedToolbarImage(int image) {
    return g_module ? g_module->FindToolbarImage(image) : nullptr;
}

ResourceScope::ResourceScope(ResourceModule* module) : m_previous(g_module) {
    g_module = module;
}

ResourceScope::~ResourceScope() {
    g_module = m_previous;
}

int LoadStringW(UINT id, char16_t* buffer, int bufferSize) {
    if (bufferSize <= 0)
        return 0;
    std::optional<ZnsStringW> text = g_module ? g_module->FindString(id) : std::nullopt;
    int n = text ? std::min(int(text->size()), bufferSize - 1) : 0;
    if (n)
        std::copy_n(text->data(), n, buffer);
    buffer[n] = 0;
    return n;
}

ZnsStringW LoadStringW(UINT id) {
    char16_t buffer[kStringBufferSize];
    int n = LoadStringW(id, buffer, kStringBufferSize);
    return ZnsStringW(buffer, size_t(n));
}

} // namespace zn::ui
