// The ruler bar above the requirements editor: a scale in the current unit, the indents
// and tab stops of the paragraph at the caret, and dragging them with the mouse. The bar
// works on its owner, a rich-edit control: at every idle update it reads the control's
// size, formatting rectangle, horizontal scroll and paragraph format; after every drag it
// writes the paragraph format back for the selected paragraphs.
#pragma once

#include <array>
#include <optional>

#include "platform/richedit/ParaFormat.h"
#include "platform/ui/ControlBar.h"
#include "platform/ui/DeviceContext.h"
#include "ruler/ComboRulerItem.h"
#include "ruler/RulerItem.h"
#include "ruler/RulerUnits.h"

namespace ruler {

class CRulerBar : public zn::ui::CControlBar {
public:
    static constexpr int kInsideHeight = 17;
    static constexpr int kTabMarkers = zn::richedit::MAX_TAB_STOPS;

    CRulerBar();

    // A bar docked at the top of `parent`, shown when `style` has WS_VISIBLE. It works on
    // its owner (SetOwner), or on `parent` when it has none. False when the window or
    // the marker pictures cannot be made.
    bool Create(zn::ui::CWnd* parent, std::uint32_t style, int id);

    // Twips and screen pixels, rounded; the editor measures with them too.
    int TwipsToPixels(int twips) const;
    int PixelsToTwips(int pixels) const;
    // A position on the scale (twips from the left edge of the text) and the bar's client
    // x that shows it, following the text area's place and the control's scroll.
    int TwipsToX(int twips) const;
    int XToTwips(int x) const;
    // Where the markers' tops are measured from: the top of the bar's inside.
    int InsideTop() const;
    // The scale runs from 0 to here: the text width and the right margin.
    int ScaleEnd() const { return TextWidth() + m_margins.right; }
    int TextWidth() const { return m_paper.cx - m_margins.left - m_margins.right; }
    const RulerUnit& Unit() const { return m_unit; }

    // The dotted, inverted line across the owner control at `twips`; drawing it twice
    // takes it away again.
    void DrawTrackingLine(int twips);

    // The markers as the paragraph format has them, and the format as the markers give it.
    void SetParaFormat(const zn::richedit::ParaFormat& format);
    void FillParaFormat(zn::richedit::ParaFormat& format);

    const CRulerItem& FirstIndent() const { return m_firstIndent; }
    const CComboRulerItem& LeftIndent() const { return m_leftIndent; }
    const CRulerItem& RightIndent() const { return m_rightIndent; }
    const CTabRulerItem& TabMarker(int index) const { return m_tabs[size_t(index)]; }

    // Places a script can point at: "first", "left" (the upper part of the left indent),
    // "block" (its lower part), "right", "tab N" (the N-th tab stop, from 1), a position
    // in twips on the scale, and "off" (under the bar).
    std::optional<zn::ui::CRect> FindItemRect(std::u16string_view item) const override;

protected:
    zn::ui::LRESULT WindowProc(zn::ui::UINT message, zn::ui::WPARAM wParam,
                               zn::ui::LPARAM lParam) override;
    void OnUpdateCmdUI(zn::ui::CWnd* target, bool disableIfNoHandler) override;
    void OnPaint() override;

private:
    struct Colors {
        zn::ui::COLORREF shadow = 0;
        zn::ui::COLORREF window = 0;
        zn::ui::COLORREF windowText = 0;
        zn::ui::CPen tickPen;
        zn::ui::CPen trackingPen;
    };

    void loadColors();
    bool loadImages();
    void onButtonDown(zn::ui::CPoint point);
    void onMouseMove(zn::ui::CPoint point);
    void onButtonUp(zn::ui::CPoint point);
    // The marker under `point` in hit order, else the first free tab marker (a click on
    // the scale makes a tab stop there); null when all tab markers are in use.
    CRulerItem* pick(zn::ui::CPoint point);
    void setLimits(CRulerItem& item);
    void track(zn::ui::CPoint point);
    int snap(int twips) const;
    void sortTabs();
    void paintScale(zn::ui::CDC& dc) const;
    void paintDefaultTabs(zn::ui::CDC& dc) const;
    zn::ui::CWnd* control() const { return GetOwner(); }

    RulerUnit m_unit;
    zn::ui::CFont m_font;
    CRulerItem m_firstIndent;
    CRulerItem m_rightIndent;
    CRulerItem m_tabTemplate;
    CComboRulerItem m_leftIndent;
    std::array<CTabRulerItem, kTabMarkers> m_tabs;
    CRulerItem* m_selected = nullptr;
    zn::ui::CSize m_paper;   // twips: the owner's client area
    zn::ui::CRect m_margins; // twips: from the client area's edges to the text's
    int m_textOffset = 0;    // pixels from the bar's left edge to the text area's
    int m_scroll = 0;        // the owner's horizontal scroll, pixels
    int m_logPixelsX = zn::ui::CDC::kPixelsPerInch;
    Colors m_colors;
};

} // namespace ruler
