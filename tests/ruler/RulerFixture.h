// A ruler over a rich-edit control in a window, as the editor dialog puts them, with the
// module's resources installed. The control's text starts 10 pixels in from its left edge
// and stops 10 pixels before its right edge, so the margins are 150 twips each.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "platform/ui/Input.h"
#include "platform/ui/RichEditCtrl.h"
#include "platform/ui/ScriptActions.h"
#include "platform/ui/SystemColors.h"
#include "resources/ModuleResources.h"
#include "ruler/RulerBar.h"

namespace ruler::test {

using namespace zn::ui;
using zn::richedit::ParaFormat;

// A control scrolled sideways by `scrollX` pixels whatever its text, so the ruler's
// conversions can be checked at a scroll position.
class ScrolledEdit : public CRichEditCtrl {
public:
    int scrollX = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == EM_GETSCROLLPOS) {
            *reinterpret_cast<CPoint*>(lParam) = {scrollX, 0};
            return 1;
        }
        return CRichEditCtrl::WindowProc(message, wParam, lParam);
    }
};

class RulerTest : public ::testing::Test {
protected:
    static constexpr int kEditWidth = 400;
    static constexpr int kTextLeft = 10;
    // 380 pixels of text: 5700 twips; the scale ends 150 twips further.
    static constexpr int kTextWidth = 5700;
    static constexpr int kScaleEnd = 5850;

    void SetUp() override {
        ClearMessageQueue();
        ASSERT_TRUE(frame.Create(u"Test", u"Editor", WS_POPUP | WS_VISIBLE, {0, 0, kEditWidth, 300},
                                 nullptr, 0));
        ASSERT_TRUE(bar.Create(&frame, WS_CHILD | WS_VISIBLE, 12016));
        ASSERT_TRUE(edit.Create(WS_VISIBLE | ES_MULTILINE, frame.RepositionBars(), &frame, 12014));
        bar.SetOwner(&edit);
        CRect text{kTextLeft, 0, kEditWidth - kTextLeft, 200};
        edit.SendMessage(EM_SETRECT, 0, LPARAM(&text));
        edit.SetText(u"first\rsecond\rthird");
        edit.SetSel(0, 0);
        PumpMessages();
    }
    void TearDown() override {
        ResetSysColors();
        ClearMessageQueue();
    }

    // Gives the caret's paragraphs this format and lets the ruler follow.
    void setFormat(int startIndent, int offset, int rightIndent, std::vector<int> tabs = {}) {
        ParaFormat format;
        format.mask = zn::richedit::PFM_STARTINDENT | zn::richedit::PFM_OFFSET |
                      zn::richedit::PFM_RIGHTINDENT | zn::richedit::PFM_TABSTOPS;
        format.startIndent = startIndent;
        format.offset = offset;
        format.rightIndent = rightIndent;
        format.tabCount = std::int16_t(tabs.size());
        std::copy(tabs.begin(), tabs.end(), format.tabs.begin());
        edit.SetParaFormat(format);
        PumpMessages();
    }
    ParaFormat format(int paragraph = 0) const {
        const int start = edit.LineIndex(paragraph);
        return edit.GetParaFormat(start, start);
    }
    static std::vector<int> tabsOf(const ParaFormat& format) {
        return {format.tabs.begin(), format.tabs.begin() + format.validTabCount()};
    }
    // One line of the scripted user's language, applied to the window.
    void user(const std::string& line) {
        std::string error;
        std::optional<ScriptAction> action = ParseScriptAction(line, &error);
        ASSERT_TRUE(action) << error;
        ApplyInputAction(*action, frame);
        PumpMessages();
    }
    // The bar's client point showing `twips` on the scale, where no marker stands.
    CPoint scalePoint(int twips) const {
        return bar.FindItemRect(zn::format("%d", twips))->TopLeft();
    }

    res::ModuleResourceScope scope;
    CWnd frame;
    CRulerBar bar;
    ScrolledEdit edit;
};

} // namespace ruler::test
