// The notebook's data and files: the tree with its pages, the current file, the modified
// flag and the offset of the file's view-state block; creating, loading, merging and saving
// notebook files, rewriting the view state on close, and importing the old notebooks.
// The notebook window derives from it and answers the hooks; used alone it is the hidden,
// data-only notebook.
#pragma once

#include <cstdint>
#include <optional>
#include <unordered_set>

#include "notebook/NotebookImage.h"
#include "notebook/NotebookTree.h"

namespace notebook {

enum LoadMode { kOpen = 0, kMerge = 1 };

class CNotebookDoc {
public:
    CNotebookDoc();
    virtual ~CNotebookDoc();
    CNotebookDoc(const CNotebookDoc&) = delete;
    CNotebookDoc& operator=(const CNotebookDoc&) = delete;

    CNotebookTree& Pages() { return m_tree; }
    const CNotebookTree& Pages() const { return m_tree; }

    const ZnsStringW& GetFileName() const { return m_fileName; }
    bool IsModified() const { return m_modified != 0; }
    void SetModified(bool modified = true) { m_modified = modified ? 1 : 0; }
    std::uint64_t GetViewStateOffset() const { return m_viewStateOffset; }
    // A hidden notebook keeps no view state.
    bool IsHidden() const { return m_hidden; }
    void SetHidden(bool hidden) { m_hidden = hidden; }

    void NewNotebook(bool createDefault);
    // No path: the default notebook, opened. 1 on success; 0 after telling the user why,
    // with the notebook as it was.
    int LoadNotebook(const std::optional<ZnsStringW>& path, int mode);
    // 1 on success; 0 after the file-error box, with the old file and the flag untouched.
    int SaveNotebook(const ZnsStringW& path);
    // On close: the settings, and the view-state block of the current file in place.
    void SaveViewState();
    int ImportOldText(const ZnsStringW& partitionName, const ZnsStringW& path,
                      bool confirmAndDelete);
    int ImportOldTable(const ZnsStringW& path);
    // The old default files "tt.dat" and "td.dat", imported once and saved at once.
    void ImportOldDefaultFiles();

    static ZnsStringW DefaultNotebookPath();
    // The root page's text: the host's cover file, else a built-in cover for a Russian
    // host, else nothing.
    static ZnsStringW CoverText();

    // The file as it would be saved now.
    NotebookImage MakeImage() const;

protected:
    // Whether the window that shows the tree exists; until it does a load only records
    // the file name.
    virtual bool IsWindowReady() const { return true; }
    // The file name changed: the caption follows it.
    virtual void OnFileNameChanged() {}
    // A new default notebook is in the tree: redraw and update the controls.
    virtual void OnNotebookCreated() {}
    // On close, before the view state: the window's own settings.
    virtual void OnSaveSettings() {}

private:
    int loadNotebookFile(const ZnsStringW& path, const std::string& bytes, int mode);
    void applyViewState(const ViewState& state);
    ViewState makeViewState() const;
    HTREEITEM ensureSpecial(int type, unsigned nameId);
    // The page text with every character black, as files keep it.
    ZnsStringW blackened(const ZnsStringW& rtf) const;
    void rememberBlack(const ZnsStringW& rtf) const;
    void setFileName(const ZnsStringW& path);

    CNotebookTree m_tree;
    ZnsStringW m_fileName;
    int m_modified = 0;
    std::uint64_t m_viewStateOffset = 0;
    bool m_hidden = false;
    // Hashes of texts known to be black: those this notebook made black, and those read
    // from a notebook file, whose writer made them black. Saving them again needs no pass
    // through the rich-edit model, which would be most of a save's time.
    mutable std::unordered_set<std::size_t> m_blackTexts;
};

} // namespace notebook
