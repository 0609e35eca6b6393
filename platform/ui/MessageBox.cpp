// Message boxes: recorded, then answered by the handler (the user agent by default).
#include "platform/ui/MessageBox.h"

#include <cstdio>

#include "platform/ui/Resources.h"
#include "platform/ui/UserAgent.h"

namespace zn::ui {

namespace {

int answerWithoutAgent(std::u16string_view text, std::u16string_view caption, unsigned type) {
    std::fprintf(stderr, "%s%s%s\n", toUtf8(caption).c_str(), caption.empty() ? "" : ": ",
                 toUtf8(text).c_str());
    return MessageBoxButtons(type).front();
}

MessageBoxHandler& handler() {
    static MessageBoxHandler h = [](void*, std::u16string_view text, std::u16string_view caption,
                                    unsigned type) {
        UserAgent* agent = CurrentUserAgent();
        return agent ? agent->AnswerMessageBox(text, caption, type)
                     : answerWithoutAgent(text, caption, type);
    };
    return h;
}

std::vector<MessageBoxRecord>& records() {
    static std::vector<MessageBoxRecord> r;
    return r;
}

ZnsStringW& applicationTitle() {
    static ZnsStringW title;
    return title;
}

} // namespace

std::vector<int> MessageBoxButtons(unsigned type) {
    switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL:
        return {IDOK, IDCANCEL};
    case MB_ABORTRETRYIGNORE:
        return {IDABORT, IDRETRY, IDIGNORE};
    case MB_YESNOCANCEL:
        return {IDYES, IDNO, IDCANCEL};
    case MB_YESNO:
        return {IDYES, IDNO};
    case MB_RETRYCANCEL:
        return {IDRETRY, IDCANCEL};
    default:
        return {IDOK};
    }
}

int MessageBoxW(void* owner, std::u16string_view text, std::u16string_view caption, unsigned type) {
    records().push_back({ZnsStringW(text), ZnsStringW(caption), type, 0});
    size_t index = records().size() - 1;
    int answer = handler()(owner, text, caption, type);
    records()[index].answer = answer;
    return answer;
}

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler next) {
    MessageBoxHandler previous = std::move(handler());
    handler() = std::move(next);
    return previous;
}

int AfxMessageBox(std::u16string_view text, unsigned type) {
    return MessageBoxW(nullptr, text, applicationTitle(), type);
}

int AfxMessageBox(UINT stringId, unsigned type) {
    return AfxMessageBox(LoadStringW(stringId), type);
}

void SetApplicationTitle(std::u16string_view title) {
    applicationTitle() = title;
}

const std::vector<MessageBoxRecord>& RecordedMessageBoxes() {
    return records();
}

void ClearRecordedMessageBoxes() {
    records().clear();
}

} // namespace zn::ui
