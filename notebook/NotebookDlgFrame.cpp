// The notebook window's frame: its toolbars and tooltips, the splitter between the tree and
// the page, the layout on resize, the settings it keeps, help, and the command states the
// toolbars show.
#include <algorithm>

#include "host/Services.h"
#include "host/StoredPlacement.h"
#include "notebook/NotebookDlg.h"
#include "platform/ui/Resources.h"
#include "resources/StringTable.h"

using namespace zn::ui;

namespace notebook {

namespace {

constexpr int kMargin = 8;
constexpr int kGap = 2;
// The tree keeps at least this much, the page at least kMinPageWidth.
constexpr int kMinTreeWidth = 166;
constexpr int kMinPageWidth = 100;
// A remembered splitter position that would squeeze either side falls back to this.
constexpr int kSplitterLowest = 170;
constexpr int kSplitterFallback = 169;
// The tooltip's text buffer holds 80 characters with the terminating zero.
constexpr size_t kToolTipLength = 79;
// The one command whose button has no tooltip.
constexpr UINT kCommandWithoutTip = 9302;

const CxToolBar::Button kMainButtons[] = {
    {ID_OPEN_BOOK, 684}, {ID_SAVE_BOOK, 685}, {0, 0},           {ID_ADD_PARTITION, 228},
    {ID_ADD_PAGE, 229},  {ID_ADD_TABLE, 230}, {ID_DELETE, 231}, {ID_EDIT_PAGE, 232},
};

// The page editor's own formatting commands, shown while a text page is edited.
const CxToolBar::Button kFormatButtons[] = {
    {editor::ID_ADD_ITEM, 212},       {editor::ID_DELETE_ITEMS, 213}, {0, 0},
    {zn::ui::ID_FT_SUPERSCRIPT, 216}, {zn::ui::ID_FT_SUBSCRIPT, 217},
};

ZnsStringW toolTipOf(UINT id) {
    if (id == kCommandWithoutTip)
        return {};
    ZnsStringW text = res::LoadStringW(id);
    if (text.size() > kToolTipLength)
        text.resize(kToolTipLength);
    return text;
}

CSize sizeOf(const CWnd& window) {
    CRect rect = window.GetRectInParent();
    return {rect.Width(), rect.Height()};
}

ZnPtr<IZnSettingsSection> settingsSection() {
    ZnPtr<IZnSettingsSection> section;
    if (gpZnContext)
        gpZnContext->OpenSettingsSection(CNotebook::kSettingsSection, section.put());
    return section;
}

} // namespace

bool CNotebook::createToolBars() {
    if (!m_mainBar.Create(this, IDC_MAIN_BAR_PLACE, TBSTYLE_FLAT | TBSTYLE_TOOLTIPS,
                          kToolBarHidePlace) ||
        !m_mainBar.AddButtons(kMainButtons, toolTipOf))
        return false;
    if (!m_formatBar.Create(this, IDC_PAGE_BAR_PLACE, TBSTYLE_FLAT | TBSTYLE_TOOLTIPS,
                            kToolBarHidePlace) ||
        !m_formatBar.AddButtons(kFormatButtons, toolTipOf))
        return false;
    m_formatBar.ShowWindow(SW_HIDE);
    const CxToolBar::Button transfer[] = {{ID_TRANSFER, 233}};
    if (!m_transferBar.Create(this, IDC_PAGE_BAR_PLACE, TBSTYLE_FLAT | TBSTYLE_TOOLTIPS,
                              kToolBarHidePlace) ||
        !m_transferBar.AddButtons(transfer, toolTipOf))
        return false;
    const CxToolBar::Button help[] = {{ID_HELP, 0}};
    if (!m_helpBar.Create(this, IDC_HELP_BAR_PLACE, TBSTYLE_FLAT | TBSTYLE_TOOLTIPS,
                          kToolBarHidePlace) ||
        !m_helpBar.AddButtons(help, toolTipOf))
        return false;
    // The formatting buttons are the page editor's commands; the window's own ids for open
    // and save would mean the editor's file commands there, so only these go across.
    for (const CxToolBar::Button& button : kFormatButtons)
        if (button.command != 0)
            OnCommandId(button.command, [this, id = button.command] {
                if (!m_viewing)
                    m_view.SendMessage(WM_COMMAND, MAKEWPARAM(id, 0), 0);
                updateCommands();
            });
    OnCommandId(ID_HELP, [this] { OnHelpCall(); });
    return true;
}

void CNotebook::addToolTips() {
    if (!m_toolTips.Create(this))
        return;
    m_toolTips.Activate(true);
    for (CWnd* child : GetChildren()) {
        int id = child->GetDlgCtrlID();
        if (id <= 0)
            continue;
        ZnsStringW tip = toolTipOf(UINT(id));
        if (!tip.empty())
            m_toolTips.AddTool(child, tip);
    }
}

void CNotebook::attachSplitter() {
    if (!m_splitter.BindWithControl(this, IDC_SPLITTER))
        return;
    m_splitter.AttachAsLeftPane(IDC_NOTEBOOK_TREE);
    m_splitter.AttachAsRightPane(IDC_PAGE_VIEW);
    m_splitter.AttachAsRightPane(IDC_TABLE_GRID);
    m_splitter.AttachAsRightPane(IDC_PAGE_BAR_PLACE);
    m_splitter.SetMinWidth(kMinTreeWidth, kMinPageWidth);
}

void CNotebook::OnHelpCall() {
    if (gpZnContext)
        gpZnContext->ShowHelp(u"ZNS_HELP_TT_LIB", this);
}

void CNotebook::layout(int cx, int cy) {
    CWnd* tree = GetDlgItem(IDC_NOTEBOOK_TREE);
    CWnd* close = GetDlgItem(IDCANCEL);
    CWnd* pagePlace = m_transferBar.GetPlace();
    if (!tree || !close || !pagePlace || !m_view.GetSafeHwnd() || !m_splitter.GetSafeHwnd())
        return;
    m_mainBar.MoveWindow(kMargin, kMargin, sizeOf(m_mainBar).cx, sizeOf(m_mainBar).cy);
    int top = kMargin + sizeOf(m_mainBar).cy + kMargin;

    CSize button = sizeOf(*close);
    int rowTop = cy - kMargin - button.cy;
    close->MoveWindow(cx - kMargin - button.cx, rowTop, button.cx, button.cy);
    m_helpBar.MoveWindow(kMargin, rowTop, sizeOf(m_helpBar).cx, sizeOf(m_helpBar).cy);
    int height = std::max(0, rowTop - kMargin - top);

    // The bar keeps its place; the panes take the new height and the right pane the width.
    int bar = m_splitter.GetSplitterPos();
    int barWidth = sizeOf(m_splitter).cx;
    tree->MoveWindow(kMargin, top, std::max(0, bar - kMargin), height);
    m_splitter.MoveWindow(bar, top, barWidth, height);
    int right = bar + barWidth;
    int width = std::max(0, cx - kMargin - right);
    int barsHeight = std::max({sizeOf(m_formatBar).cy, sizeOf(m_transferBar).cy,
                               m_tableBar.GetSafeHwnd() ? sizeOf(m_tableBar).cy : 0});
    pagePlace->MoveWindow(right, top, width, barsHeight);
    // The page shows in the view or, for a table, in the grid at the same place.
    CRect page{right, top + barsHeight + kGap, right + width,
               top + std::max(barsHeight + kGap, height)};
    m_view.MoveWindow(page);
    if (m_grid.GetSafeHwnd())
        m_grid.MoveWindow(page);
    // Within the limits again, should the window have become narrower.
    m_splitter.SetSplitterPos(bar);
    placePageBars();
    Invalidate();
}

void CNotebook::placePageBars() {
    m_formatBar.UpdatePosition();
    m_transferBar.UpdatePosition();
    if (m_tableBar.GetSafeHwnd())
        m_tableBar.UpdatePosition();
}

void CNotebook::restoreSettings() {
    ZnPtr<IZnSettingsSection> section = IsHidden() ? nullptr : settingsSection();
    if (!section)
        return;
    RestoreStoredPlacement(*section, kPlacementKey, *this);
    int position = section->GetInt(kSplitterKey, m_splitter.GetSplitterPos());
    if (position < kSplitterLowest || position > GetClientRect().Width() - kMinPageWidth)
        position = kSplitterFallback;
    m_splitter.SetSplitterPos(position);
    placePageBars();
}

void CNotebook::OnSaveSettings() {
    ZnPtr<IZnSettingsSection> section = m_hWnd && !IsHidden() ? settingsSection() : nullptr;
    if (!section)
        return;
    StorePlacement(*section, kPlacementKey, *this);
    if (m_splitter.GetSafeHwnd())
        section->WriteInt(kSplitterKey, m_splitter.GetSplitterPos());
}

void CNotebook::updateCommands() {
    if (!m_mainBar.GetSafeHwnd())
        return;
    for (const CxToolBar::Button& button : kMainButtons)
        if (button.command != 0) {
            m_mainBar.EnableButton(int(button.command), IsCommandEnabled(button.command));
            m_mainBar.CheckButton(int(button.command), IsCommandChecked(button.command));
        }
    bool editingText = !m_viewing && m_view.IsWindowVisible();
    m_formatBar.ShowWindow(editingText ? SW_SHOW : SW_HIDE);
    m_transferBar.ShowWindow(m_viewing ? SW_SHOW : SW_HIDE);
    m_transferBar.EnableButton(int(ID_TRANSFER), IsCommandEnabled(ID_TRANSFER));
}

} // namespace notebook
