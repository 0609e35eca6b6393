// The control's single-level undo: one RTF snapshot with its selection. Undoing swaps the
// text with the snapshot, so undoing twice redoes.
#include "editor/Reqpad.h"

#include "platform/ui/Resources.h"

namespace editor {

namespace {

constexpr zn::ui::UINT IDS_UNDO = 6;
constexpr zn::ui::UINT IDS_REDO = 8;

} // namespace

std::string CReqpad::SnapshotRtf() const {
    return GetRtf(false);
}

void CReqpad::TakeUndoSnapshot() {
    m_undoAvailable = 1;
    if (m_undoSuspended)
        return;
    int start = 0, end = 0;
    GetSel(start, end);
    m_undoSnapshot = {SnapshotRtf(), start, end};
    m_undoShowsRedo = false;
    if (m_editMenu)
        m_editMenu->ModifyMenu(zn::ui::ID_EDIT_UNDO_TEXT, zn::ui::MF_BYCOMMAND | zn::ui::MF_STRING,
                               zn::ui::ID_EDIT_UNDO_TEXT, zn::ui::LoadStringW(IDS_UNDO));
}

void CReqpad::SwapWithUndoSnapshot() {
    InternalChange guard(*this);
    int start = 0, end = 0;
    GetSel(start, end);
    UndoSnapshot present{SnapshotRtf(), start, end};
    if (!StreamInRtf(m_undoSnapshot.rtf, false))
        return;
    SetSel(m_undoSnapshot.start, m_undoSnapshot.end);
    m_undoSnapshot = std::move(present);
    SetModify(true);
}

void CReqpad::Undo() {
    if (!m_undoAvailable || m_undoSnapshot.rtf.empty())
        return;
    SwapWithUndoSnapshot();
    m_newUndoStep = 1;
    m_undoShowsRedo = !m_undoShowsRedo;
    if (m_editMenu)
        m_editMenu->ModifyMenu(zn::ui::ID_EDIT_UNDO_TEXT, zn::ui::MF_BYCOMMAND | zn::ui::MF_STRING,
                               zn::ui::ID_EDIT_UNDO_TEXT,
                               zn::ui::LoadStringW(m_undoShowsRedo ? IDS_REDO : IDS_UNDO));
    UpdateInterface();
}

} // namespace editor
