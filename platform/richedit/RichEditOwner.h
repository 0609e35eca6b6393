// What the owner of a rich-edit model hears: change, selection change and the attempt to
// edit protected text, which the owner may refuse. A window that wraps the model turns these
// into the notifications its parent receives.
#pragma once

#include <cstdint>

namespace zn::richedit {

class RichEditModel;

// Event-mask bits (the platform's values).
enum : uint32_t {
    ENM_NONE = 0,
    ENM_CHANGE = 0x1,
    ENM_SELCHANGE = 0x80000,
    ENM_PROTECTED = 0x200000,
};

// Selection types reported with a selection change.
enum : uint16_t { SEL_EMPTY = 0x0, SEL_TEXT = 0x1, SEL_MULTICHAR = 0x4 };

struct SelChange {
    int start;
    int end;
    uint16_t type;
};

// Which operation runs into protected text.
enum class ProtectedEditKind { ReplaceText, SetCharFormat };

struct ProtectedEdit {
    int start;
    int end;
    ProtectedEditKind kind;
};

class RichEditOwner {
public:
    virtual ~RichEditOwner() = default;
    virtual void OnRichEditChange(RichEditModel&) {}
    virtual void OnRichEditSelChange(RichEditModel&, const SelChange&) {}
    // True refuses the edit; the model then leaves its text and formats as they were.
    virtual bool OnRichEditProtected(RichEditModel&, const ProtectedEdit&) { return false; }
};

} // namespace zn::richedit
