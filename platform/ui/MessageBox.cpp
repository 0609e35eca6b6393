#include "platform/ui/MessageBox.h"

#include <cstdio>

#include "platform/text/ZnsString.h"

namespace zn::ui {

namespace {

int defaultAnswer(unsigned type) {
    switch (type & 0xF) {
    case MB_YESNO:
    case MB_YESNOCANCEL:
        return IDYES;
    default:
        return IDOK;
    }
}

MessageBoxHandler& handler() {
    static MessageBoxHandler h = [](void*, std::u16string_view text, std::u16string_view caption,
                                    unsigned type) {
        std::fprintf(stderr, "%s%s%s\n", toUtf8(caption).c_str(), caption.empty() ? "" : ": ",
                     toUtf8(text).c_str());
        return defaultAnswer(type);
    };
    return h;
}

} // namespace

int MessageBoxW(void* owner, std::u16string_view text, std::u16string_view caption, unsigned type) {
    return handler()(owner, text, caption, type);
}

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler next) {
    MessageBoxHandler previous = std::move(handler());
    handler() = std::move(next);
    return previous;
}

} // namespace zn::ui
