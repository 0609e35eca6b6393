#include "notebook/NoteEmb.h"

#include <algorithm>

#include "notebook/NotebookCallbackDefault.h"
#include "notebook/NotebookDoc.h"
#include "notebook/TableText.h"
#include "platform/ui/Clipboard.h"

using namespace zn::ui;

namespace notebook {

namespace {

constexpr int kGap = 2;

} // namespace

CNoteEmb::CNoteEmb() : CDialog(IDD) {
    OnNotifyCode(IDC_GRID, NM_DBLCLK, [this](NMHDR* header) {
        return pick(*reinterpret_cast<NM_GRIDVIEW*>(header));
    });
    OnCommandId(IDC_OPEN_NOTEBOOK, [this] { openNotebook(); });
}

CNoteEmb::~CNoteEmb() {
    if (m_notebook)
        m_notebook->SetCallback(nullptr);
}

bool CNoteEmb::CreatePane(CWnd* parent, int id) {
    m_pParentWnd = parent;
    if (!Create(IDD, parent))
        return false;
    SetDlgCtrlID(id);
    return true;
}

HRESULT CNoteEmb::QueryInterface(const ZnsGuid& iid, void** out) {
    if (!out)
        return E_INVALIDARG;
    *out = nullptr;
    if (iid == IZnObject::IID)
        *out = static_cast<IZnObject*>(this);
    else if (iid == IDictionaryCallback::IID)
        *out = static_cast<IDictionaryCallback*>(this);
    else
        return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

void CNoteEmb::SetCallback(IDictionaryCallback* callback) {
    if (callback) {
        m_callback = callback;
        return;
    }
    CWnd* parent = GetParent() ? GetParent() : m_pParentWnd;
    m_callback = ZnPtr<IDictionaryCallback>::Adopt(
        new CNotebookCallbackDefault(parent ? parent->GetSafeHwnd() : nullptr));
}

BOOL CNoteEmb::OnInitDialog() {
    CDialog::OnInitDialog();
    if (!m_callback)
        SetCallback(nullptr);
    m_combo.SubclassDlgItem(IDC_TABLES, this);
    m_button.SubclassDlgItem(IDC_OPEN_NOTEBOOK, this);
    m_button.SetImage(kOpenNotebookImage);
    m_button.SetFlat();
    m_grid.Create(CRect{}, this, IDC_GRID, WS_CHILD | WS_VISIBLE | WS_TABSTOP);
    m_grid.SetEditable(false);
    CRect client = GetClientRect();
    layout(client.Width(), client.Height());
    fill();
    return TRUE;
}

bool CNoteEmb::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (LOWORD(wParam) == unsigned(IDC_TABLES) && HIWORD(wParam) == unsigned(CBN_SELCHANGE)) {
        showTable();
        return true;
    }
    return CDialog::OnCommand(wParam, lParam);
}

void CNoteEmb::OnSize(UINT, int cx, int cy) {
    layout(cx, cy);
}

void CNoteEmb::layout(int cx, int cy) {
    if (!m_combo.GetSafeHwnd() || !m_button.GetSafeHwnd())
        return;
    const CRect button = m_button.GetRectInParent();
    const CRect combo = m_combo.GetRectInParent();
    const int buttonLeft = std::max(0, cx - button.Width());
    m_combo.MoveWindow(0, 0, std::max(0, buttonLeft - kGap), combo.Height());
    m_button.MoveWindow(buttonLeft, 0, button.Width(), button.Height());
    if (m_grid.GetSafeHwnd()) {
        const int top = std::max(combo.Height(), button.Height()) + kGap;
        m_grid.MoveWindow(0, top, cx, std::max(0, cy - top));
    }
}

void CNoteEmb::OnDestroy() {
    // The full notebook may stay open beside the embedding dialog; it must not call a
    // pane that is gone.
    if (m_notebook) {
        m_notebook->SetCallback(nullptr);
        m_notebook.reset();
    }
    CDialog::OnDestroy();
}

void CNoteEmb::fill() {
    m_tables.clear();
    m_combo.ResetContent();
    m_grid.DeleteAllItems();
    // The notebook is read as a window would read it, old formats and messages included;
    // a notebook that cannot be read leaves the list empty once the user has been told.
    CNotebookDoc hidden;
    hidden.SetHidden(true);
    if (hidden.LoadNotebook(std::nullopt, kOpen)) {
        const CNotebookTree& pages = hidden.Pages();
        pages.ForEachItem([&](HTREEITEM item, int) {
            const NotebookPage* page = pages.GetOwnPage(item);
            if (page && page->type == kTablePage)
                m_tables[pages.Tree().GetItemText(item)] = page->text;
        });
    }
    for (const auto& [name, text] : m_tables)
        m_combo.AddString(name);
    SetSelection(0);
}

void CNoteEmb::Refresh() {
    const int current = m_combo.GetCurSel();
    const ZnsStringW chosen = current >= 0 ? m_combo.GetLBText(current) : ZnsStringW();
    fill();
    const int again = chosen.empty() ? -1 : m_combo.FindStringExact(-1, chosen);
    SetSelection(again >= 0 ? again : 0);
}

void CNoteEmb::SetSelection(int index) {
    if (index < 0 || index >= m_combo.GetCount())
        index = m_combo.GetCount() > 0 ? 0 : -1;
    m_combo.SetCurSel(index);
    showTable();
}

// Read only: no row numbers, the column names in the one fixed row, widths from the header.
void CNoteEmb::showTable() {
    m_grid.DeleteAllItems();
    const int current = m_combo.GetCurSel();
    if (current < 0)
        return;
    auto found = m_tables.find(m_combo.GetLBText(current));
    if (found == m_tables.end())
        return;
    const Table table = ParseTableText(found->second);
    const int columns = int(table.columns.size());
    m_grid.SetColumnCount(columns);
    m_grid.SetRowCount(int(table.rows.size()) + 1);
    m_grid.SetFixedRowCount(1);
    m_grid.SetFixedColumnCount(0);
    for (int col = 0; col < columns; ++col) {
        const TableColumn& column = table.columns[size_t(col)];
        m_grid.SetItemText(0, col, column.name);
        m_grid.SetColumnWidth(col, column.width > 0 ? column.width : kDefaultColumnWidth);
    }
    // A ragged row shows the cells it has; cells beyond the columns have no place.
    for (size_t row = 0; row < table.rows.size(); ++row)
        for (int col = 0; col < columns && size_t(col) < table.rows[row].size(); ++col)
            m_grid.SetItemText(int(row) + 1, col, table.rows[row][size_t(col)]);
}

LRESULT CNoteEmb::pick(const NM_GRIDVIEW& cell) {
    if (m_grid.IsValid(cell.iRow, cell.iColumn) && m_callback)
        m_callback->ReceiveText(m_grid.GetItemText(cell.iRow, cell.iColumn), 0);
    return 1; // never an edit: the grid is read only
}

void CNoteEmb::openNotebook() {
    if (!m_notebook) {
        m_notebook = NewNotebookObject();
        if (!m_notebook)
            return;
        m_notebook->SetCallback(this);
    }
    CWnd* parent = GetParent();
    m_notebook->ShowModeless(parent ? parent->GetSafeHwnd() : nullptr);
}

HRESULT CNoteEmb::ReceiveText(const ZnsStringW& text, std::int32_t) {
    CWnd* parent = GetParent();
    if (!GetSafeHwnd() || !parent)
        return E_HANDLE;
    SetClipboardText(parent, text);
    parent->SendMessage(WM_PASTE);
    return S_OK;
}

} // namespace notebook
