// The clipboard's data, owner and viewers.
#include "platform/ui/Clipboard.h"

#include <algorithm>
#include <map>

namespace zn::ui {

namespace {

struct ClipboardState {
    std::map<UINT, std::string> data;
    HWND owner = nullptr;
    HWND opener = nullptr;
    bool open = false;
    bool changed = false;
    std::vector<HWND> viewers;
    std::map<std::u16string, UINT> formats;
};

ClipboardState& state() {
    static ClipboardState s;
    return s;
}

} // namespace

UINT RegisterClipboardFormatW(std::u16string_view name) {
    auto& formats = state().formats;
    auto key = zn::toLower(name);
    auto it = formats.find(key);
    if (it != formats.end())
        return it->second;
    UINT id = 0xC000 + UINT(formats.size());
    formats.emplace(key, id);
    return id;
}

UINT ClipboardFormatRtf() {
    return RegisterClipboardFormatW(u"Rich Text Format");
}

bool OpenClipboard(CWnd* owner) {
    ClipboardState& s = state();
    if (s.open)
        return false;
    s.open = true;
    s.opener = owner ? owner->m_hWnd : nullptr;
    return true;
}

bool CloseClipboard() {
    ClipboardState& s = state();
    if (!s.open)
        return false;
    s.open = false;
    if (s.changed) {
        s.changed = false;
        for (HWND viewer : std::vector<HWND>(s.viewers))
            SendMessage(viewer, WM_DRAWCLIPBOARD);
    }
    return true;
}

bool EmptyClipboard() {
    ClipboardState& s = state();
    if (!s.open)
        return false;
    s.data.clear();
    s.owner = s.opener;
    s.changed = true;
    return true;
}

bool SetClipboardData(UINT format, std::string data) {
    ClipboardState& s = state();
    if (!s.open)
        return false;
    s.data[format] = std::move(data);
    s.changed = true;
    return true;
}

std::optional<std::string> GetClipboardData(UINT format) {
    auto& data = state().data;
    auto it = data.find(format);
    if (it == data.end())
        return std::nullopt;
    return it->second;
}

bool IsClipboardFormatAvailable(UINT format) {
    return state().data.count(format) != 0;
}

CWnd* GetClipboardOwner() {
    return CWnd::FromHandle(state().owner);
}

HWND SetClipboardViewer(CWnd* viewer) {
    auto& viewers = state().viewers;
    if (viewer && std::find(viewers.begin(), viewers.end(), viewer->m_hWnd) == viewers.end())
        viewers.push_back(viewer->m_hWnd);
    return nullptr;
}

bool ChangeClipboardChain(CWnd* viewer, HWND) {
    auto& viewers = state().viewers;
    auto it = viewer ? std::find(viewers.begin(), viewers.end(), viewer->m_hWnd) : viewers.end();
    if (it == viewers.end())
        return false;
    viewers.erase(it);
    return true;
}

bool SetClipboardText(CWnd* owner, std::u16string_view text) {
    if (!OpenClipboard(owner))
        return false;
    EmptyClipboard();
    SetClipboardData(CF_UNICODETEXT, zn::toUtf16Bytes(text));
    return CloseClipboard();
}

std::optional<ZnsStringW> GetClipboardText() {
    std::optional<std::string> bytes = GetClipboardData(CF_UNICODETEXT);
    if (!bytes)
        return std::nullopt;
    return zn::fromUtf16Bytes(*bytes);
}

void ResetClipboard() {
    ClipboardState& s = state();
    s.data.clear();
    s.owner = s.opener = nullptr;
    s.open = s.changed = false;
    s.viewers.clear();
}

} // namespace zn::ui
