#include "notebook/ZnNotebook.h"

#include "host/Services.h"
#include "notebook/NotebookDlg.h"
#include "resources/ModuleResources.h"

using namespace zn::ui;

namespace notebook {

namespace {

CWnd* parentWindow(HWND parent) {
    if (CWnd* window = CWnd::FromHandle(parent))
        return window;
    return gpZnContext ? CWnd::FromHandle(HWND(gpZnContext->GetMainWindow())) : nullptr;
}

} // namespace

CZnNotebook::~CZnNotebook() {
    if (!m_notebook)
        return;
    m_notebook->SetNotebookObject(nullptr);
    // A shown modeless notebook deletes itself when its window goes; one whose window is
    // gone already (a modal run) is kept only for its last text, and goes with the object.
    if (!m_notebook->GetSafeHwnd())
        delete m_notebook;
}

HRESULT CZnNotebook::SetCallback(IDictionaryCallback* callback) {
    m_callback = callback;
    return S_OK;
}

HRESULT CZnNotebook::SetFileName(const ZnsStringW& path) {
    m_fileName = path;
    if (m_notebook && m_notebook->GetSafeHwnd())
        m_notebook->LoadNotebook(path, kOpen);
    return S_OK;
}

HRESULT CZnNotebook::SetFlags(std::uint32_t flags) {
    m_flags = flags;
    if (m_notebook)
        m_notebook->SetTransferMode(flags);
    return S_OK;
}

HRESULT CZnNotebook::GetLastText(ZnsStringW* text) {
    if (!m_notebook || !text)
        return E_FAIL;
    *text = m_notebook->LastTransferredText();
    return S_OK;
}

HRESULT CZnNotebook::SetSpare(std::int32_t spare) {
    m_spare = spare;
    return S_OK;
}

HRESULT CZnNotebook::SetModal(bool modal) {
    return SetFlags(modal ? (m_flags | kTransferClose)
                          : (m_flags & ~std::uint32_t(kTransferClose)));
}

CNotebook* CZnNotebook::makeNotebook(HWND parent) {
    if (m_notebook && !m_notebook->GetSafeHwnd()) {
        CNotebook* old = std::exchange(m_notebook, nullptr);
        old->SetNotebookObject(nullptr);
        delete old;
    }
    auto* notebook = new CNotebook(parentWindow(parent));
    notebook->SetTransferMode(m_flags);
    notebook->LoadNotebook(m_fileName.empty() ? CNotebookDoc::DefaultNotebookPath() : m_fileName,
                           kOpen);
    notebook->SetNotebookObject(this);
    m_notebook = notebook;
    return notebook;
}

HWND CZnNotebook::ShowModeless(HWND parent) {
    if (m_notebook && m_notebook->GetSafeHwnd()) {
        m_notebook->ShowWindow(SW_SHOW);
        return m_notebook->GetSafeHwnd();
    }
    res::ModuleResourceScope resources;
    CNotebook* notebook = makeNotebook(parent);
    notebook->SetAutoDelete(true);
    if (!notebook->CreateModeless(parentWindow(parent)))
        return nullptr;
    notebook->ShowWindow(SW_SHOW);
    return notebook->GetSafeHwnd();
}

std::int32_t CZnNotebook::RunModal(HWND parent) {
    res::ModuleResourceScope resources;
    CNotebook* notebook = makeNotebook(parent);
    std::int32_t result = std::int32_t(notebook->DoModal());
    // Every way out of the notebook ends it as Cancel; the owner link goes with it.
    notebook->SetNotebookObject(nullptr);
    return result;
}

HWND CZnNotebook::GetWindow() {
    return m_notebook ? m_notebook->GetSafeHwnd() : nullptr;
}

HRESULT CZnNotebook::Close() {
    if (!m_notebook || !m_notebook->GetSafeHwnd())
        return S_FALSE;
    m_notebook->CloseNotebook();
    return S_OK;
}

void CZnNotebook::NotebookGone(CNotebook* notebook) {
    if (m_notebook == notebook)
        m_notebook = nullptr;
}

IZnObject* CreateZnNotebook() {
    return static_cast<IZnObject*>(new CZnNotebook);
}

} // namespace notebook
