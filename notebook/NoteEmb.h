// CNoteEmb: the compact notebook another dialog embeds as a child (dialog 16): a list of
// the default notebook's tables, a read-only grid of the chosen one, and a button that
// opens the full notebook. A double click on a cell hands its text to the dictionary
// callback; text transferred in the full notebook comes back to this pane and is pasted
// into the dialog that embeds it.
#pragma once

#include <atomic>
#include <map>

#include "host/controls/CGridCtrl.h"
#include "host/controls/CxButtonLt.h"
#include "notebook/DictionaryCallback.h"
#include "notebook/ZnNotebook.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Dialog.h"

namespace notebook {

class CNoteEmb : public zn::ui::CDialog, public IDictionaryCallback {
public:
    static constexpr zn::ui::UINT IDD = 16;
    static constexpr int IDC_TABLES = 32948;
    static constexpr int IDC_OPEN_NOTEBOOK = 12055;
    static constexpr int IDC_GRID = 32924;
    static constexpr int kOpenNotebookImage = 189;

    CNoteEmb();
    ~CNoteEmb() override;

    // The pane as child `id` of `parent`.
    bool CreatePane(zn::ui::CWnd* parent, int id);
    // Who receives picked cells; none: a stock callback that pastes into the parent.
    void SetCallback(IDictionaryCallback* callback);
    IDictionaryCallback* GetCallback() const { return m_callback.get(); }
    // Reads the tables again and keeps the table that was chosen when it is still there.
    virtual void Refresh();

    // The chosen table's place in the list (-1: none), as the embedding dialog keeps it.
    int GetSelection() const { return m_combo.GetCurSel(); }
    void SetSelection(int index);
    // Table name -> table text, as read from the default notebook.
    const std::map<ZnsStringW, ZnsStringW>& Tables() const { return m_tables; }
    const zn::ui::CGridCtrl& Grid() const { return m_grid; }
    // The full notebook the button opened, while this pane lives.
    IZnNotebook* OpenedNotebook() const { return m_notebook.get(); }

    // The pane belongs to the dialog that embeds it: references keep nobody alive, and the
    // pane takes itself out of the notebook it opened before it goes.
    unsigned long AddRef() override { return ++m_references; }
    unsigned long Release() override { return --m_references; }
    HRESULT QueryInterface(const ZnsGuid& iid, void** out) override;
    ZnsGuid GetClassId() const override { return IDictionaryCallback::IID; }
    znsWorkID GetId() const override { return znsWorkID::Null(); }
    // Pasted into the parent window; E_HANDLE without one.
    HRESULT ReceiveText(const ZnsStringW& text, std::int32_t format) override;

protected:
    zn::ui::BOOL OnInitDialog() override;
    bool OnCommand(zn::ui::WPARAM wParam, zn::ui::LPARAM lParam) override;
    void OnSize(zn::ui::UINT type, int cx, int cy) override;
    void OnDestroy() override;
    // Enter and Esc belong to the dialog around the pane.
    void OnOK() override {}
    void OnCancel() override {}

private:
    void fill();
    void showTable();
    zn::ui::LRESULT pick(const zn::ui::NM_GRIDVIEW& cell);
    void openNotebook();
    void layout(int cx, int cy);

    zn::ui::CComboBox m_combo;
    zn::ui::CxButtonLt m_button;
    zn::ui::CGridCtrl m_grid;
    std::map<ZnsStringW, ZnsStringW> m_tables;
    ZnPtr<IDictionaryCallback> m_callback;
    ZnPtr<IZnNotebook> m_notebook;
    std::atomic<unsigned long> m_references{1};
};

} // namespace notebook
