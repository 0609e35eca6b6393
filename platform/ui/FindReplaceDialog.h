// The modeless find dialog: built from a find template (the standard controls: the text
// 1152, whole word 1040, match case 1041, up 1056, down 1057), it tells its owner about
// every request with the registered message "commdlg_FindReplace", whose LPARAM points
// to the dialog's FINDREPLACE record. Like the framework's, the object deletes itself
// when its window is gone, so it is made with new.
#pragma once

#include "platform/ui/Dialog.h"

namespace zn::ui {

inline constexpr std::uint32_t FR_DOWN = 0x1;
inline constexpr std::uint32_t FR_WHOLEWORD = 0x2;
inline constexpr std::uint32_t FR_MATCHCASE = 0x4;
inline constexpr std::uint32_t FR_FINDNEXT = 0x8;
inline constexpr std::uint32_t FR_DIALOGTERM = 0x40;
inline constexpr std::uint32_t FR_HIDEUPDOWN = 0x4000;
inline constexpr std::uint32_t FR_HIDEMATCHCASE = 0x8000;
inline constexpr std::uint32_t FR_HIDEWHOLEWORD = 0x10000;

inline constexpr int kFindWhatEdit = 1152;
inline constexpr int kFindWholeWordCheck = 1040;
inline constexpr int kFindMatchCaseCheck = 1041;
inline constexpr int kFindUpRadio = 1056;
inline constexpr int kFindDownRadio = 1057;
inline constexpr int kFindDirectionGroup = 1072;

constexpr char16_t FINDMSGSTRING[] = u"commdlg_FindReplace";

struct FINDREPLACE {
    std::uint32_t Flags = 0;
    ZnsStringW findWhat;
    LPARAM lCustData = 0; // the dialog that sends the record
};

class CFindReplaceDialog : public CDialog {
public:
    CFindReplaceDialog() = default;
    // `flags` FR_*; the template is `templateId` of the installed resources.
    bool Create(bool findOnly, std::u16string_view findWhat, std::uint32_t flags, UINT templateId,
                CWnd* parent);

    static CFindReplaceDialog* GetNotifier(LPARAM lParam);
    bool FindNext() const { return m_fr.Flags & FR_FINDNEXT; }
    bool IsTerminating() const { return m_fr.Flags & FR_DIALOGTERM; }
    bool MatchCase() const { return m_fr.Flags & FR_MATCHCASE; }
    bool MatchWholeWord() const { return m_fr.Flags & FR_WHOLEWORD; }
    bool SearchDown() const { return m_fr.Flags & FR_DOWN; }
    ZnsStringW GetFindString() const { return m_fr.findWhat; }

    FINDREPLACE m_fr;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    void PostNcDestroy() override { delete this; }
    // Sends the owner the current request.
    void NotifyOwner();
    // Reads the standard controls into m_fr (flags other than the search options kept).
    void ReadControls();

private:
    CWnd* m_owner = nullptr;
};

} // namespace zn::ui
