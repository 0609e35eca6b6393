// The special inserts of the control: fractions and tolerance fields, raised and lowered
// text, and the insert commands with their pickers.
#include "editor/Reqpad.h"

namespace editor {

void CReqpad::InsertFraction(const ZnsStringW& numerator, const ZnsStringW& denominator,
                             bool withBar, const ZnsStringW* prefix) {
    TakeUndoSnapshot();
    InternalChange guard(*this);
    zn::richedit::CharFormat colour;
    colour.mask = zn::richedit::CFM_COLOR;
    colour.color = m_textColor;
    SetSelectionCharFormat(colour);
    SetSelectionScript(Script::Common);
    if (prefix && !prefix->empty())
        ReplaceSel(*prefix + u" ");
    SetSelectionScript(Script::Raised);
    ReplaceSel(numerator);
    if (withBar) {
        SetSelectionScript(Script::Common);
        ReplaceSel(u"|");
    }
    SetSelectionScript(Script::Lowered);
    ReplaceSel(denominator);
    SetSelectionScript(Script::Common);
}

void CReqpad::ToggleScript(bool raised) {
    SetSelectionScript(IsSelectionScript(raised ? Script::Raised : Script::Lowered)
                           ? Script::Common
                           : (raised ? Script::Raised : Script::Lowered));
}

bool CReqpad::IsRaised() const {
    return IsSelectionScript(Script::Raised);
}

bool CReqpad::IsLowered() const {
    return IsSelectionScript(Script::Lowered);
}

bool CReqpad::OnInsertCommand(UINT) {
    return false;
}

bool CReqpad::IsInsertAllowed(UINT) const {
    return false;
}

} // namespace editor
