// CNotebook: the notebook window. The tree of partitions and pages on the left, the
// selected page on the right in the page view; adding, renaming, deleting and moving items,
// editing a page, and closing with the question whether to save.
#pragma once

#include <cstdint>
#include <vector>

#include "editor/ReqpadView.h"
#include "host/controls/CGridCtrl.h"
#include "host/controls/CxDialog.h"
#include "host/controls/CxSplitter.h"
#include "host/controls/CxToolBar.h"
#include "notebook/NotebookDoc.h"
#include "notebook/NotebookFindDlg.h"
#include "notebook/TableGrid.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/ToolTip.h"

namespace notebook {

// Commands of the window (context menu 12043 and keys).
inline constexpr zn::ui::UINT ID_NEW_BOOK = 32981;
inline constexpr zn::ui::UINT ID_OPEN_BOOK = 57601;
inline constexpr zn::ui::UINT ID_SAVE_BOOK = 57603;
inline constexpr zn::ui::UINT ID_SAVE_BOOK_AS = 57604;
inline constexpr zn::ui::UINT ID_ADD_PARTITION = 32828;
inline constexpr zn::ui::UINT ID_ADD_PAGE = 32819;
inline constexpr zn::ui::UINT ID_ADD_TABLE = 32925;
inline constexpr zn::ui::UINT ID_RENAME = 32830;
inline constexpr zn::ui::UINT ID_DELETE = 32820;
inline constexpr zn::ui::UINT ID_EDIT_PAGE = 32821;
inline constexpr zn::ui::UINT ID_FIND = 32933;
inline constexpr zn::ui::UINT ID_TRANSFER = 9502;
// Rows and columns of a table page being edited (menu 4).
inline constexpr zn::ui::UINT ID_INSERT_ROW = 32929;
inline constexpr zn::ui::UINT ID_DELETE_ROW = 32930;
inline constexpr zn::ui::UINT ID_INSERT_COLUMN = 32926;
inline constexpr zn::ui::UINT ID_DELETE_COLUMN = 32927;
inline constexpr zn::ui::UINT ID_RENAME_COLUMN = 32928;
// Controls of dialog 12042.
inline constexpr int IDC_NOTEBOOK_TREE = 12050;
inline constexpr int IDC_PAGE_VIEW = 12014;
inline constexpr int IDC_SPLITTER = 12052;
// Places the toolbars stand at: the main bar, the page's bars, the help button.
inline constexpr int IDC_MAIN_BAR_PLACE = 12010;
inline constexpr int IDC_PAGE_BAR_PLACE = 9305;
inline constexpr int IDC_HELP_BAR_PLACE = 12011;
// Passed on to the page view, and answered by the window itself.
inline constexpr zn::ui::UINT kPageViewMessage = 0xBF1;
inline constexpr zn::ui::UINT kNotebookQuery = 0x7101;
inline constexpr int IDC_TABLE_GRID = 32924;
// The notice the parent gets after a transfer to the clipboard.
inline constexpr zn::ui::UINT kCopiedNotification = 0x537;

// Transfer mode flags: what a transfer delivers, and how.
enum TransferMode : std::uint32_t {
    kTransferSingleLine = 0x01, // callback format 3
    kTransferPlain = 0x02,      // callback format 0
    kTransferRtf = 0x08,        // callback format 2
    kTransferCopyNotify = 0x10, // clipboard, then the notice to the parent
    kTransferClose = 0x20,      // the window closes after a transfer
    kTransferCopyPaste = 0x40,  // clipboard, then WM_PASTE to the parent
};

class CZnNotebook;

class CNotebook : public zn::ui::CxDialog, public CNotebookDoc {
public:
    static constexpr zn::ui::UINT IDD = 12042;
    static constexpr zn::ui::UINT IDR_CONTEXT = 12043;
    static constexpr const char16_t* kSettingsSection = u"ZNSTT";
    static constexpr zn::ui::UINT kStartLabelEdit = zn::ui::WM_APP + 0x42;
    // Settings of the window under section "ZNSTT".
    static constexpr const char16_t* kPlacementKey = u"Notebook.Dlg";
    static constexpr const char16_t* kSplitterKey = u"Notebook.SplitterPos";

    explicit CNotebook(zn::ui::CWnd* parent = nullptr);
    ~CNotebook() override;

    bool CreateModeless(zn::ui::CWnd* parent);
    // The notebook object that opened the window; its callback gets the transfers and is
    // told when the window closes. Held while the window lives.
    void SetNotebookObject(CZnNotebook* object);
    // A modeless window's object deletes itself once its window is gone.
    void SetAutoDelete(bool autoDelete) { m_autoDelete = autoDelete; }

    editor::CReqpadView& PageView() { return m_view; }
    zn::ui::CGridCtrl& TableGrid() { return m_grid; }
    zn::ui::CxToolBar& TableBar() { return m_tableBar; }
    bool IsEditingPage() const { return !m_viewing; }
    zn::ui::CxSplitter& Splitter() { return m_splitter; }
    zn::ui::CxToolBar& MainBar() { return m_mainBar; }
    zn::ui::CxToolBar& FormatBar() { return m_formatBar; }
    zn::ui::CxToolBar& TransferBar() { return m_transferBar; }
    CNotebookFindDlg* FindDialog() const { return m_find; }

    // The opener's receiver of transferred text; 0 refuses it.
    using TransferFunction = int (*)(const ZnsStringW& text, int format, std::uintptr_t context);
    void SetTransferMode(std::uint32_t mode) { m_transferMode = mode; }
    std::uint32_t GetTransferMode() const { return m_transferMode; }
    void SetTransferCallback(TransferFunction function, std::uintptr_t context);
    const ZnsStringW& LastTransferredText() const { return m_lastTransferred; }
    // Hands the page view's selection over; 0 when the opener refused it.
    int Transfer();
    // Whether a command of the window can be given now, and whether it shows checked.
    bool IsCommandEnabled(zn::ui::UINT id) const;
    bool IsCommandChecked(zn::ui::UINT id) const;

protected:
    zn::ui::BOOL OnInitDialog() override;
    void OnOK() override {} // Enter belongs to the focused control
    void OnCancel() override;
    bool PreTranslateMessage(zn::ui::MSG& msg) override;
    zn::ui::LRESULT WindowProc(zn::ui::UINT message, zn::ui::WPARAM wParam,
                               zn::ui::LPARAM lParam) override;
    void OnSize(zn::ui::UINT type, int cx, int cy) override;
    void PostNcDestroy() override;

    bool IsWindowReady() const override { return m_hWnd != nullptr; }
    void OnFileNameChanged() override;
    void OnNotebookCreated() override;
    void OnSaveSettings() override;
    void OnHelpCall() override;

private:
    void mapCommands();
    void updateCaption();

    // The frame: toolbars, tooltips, splitter, layout, settings and command states.
    bool createToolBars();
    void addToolTips();
    void attachSplitter();
    void layout(int cx, int cy);
    // Puts the page's toolbars where their place is after the splitter moved it.
    void placePageBars();
    void restoreSettings();
    void updateCommands();

    // Showing and editing pages.
    void showSelection();
    void toggleEditPage();
    void finishPageEdit();

    // The tree: adding, renaming, deleting, moving.
    // Where a new item goes: the selected partition, or the partition of the selected page.
    HTREEITEM targetPartition();
    void addItem(int type);
    void rename();
    void startLabelEdit(HTREEITEM item);
    void deleteSelection();
    zn::ui::LRESULT beginLabelEdit();
    zn::ui::LRESULT endLabelEdit(const zn::ui::NMTVDISPINFO& info);
    void beginDrag(zn::ui::HTREEITEM item);
    void drop(zn::ui::CPoint screen);
    HTREEITEM dropTarget(HTREEITEM under) const;
    void moveItem(HTREEITEM item, HTREEITEM target);
    void showContextMenu(zn::ui::CPoint screen);

    // Table pages (the grid).
    void createTableControls();
    void mapTableCommands();
    // The table toolbar shows while a table is edited, its buttons as the selection allows.
    void updateTableBar();
    void showTable(const NotebookPage* page);
    void addTable();
    void finishTableEdit(NotebookPage* page);
    void renameColumn();
    void showTableMenu();
    bool isTableCommand(zn::ui::UINT id) const;
    bool isTableCommandEnabled(zn::ui::UINT id) const;
    // Where Find Next goes on in the table shown: behind the grid's focus cell.
    int tableSearchPosition() const;
    void showTableHit(const ZnsStringW& table, int at);

    void onTransferMessage();
    // History and the closing a transfer ends with; 0 for a refused one.
    int finishTransfer(const ZnsStringW& plain, bool refused);

    // Searching.
    void openFind();
    void onFindRequest(const zn::ui::FINDREPLACE& request);
    void findNext(const ZnsStringW& text, std::uint32_t flags);
    void findAll(const ZnsStringW& text, std::uint32_t flags);

    // Files.
    void newBook();
    void openBook();
    bool save();
    bool saveAs();
    // Asks whether to save a modified notebook; false when the user cancelled.
    bool askToSave();

public:
    // Closing as the user asked; false when the window stays.
    bool CloseNotebook();

private:
    editor::CReqpadView m_view;
    zn::ui::CGridCtrl m_grid;
    zn::ui::CxToolBar m_tableBar;
    CTableEditing m_table{m_grid};
    zn::ui::CImageList m_images;
    zn::ui::CxToolBar m_mainBar;
    zn::ui::CxToolBar m_formatBar;   // while a text page is edited
    zn::ui::CxToolBar m_transferBar; // while pages are viewed
    zn::ui::CxToolBar m_helpBar;
    zn::ui::CToolTipCtrl m_toolTips;
    zn::ui::CxSplitter m_splitter;
    bool m_modeless = false;
    bool m_autoDelete = false;
    CZnNotebook* m_object = nullptr; // a reference is held
    bool m_viewing = true;
    bool m_labelEditPermitted = false;
    HTREEITEM m_dragged = nullptr;
    std::uint32_t m_transferMode = kTransferSingleLine;
    TransferFunction m_transferFunction = nullptr;
    std::uintptr_t m_transferContext = 0;
    ZnsStringW m_lastTransferred;
    CNotebookFindDlg* m_find = nullptr; // deletes itself with its window
    ZnsStringW m_lastSearch;
    std::uint32_t m_lastSearchFlags = 0x20000000; // all partitions
};

} // namespace notebook
