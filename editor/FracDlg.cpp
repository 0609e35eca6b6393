#include "editor/FracDlg.h"

#include "editor/Reqpad.h"
#include "platform/ui/DataExchange.h"
#include "resources/ResourceIds.h"

namespace editor {

using namespace zn::ui;

namespace {

constexpr int IDC_WITH_BAR = 32923;
constexpr int IDC_NUMERATOR = 12054;
constexpr int IDC_DENOMINATOR = 12057;

} // namespace

CFracDlg::CFracDlg(CWnd* parent) : CDialog(res::IDD_FRACTION, parent) {}

void CFracDlg::DoDataExchange(CDataExchange* dx) {
    DDX_Check(dx, IDC_WITH_BAR, m_withBar);
    DDX_Text(dx, IDC_NUMERATOR, m_numerator);
    DDX_Text(dx, IDC_DENOMINATOR, m_denominator);
}

bool CFracDlg::PresetFromSelection(CReqpad& pad, ZnsStringW* prefix) {
    // Reading formats character by character tells the owner nothing.
    std::uint32_t mask = pad.SetEventMask(zn::richedit::ENM_NONE);
    int start = 0, end = 0;
    pad.GetSel(start, end);
    const ZnsStringW& text = pad.GetText();
    auto offset = [&](int i) { return pad.Document().CharFormatAt(i).offset; };
    auto isBar = [&](int i) { return text[std::size_t(i)] == u'|' && offset(i) == 0; };
    int found = start;
    while (found < end && offset(found) == 0 && !isBar(found))
        ++found;
    bool recognised = false;
    if (found < end) {
        int raisedStart = found;
        if (isBar(found))
            while (raisedStart > start && offset(raisedStart - 1) > 0)
                --raisedStart;
        int raisedEnd = raisedStart;
        while (raisedEnd < int(text.size()) && offset(raisedEnd) > 0)
            ++raisedEnd;
        int lowered = raisedEnd;
        bool bar = lowered < int(text.size()) && isBar(lowered);
        if (bar)
            ++lowered;
        int loweredEnd = lowered;
        while (loweredEnd < int(text.size()) && offset(loweredEnd) < 0)
            ++loweredEnd;
        recognised = bar || loweredEnd > lowered;
        if (recognised) {
            m_withBar = bar ? 1 : 0;
            m_numerator = text.substr(std::size_t(raisedStart), std::size_t(raisedEnd - raisedStart));
            m_denominator = text.substr(std::size_t(lowered), std::size_t(loweredEnd - lowered));
            int formStart = raisedStart;
            if (prefix) {
                *prefix = text.substr(std::size_t(start), std::size_t(raisedStart - start));
                if (!prefix->empty() && prefix->back() == u' ')
                    prefix->pop_back();
                if (!prefix->empty())
                    formStart = start;
            }
            pad.SetSel(formStart, loweredEnd);
        }
    }
    if (!recognised)
        pad.SetSel(start, end);
    pad.SetEventMask(mask);
    return recognised;
}

} // namespace editor
