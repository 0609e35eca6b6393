// The controls library's formatted edit control: the rich-edit control with a text
// converter for host formatted text, links to drawing objects, a numeric mode, and a
// context menu whose entries follow its switches (paste, hyperlink, pick, symbols,
// superscripts, subscripts). The module's editor controls derive from it.
#pragma once

#include <memory>
#include <vector>

#include "host/controls/CxMenuHelper.h"
#include "host/controls/IZnTextConverter.h"
#include "platform/ui/RichEditCtrl.h"

namespace zn::ui {

// The library control's own commands (context menu).
inline constexpr UINT ID_FT_BOLD = 40123;
inline constexpr UINT ID_FT_ITALIC = 40124;
inline constexpr UINT ID_FT_UNDERLINE = 40125;
inline constexpr UINT ID_FT_STRIKEOUT = 40126;
inline constexpr UINT ID_FT_ALIGN_LEFT = 40128;
inline constexpr UINT ID_FT_ALIGN_CENTER = 40129;
inline constexpr UINT ID_FT_ALIGN_RIGHT = 40130;
inline constexpr UINT ID_FT_ALIGN_JUSTIFY = 40131;
inline constexpr UINT ID_FT_INDENT_MORE = 40132;
inline constexpr UINT ID_FT_INDENT_LESS = 40133;
inline constexpr UINT ID_FT_HYPERLINK = 40159;
inline constexpr UINT ID_FT_PICK = 40160;
inline constexpr UINT ID_FT_SYMBOL = 40161;
inline constexpr UINT ID_FT_PLAIN = 40199;
inline constexpr UINT ID_FT_SUPERSCRIPT = 32816;
inline constexpr UINT ID_FT_SUBSCRIPT = 32817;

class CxFtEdit : public CRichEditCtrl, public CxMenuHelper {
public:
    enum class Script { Common, Raised, Lowered };
    struct ObjectLink {
        const void* object;
        ZnsStringW text;
        unsigned flags;
    };

    CxFtEdit();
    ~CxFtEdit() override;

    ZnsStringW GetSelText2() const { return GetSelText(); }
    // The drawing object the control edits text for (not owned).
    void SetObject(const void* object) { m_object = object; }
    const void* GetObject() const { return m_object; }
    IZnTextConverter* GetTextConverter();
    HWND getHWND() const { return m_hWnd; }
    // The object links inserted through the converter, in insertion order.
    const std::vector<ObjectLink>& GetObjectLinks() const { return m_links; }

    // Raised and lowered text: height 3/4 of the default, baseline 4/9 of it up or down;
    // common text goes back to the default height on the baseline.
    bool SetSelectionScript(Script script);
    // Raised (lowered) when the whole selection is.
    bool IsSelectionScript(Script script) const;

    void AllowPaste(bool allow = true) { m_allowPaste = allow; }
    void AllowHyperlink(bool allow = true) { m_allowHyperlink = allow; }
    void AllowPick(bool allow = true) { m_allowPick = allow; }
    void SetNumeric(bool numeric = true) { m_numeric = numeric; }
    void AllowSymbols(bool allow = true) { m_allowSymbols = allow; }
    void AllowSuperscripts(bool allow = true) { m_allowSuperscripts = allow; }
    void AllowSubscripts(bool allow = true) { m_allowSubscripts = allow; }
    bool IsPasteAllowed() const { return m_allowPaste; }
    bool IsHyperlinkAllowed() const { return m_allowHyperlink; }
    bool IsPickAllowed() const { return m_allowPick; }
    bool IsNumeric() const { return m_numeric; }
    bool IsSymbolsAllowed() const { return m_allowSymbols; }
    bool IsSuperscriptsAllowed() const { return m_allowSuperscripts; }
    bool IsSubscriptsAllowed() const { return m_allowSubscripts; }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void BuildContextMenu(CMenu& menu) override;
    void OnTypedChar(char16_t ch) override;

private:
    friend class CxFtEditTextConverter;
    bool handleCommand(UINT id);
    void toggleEffect(std::uint32_t effect);
    void setAlignment(std::uint16_t alignment);
    void indent(int twips);

    const void* m_object = nullptr;
    std::unique_ptr<IZnTextConverter> m_converter;
    std::vector<ObjectLink> m_links;
    bool m_allowPaste = true;
    bool m_allowHyperlink = false;
    bool m_allowPick = false;
    bool m_numeric = false;
    bool m_allowSymbols = false;
    bool m_allowSuperscripts = false;
    bool m_allowSubscripts = false;
};

} // namespace zn::ui
