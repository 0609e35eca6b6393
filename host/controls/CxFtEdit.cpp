// The formatted edit control: switches, context menu, library commands and script formats.
#include "host/controls/CxFtEdit.h"

#include "host/controls/CxFtEditTextConverter.h"

namespace zn::ui {

using richedit::CharFormat;

CxFtEdit::CxFtEdit() = default;

CxFtEdit::~CxFtEdit() = default;

IZnTextConverter* CxFtEdit::GetTextConverter() {
    if (!m_converter)
        m_converter = std::make_unique<CxFtEditTextConverter>(*this);
    return m_converter.get();
}

bool CxFtEdit::SetSelectionScript(Script script) {
    int height = GetDefaultCharFormat().height;
    CharFormat format;
    format.mask = richedit::CFM_SIZE | richedit::CFM_OFFSET;
    format.height = script == Script::Common ? height : height * 3 / 4;
    format.offset = script == Script::Raised    ? height * 4 / 9
                    : script == Script::Lowered ? -(height * 4 / 9)
                                                : 0;
    return SetSelectionCharFormat(format);
}

bool CxFtEdit::IsSelectionScript(Script script) const {
    CharFormat format = GetSelectionCharFormat();
    if (!(format.mask & richedit::CFM_OFFSET))
        return false;
    switch (script) {
    case Script::Raised:
        return format.offset >= 1;
    case Script::Lowered:
        return format.offset <= -1;
    default:
        return format.offset == 0;
    }
}

void CxFtEdit::toggleEffect(std::uint32_t effect) {
    CharFormat current = GetSelectionCharFormat();
    CharFormat change;
    change.mask = effect;
    change.effects = (current.mask & effect) && (current.effects & effect) ? 0 : effect;
    SetSelectionCharFormat(change);
}

void CxFtEdit::setAlignment(std::uint16_t alignment) {
    richedit::ParaFormat format;
    format.mask = richedit::PFM_ALIGNMENT;
    format.alignment = alignment;
    SetParaFormat(format);
}

void CxFtEdit::indent(int twips) {
    richedit::ParaFormat format;
    format.mask = richedit::PFM_STARTINDENT;
    format.startIndent = std::max(0, GetParaFormat().startIndent + twips);
    SetParaFormat(format);
}

bool CxFtEdit::handleCommand(UINT id) {
    constexpr int kIndentStep = 568 / 2; // half a centimetre
    switch (id) {
    case ID_FT_SUPERSCRIPT:
    case ID_FT_SUBSCRIPT: {
        Script script = id == ID_FT_SUPERSCRIPT ? Script::Raised : Script::Lowered;
        SetSelectionScript(IsSelectionScript(script) ? Script::Common : script);
        return true;
    }
    case ID_FT_BOLD:
        toggleEffect(richedit::CFE_BOLD);
        return true;
    case ID_FT_ITALIC:
        toggleEffect(richedit::CFE_ITALIC);
        return true;
    case ID_FT_UNDERLINE:
        toggleEffect(richedit::CFE_UNDERLINE);
        return true;
    case ID_FT_STRIKEOUT:
        toggleEffect(richedit::CFE_STRIKEOUT);
        return true;
    case ID_FT_HYPERLINK:
        toggleEffect(richedit::CFE_LINK);
        return true;
    case ID_FT_ALIGN_LEFT:
        setAlignment(richedit::PFA_LEFT);
        return true;
    case ID_FT_ALIGN_CENTER:
        setAlignment(richedit::PFA_CENTER);
        return true;
    case ID_FT_ALIGN_RIGHT:
        setAlignment(richedit::PFA_RIGHT);
        return true;
    case ID_FT_ALIGN_JUSTIFY:
        setAlignment(richedit::PFA_JUSTIFY);
        return true;
    case ID_FT_INDENT_MORE:
        indent(kIndentStep);
        return true;
    case ID_FT_INDENT_LESS:
        indent(-kIndentStep);
        return true;
    case ID_FT_PLAIN: {
        CharFormat plain = GetDefaultCharFormat();
        plain.mask = richedit::CFM_ALL & ~richedit::CFM_PROTECTED;
        plain.effects &= ~richedit::CFE_PROTECTED;
        SetSelectionCharFormat(plain);
        return true;
    }
    case ID_FT_PICK:
    case ID_FT_SYMBOL:
        // The owner knows the drawing and the symbol table.
        if (CWnd* owner = CWnd::GetOwner())
            owner->SendMessage(WM_COMMAND, MAKEWPARAM(id, 0), 0);
        return true;
    default:
        return false;
    }
}

void CxFtEdit::BuildContextMenu(CMenu& menu) {
    int start = 0, end = 0;
    GetSel(start, end);
    UINT selection = start == end ? MF_GRAYED : MF_STRING;
    UINT editable = IsReadOnly() ? MF_GRAYED : MF_STRING;
    AppendCommand(menu, ID_EDIT_CUT_TEXT, selection | editable);
    AppendCommand(menu, ID_EDIT_COPY_TEXT, selection);
    if (m_allowPaste)
        AppendCommand(menu, ID_EDIT_PASTE_TEXT, CanPaste() ? editable : MF_GRAYED);
    AppendCommand(menu, ID_EDIT_DELETE_TEXT, selection | editable);
    AppendCommand(menu, ID_EDIT_SELECT_ALL_TEXT);
    AppendSeparator(menu);
    if (m_allowSuperscripts)
        AppendCommand(menu, ID_FT_SUPERSCRIPT,
                      editable | (IsSelectionScript(Script::Raised) ? MF_CHECKED : 0));
    if (m_allowSubscripts)
        AppendCommand(menu, ID_FT_SUBSCRIPT,
                      editable | (IsSelectionScript(Script::Lowered) ? MF_CHECKED : 0));
    if (m_allowSymbols)
        AppendCommand(menu, ID_FT_SYMBOL, editable);
    if (m_allowHyperlink)
        AppendCommand(menu, ID_FT_HYPERLINK, selection | editable);
    if (m_allowPick)
        AppendCommand(menu, ID_FT_PICK, editable);
    if (!m_numeric) {
        AppendSeparator(menu);
        for (UINT id : {ID_FT_BOLD, ID_FT_ITALIC, ID_FT_UNDERLINE, ID_FT_PLAIN})
            AppendCommand(menu, id, editable);
    }
}

void CxFtEdit::OnTypedChar(char16_t ch) {
    static constexpr std::u16string_view kNumberCharacters = u"0123456789.,-+eE";
    if (m_numeric && ch >= 0x20 && kNumberCharacters.find(ch) == std::u16string_view::npos)
        return;
    CRichEditCtrl::OnTypedChar(ch);
}

LRESULT CxFtEdit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND && IsCommandCode(wParam) && handleCommand(LOWORD(wParam)))
        return 1;
    return CRichEditCtrl::WindowProc(message, wParam, lParam);
}

} // namespace zn::ui
