// CReqpad: the rich-edit control in which a technical-requirements text is written. The
// numbered items live in the text itself: a paragraph that starts with an item prefix opens
// an item, the paragraphs behind it up to the next one belong to it. The control keeps the
// numbers consecutive and protected after every edit, carries the single-level undo, the
// keyboard rules, the item commands, the inline references and inserts, and moves whole
// content in and out as plain text, host multiline text or RTF.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "host/Array.h"
#include "host/controls/CxFtEdit.h"
#include "requirements/TTextTypes.h"

namespace zn::richedit {
class TextRange;
}

namespace editor {

// Commands of the control (menus, toolbar, keys).
inline constexpr zn::ui::UINT ID_SPACING_SINGLE = 32;
inline constexpr zn::ui::UINT ID_SPACING_ONE_AND_HALF = 34;
inline constexpr zn::ui::UINT ID_SPACING_DOUBLE = 36;
inline constexpr zn::ui::UINT ID_SELECT_ALL = 38;
inline constexpr zn::ui::UINT ID_INSERT_SYMBOL = 32803;
inline constexpr zn::ui::UINT ID_INSERT_FRACTION = 32804;
inline constexpr zn::ui::UINT ID_INSERT_TOLERANCE = 32806;
inline constexpr zn::ui::UINT ID_INSERT_POSITION = 32807;
inline constexpr zn::ui::UINT ID_INSERT_VIEW = 32809;
inline constexpr zn::ui::UINT ID_SHOW_FIRST_LIST = 32810;
inline constexpr zn::ui::UINT ID_INSERT_MATERIAL = 32811;
inline constexpr zn::ui::UINT ID_ADD_ITEM = 32812;
inline constexpr zn::ui::UINT ID_DELETE_ITEMS = 32813;
inline constexpr zn::ui::UINT ID_MOVE_ITEM_DOWN = 32814;
inline constexpr zn::ui::UINT ID_MOVE_ITEM_UP = 32815;
inline constexpr zn::ui::UINT ID_COMMON_TEXT = 32818;
inline constexpr zn::ui::UINT ID_ADD_HEADER = 32827;
inline constexpr zn::ui::UINT ID_CALCULATOR = 32945;
inline constexpr zn::ui::UINT ID_FILE_OPEN = 57601;
inline constexpr zn::ui::UINT ID_FILE_SAVE = 57604;
inline constexpr zn::ui::UINT ID_EDIT_COPY = 57634;
inline constexpr zn::ui::UINT ID_EDIT_CUT = 57635;
inline constexpr zn::ui::UINT ID_EDIT_PASTE = 57637;
inline constexpr zn::ui::UINT ID_HELP = 57670;

// Bits of m_allowedInserts: which insert commands the owner offers.
enum : std::uint32_t {
    kAllowPosition = 0x8,
    kAllowView = 0x10,
    kAllowMaterial = 0x20,
    kAllowTolerance = 0x40,
    kAllowFraction = 0x80,
    kAllowFirstList = 0x100,
    kAllowSymbol = 0x200,
    kAllowHyperlink = 0x400,
    kAllowPlace = 0x1000,
    kAllowScripts = 0x4000,
};

// Content kinds of SetContent and GetContent.
enum : int { kContentPlain = 0, kContentMultiline = 1, kContentRtf = 2 };

enum class RenumberMode {
    Plain,   // after every edit: numbers follow the order, tags stay
    Tag,     // on load: referenced items get their tag
    Resolve, // on taking the content out: tags become the referenced items' new numbers
};

class CReqpad : public zn::ui::CxFtEdit {
public:
    using UINT = zn::ui::UINT;
    using WPARAM = zn::ui::WPARAM;
    using LPARAM = zn::ui::LPARAM;
    using LRESULT = zn::ui::LRESULT;
    using COLORREF = zn::richedit::COLORREF;

    struct UndoSnapshot {
        std::string rtf;
        int start = 0;
        int end = 0;
    };

    CReqpad();
    ~CReqpad() override;

    // Creates the control with the styles it needs (multiline, vertical scrolling, want-return,
    // a sunken edge) over `rect` of `parent`, or over the parent's item `id` when one exists.
    bool Create(std::uint32_t style, const zn::ui::CRect& rect, zn::ui::CWnd* parent, UINT id);
    bool SubclassDlgItem(int id, zn::ui::CWnd* parent);
    // Default format, the notifications the control lives on, clipboard viewing.
    void InitControl();
    // The owner's popup of editor entries: its Undo text and check marks follow the control.
    void SetEditMenu(zn::ui::CMenu* menu) { m_editMenu = menu; }
    // Undo text and check marks of the owner's Edit popup; the owner's bars refresh
    // themselves from the control's state when the message loop runs dry.
    virtual void UpdateInterface();

    // --- Item model -------------------------------------------------------------------------
    // Renumbers every item; returns the number of items.
    int Renumber(RenumberMode mode);
    // Start of the item holding `position` (0 before the first item).
    int ItemStart(int position) const;
    // Start of the next item after `position`'s item, -1 when it runs to the end of the text.
    int ItemEnd(int position) const;
    // The number of the caret's paragraph, 0 when it is not an item paragraph.
    int CaretItemNumber() const;
    int ItemCount() const;
    bool HasItems() const;
    void AddItem();
    void DeleteItems();
    void MoveItemUp();
    void MoveItemDown();
    void AddHeader();
    // 20 single, 30 one and a half, 40 double.
    void SetLineSpacing(int twentieths);
    void CommonText();
    void SelectAll();
    void Undo();
    // Selects the item prefix at `position` (-1: the selection start); its length, 0 for none.
    int SelectItemPrefix(int position);
    // Selects the whole item holding `position`.
    void SelectItem(int position);

    // --- Content ----------------------------------------------------------------------------
    // 1 when the kind is known (0 plain text, 1 host multiline text, 2 RTF), else 0 and the
    // text is left as it was.
    int SetContent(const ZnsStringW& text, int kind);
    int GetContent(ZnsStringW& text, int kind);
    // Plain lines that start with digits and a period become item paragraphs.
    void ConvertLinesToItems();
    // Takes a snapshot of the whole text for undo (unless suspended).
    void TakeUndoSnapshot();
    // The default character format, and resetting a range (the selection) to it.
    zn::richedit::CharFormat DefaultFormat() const;
    void ResetToDefault(int start, int end);
    void ResetSelectionToDefault();
    // Whether the selection lies outside protected text (item prefixes).
    bool SelectionEditable() const;

    // --- Inline references and inserts ----------------------------------------------------
    // Numerator raised, an optional "|", denominator lowered, after an optional prefix.
    void InsertFraction(const ZnsStringW& numerator, const ZnsStringW& denominator, bool withBar,
                        const ZnsStringW* prefix);
    // Three runs (hidden opening tag, visible text, hidden closing tag) between two blanks,
    // and a new entry of the link list.
    void InsertSpecReference(std::int32_t recordId, const ZnsStringW& text);
    // Superscript (raised) or subscript; again on a raised (lowered) selection: common text.
    void ToggleScript(bool raised);
    bool IsRaised() const;
    bool IsLowered() const;
    // Raised or lowered text: 3/4 of the default height, 4/9 of it up or down, in the
    // default colour; raised text also drops bold and protection.
    zn::richedit::CharFormat ScriptFormat(bool raised) const;
    // The insert commands; true when `id` is one of them.
    bool OnInsertCommand(UINT id);
    bool IsInsertAllowed(UINT id) const;
    // Kind 1: host multiline-text codes read into the control.
    void ReadMultilineText(const ZnsStringW& text);
    // Stored references `<ref obj="Specification" ...>` become `<spcref ...>`.
    static void RewriteIncomingReferences(ZnsStringW& rtf);
    // The pass over specification references and link placeholders after RTF is loaded;
    // true when it changed the text or the link list.
    bool ReferencePassOnLoad();
    // Widens the selection so that it covers no part of a reference or an item prefix.
    void WidenSelectionToWholeMarks();
    // A click inside a reference selects the whole reference.
    void SelectReferenceAt(int position);
    // Content files: RTF save without tags (after a warning) and load.
    void SaveToFile();
    void LoadFromFile();
    bool SaveRtfFile(const std::string& path);
    bool LoadRtfFile(const std::string& path);

    // --- Clipboard ------------------------------------------------------------------------
    void OnCopy();
    void OnCut();
    void OnPaste();
    // The clipboard changed: unless the control is copying itself, it holds no items of ours.
    void OnClipboardChanged();

    // --- Fields -----------------------------------------------------------------------------
    int m_internalChange = 0;
    int m_undoAvailable = 0;
    int m_newUndoStep = 0;
    COLORREF m_numberColor = 0;
    COLORREF m_textColor = 0;
    ZnsArray<std::int32_t> m_referencedItems;
    UndoSnapshot m_undoSnapshot;
    int m_undoSuspended = 0;
    std::uint32_t m_allowedInserts = 0;
    // Set by an owner that wants Clear to leave an empty text rather than item 1.
    int m_startWithoutItem = 0;
    // One entry per specification reference, in text order.
    ZnsArray<ZnsLink> m_specLinks;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    void OnChange() override;
    void BuildContextMenu(zn::ui::CMenu& menu) override;
    // The control's part of the window procedure, shared with the page view.
    virtual LRESULT ReqpadProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The dialog builds its Edit popup from the same entries.
    friend class ReqpadDlg;
    // Appends the control's entries: with `withUndoGroup` the owner's Edit popup (undo and
    // clipboard first), without it the platform's context menu.
    void AppendEditEntries(zn::ui::CMenu& menu, bool withUndoGroup);

    // Keys and characters; true when the key was handled here.
    bool OnKeyDown(UINT key);
    void OnChar(char16_t ch);
    bool OnCommandId(UINT id);
    void OnSizeRule(int width, int height);

private:
    // The insert commands, each after its picker; a cancelled picker changes nothing.
    void InsertSymbol();
    void InsertFractionFromDialog();
    void InsertTolerance();
    void InsertMaterial();
    void InsertPosition();
    void InsertView();
    // The link list follows the user's edits: entries of removed references go, references
    // that came back (undo) get theirs again; entries of other links stay.
    void SyncSpecLinks();
    bool OnBackspaceOrDelete(bool backspace);
    void OnEnter();
    void ExtendSelection(UINT key);
    bool SelectionHoldsItemStart(int start, int end) const;
    bool ItemHoldsOnlyPrefix(int position) const;
    // Paragraph helpers over the text.
    int ParagraphStart(int position) const;
    int ParagraphEnd(int position) const; // position of its mark, or the text length
    // The text from `start` to the end of its paragraph (mark excluded).
    ZnsStringW ParagraphAt(int start) const;
    void FormatPrefix(int start, int length);
    void InsertItemTag(zn::richedit::TextRange& range, int at, std::int32_t tagId);
    void ResetNumberFormats();
    void RepairOldContent();
    void SwapWithUndoSnapshot();
    // The selection of a copy or cut (none when empty), renumbered and with an undo step
    // taken: whether it begins at an item, so that whole items travel with their format.
    std::optional<bool> BeginTransfer(int& start, int& end);
    std::string SnapshotRtf() const;

    zn::ui::CMenu* m_editMenu = nullptr;
    bool m_undoShowsRedo = false;
};

// RAII for m_internalChange: set for the scope, the previous value restored after.
class InternalChange {
public:
    explicit InternalChange(CReqpad& pad) : m_pad(pad), m_saved(pad.m_internalChange) {
        pad.m_internalChange = 1;
    }
    ~InternalChange() { m_pad.m_internalChange = m_saved; }
    InternalChange(const InternalChange&) = delete;
    InternalChange& operator=(const InternalChange&) = delete;

private:
    CReqpad& m_pad;
    int m_saved;
};

} // namespace editor
