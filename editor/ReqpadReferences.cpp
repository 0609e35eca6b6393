// Specification references in the control: insertion, incoming stored references, the pass
// over references on load, keeping references whole, and RTF files without tags.
#include "editor/Reqpad.h"

namespace editor {

void CReqpad::InsertSpecReference(std::int32_t, const ZnsStringW&) {}

void CReqpad::RewriteIncomingReferences(ZnsStringW&) {}

void CReqpad::ReferencePassOnLoad() {}

void CReqpad::WidenSelectionToWholeMarks() {}

void CReqpad::SelectReferenceAt(int) {}

void CReqpad::SaveToFile() {}

void CReqpad::LoadFromFile() {}

bool CReqpad::SaveRtfFile(const std::string&) {
    return false;
}

bool CReqpad::LoadRtfFile(const std::string&) {
    return false;
}

} // namespace editor
