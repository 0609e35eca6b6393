#include "notebook/NotebookDoc.h"

#include <unordered_map>

#include "host/Services.h"
#include "notebook/FileBytes.h"
#include "notebook/NotebookFormat.h"
#include "notebook/PageText.h"
#include "platform/file/File.h"
#include "platform/file/SaveFile.h"
#include "platform/richedit/RichEditModel.h"
#include "platform/text/CodePage.h"
#include "platform/ui/MessageBox.h"
#include "resources/ResourceIds.h"
#include "resources/StringTable.h"

namespace notebook {

using namespace zn;
using ui::AfxMessageBox;

namespace {

constexpr unsigned IDS_NOTEBOOK = 32843;
constexpr unsigned IDS_TECHNICAL_CONDITIONS = 32844;
constexpr unsigned IDS_TECHNICAL_PARAMETERS = 32845;
constexpr unsigned IDS_NOTEBOOK_FILTER = 32854;
constexpr unsigned IDS_HISTORY = 57703;
constexpr unsigned IDS_FIND_RESULT = 57704;
constexpr std::int32_t kNotebookPathParameter = 7115;

void reportReadFailure(ReadStatus status, const ZnsStringW& path) {
    CFileException::Cause cause = status == ReadStatus::Truncated
                                      ? CFileException::endOfFile
                                      : CFileException::genericException;
    CFileException(cause, 0, path).ReportError();
}

ZnsStringW fileNameOf(const ZnsStringW& path) {
    size_t slash = path.find_last_of(u"\\/");
    return slash == ZnsStringW::npos ? path : path.substr(slash + 1);
}

void writeSettingsString(const ZnsStringW& key, const ZnsStringW& value) {
    IZnSettingsSection* section = nullptr;
    if (!gpZnContext || FAILED(gpZnContext->OpenSettingsSection(u"ZNSTT", &section)) || !section)
        return;
    ZnPtr<IZnSettingsSection> holder = ZnPtr<IZnSettingsSection>::Adopt(section);
    holder->WriteString(key, value);
}

// Centred lines: the title and the two kinds of requirements text the notebook serves.
ZnsStringW builtInCover() {
    richedit::RichEditModel model;
    model.SetText(res::LoadStringW(IDS_NOTEBOOK) + u"\r" +
                  res::LoadStringW(IDS_TECHNICAL_CONDITIONS) + u"\r" +
                  res::LoadStringW(IDS_TECHNICAL_PARAMETERS));
    richedit::ParaFormat centred;
    centred.mask = richedit::PFM_ALIGNMENT;
    centred.alignment = richedit::PFA_CENTER;
    model.SetParaFormat(0, model.GetTextLength(), centred);
    return ansiToWide(model.GetRtf());
}

} // namespace

CNotebookDoc::CNotebookDoc() = default;
CNotebookDoc::~CNotebookDoc() = default;

ZnsStringW CNotebookDoc::CoverText() {
    if (!gpZnContext)
        return {};
    ZnsStringW coverFile = gpZnContext->GetStandardPath(50);
    std::string bytes;
    if (!coverFile.empty() && ReadFileBytes(coverFile, bytes, nullptr) && !bytes.empty())
        return ansiToWide(bytes);
    return gpZnContext->GetHostLanguage() == 2 ? builtInCover() : ZnsStringW();
}

ZnsStringW CNotebookDoc::DefaultNotebookPath() {
    ZNSVariant value;
    ZnsStringW path;
    if (ZnGetParam(value, kNotebookPathParameter, 0)) {
        if (const ZnsStringW* text = value.AsText())
            path = *text;
        else if (const auto* list = value.AsTextArray(); list && !list->empty())
            path = list->front();
    }
    if (!path.empty() || !gpZnContext)
        return path;
    bool russianFull = gpZnContext->GetHostKind() == 2 && gpZnContext->GetHostLanguage() == 2 &&
                       !(gpZnContext->GetFlags() & kZnsContextNoRequirementsType);
    return gpZnContext->GetStandardPath(russianFull ? 40 : 41);
}

void CNotebookDoc::setFileName(const ZnsStringW& path) {
    m_fileName = path;
    OnFileNameChanged();
}

void CNotebookDoc::NewNotebook(bool createDefault) {
    m_tree.Clear();
    m_blackTexts.clear();
    if (createDefault) {
        HTREEITEM root = m_tree.InsertTreeItem(res::LoadStringW(IDS_NOTEBOOK), ui::TVI_ROOT,
                                               ui::TVI_LAST, kPartition);
        auto cover = std::make_unique<NotebookPage>();
        cover->text = CoverText();
        m_tree.SetPage(root, std::move(cover));
        m_tree.InsertTreeItem(res::LoadStringW(IDS_HISTORY), root, ui::TVI_LAST, kHistory);
        m_tree.InsertTreeItem(res::LoadStringW(IDS_FIND_RESULT), root, ui::TVI_LAST, kFindResult);
    }
    m_fileName.clear();
    m_modified = 0;
    if (createDefault && !m_hidden)
        OnNotebookCreated();
}

int CNotebookDoc::LoadNotebook(const std::optional<ZnsStringW>& givenPath, int mode) {
    ZnsStringW path = givenPath ? *givenPath : DefaultNotebookPath();
    if (!givenPath)
        mode = kOpen;
    if (path.empty())
        return 0;
    std::string bytes;
    CFileException error;
    if (!ReadFileBytes(path, bytes, &error)) {
        AfxMessageBox(res::LoadStringW(res::IDS_CANNOT_OPEN_FILE) + u" \"" + path + u"\"",
                      ui::MB_ICONEXCLAMATION);
        return 0;
    }
    if (bytes.compare(0, 3, "NBF") == 0)
        return loadNotebookFile(path, bytes, mode);
    if (IsWindowReady() &&
        (ImportOldText(fileNameOf(path), path, false) == 1 || ImportOldTable(path) == 1))
        return 1;
    AfxMessageBox(res::LoadStringW(res::IDS_NOT_NOTEBOOK_FILE), ui::MB_ICONEXCLAMATION);
    return 0;
}

int CNotebookDoc::loadNotebookFile(const ZnsStringW& path, const std::string& bytes, int mode) {
    if (bytes.size() < 5 || (bytes.compare(3, 2, "20") != 0 && bytes.compare(3, 2, "31") != 0)) {
        AfxMessageBox(res::LoadStringW(res::IDS_NOT_LATEST_VERSION), ui::MB_ICONEXCLAMATION);
        return 0;
    }
    if (!IsWindowReady()) {
        setFileName(path);
        return 1;
    }
    NotebookReadResult read = ReadNotebookFile(bytes);
    if (!read) {
        reportReadFailure(read.status, path);
        return 0;
    }
    // Merging into an empty notebook is opening.
    const bool merge = mode == kMerge && m_tree.Root();
    if (!merge)
        NewNotebook(false);
    HTREEITEM parent = ui::TVI_ROOT;
    if (merge)
        parent = m_tree.Root();
    else if (read.image.rootFlag == 0)
        parent = m_tree.InsertTreeItem(res::LoadStringW(IDS_NOTEBOOK), ui::TVI_ROOT, ui::TVI_LAST,
                                       kPartition);

    // The items this read made, by key: the first in pre-order takes a key.
    std::unordered_map<std::int32_t, HTREEITEM> byKey;
    auto create = [&](auto& self, const NotebookFileItem& record, HTREEITEM under) -> void {
        HTREEITEM item = m_tree.InsertKeyedItem(record.text, under, record.key, record.image);
        byKey.emplace(record.key, item);
        for (const NotebookFileItem& child : record.children)
            self(self, child, item);
    };
    for (const NotebookFileItem& top : read.image.items) {
        if (!merge) {
            create(create, top, parent);
            continue;
        }
        for (const NotebookFileItem& child : top.children)
            create(create, child, parent);
    }
    for (auto& [key, page] : read.image.pages) {
        auto found = byKey.find(key);
        if (found == byKey.end() || page.type == kEmptyRecord)
            continue;
        if (merge && (page.type == kHistory || page.type == kFindResult)) {
            m_tree.DeleteItem(found->second);
            continue;
        }
        if (page.type == kTextPage)
            rememberBlack(page.text);
        m_tree.SetPage(found->second, std::make_unique<NotebookPage>(std::move(page)));
    }
    HTREEITEM root = m_tree.Root();
    if (root && !m_tree.GetOwnPage(root)) {
        auto cover = std::make_unique<NotebookPage>();
        cover->text = CoverText();
        m_tree.SetPage(root, std::move(cover));
    }
    // Keys a file shares with the tree or repeats are made unique; unique ones are kept,
    // so a file read and saved again is the same file.
    if (!m_tree.KeysUnique())
        m_tree.RenewKeys();
    if (!m_hidden) {
        m_viewStateOffset = read.viewStateOffset;
        if (merge)
            m_tree.Tree().SelectItem(root);
        else
            applyViewState(read.image.viewState);
    }
    if (merge) {
        m_tree.SortChildren(root);
        m_modified = 1;
    }
    setFileName(path);
    return 1;
}

ZnsStringW CNotebookDoc::blackened(const ZnsStringW& rtf) const {
    if (m_blackTexts.count(std::hash<ZnsStringW>()(rtf)))
        return rtf;
    ZnsStringW black = BlackenRtf(rtf);
    rememberBlack(black);
    return black;
}

void CNotebookDoc::rememberBlack(const ZnsStringW& rtf) const {
    m_blackTexts.insert(std::hash<ZnsStringW>()(rtf));
}

HTREEITEM CNotebookDoc::ensureSpecial(int type, unsigned nameId) {
    HTREEITEM item = m_tree.FindSpecial(type);
    return item
               ? item
               : m_tree.InsertTreeItem(res::LoadStringW(nameId), m_tree.Root(), ui::TVI_LAST, type);
}

void CNotebookDoc::applyViewState(const ViewState& state) {
    if (m_tree.Root()) {
        HTREEITEM history = ensureSpecial(kHistory, IDS_HISTORY);
        HTREEITEM findResult = ensureSpecial(kFindResult, IDS_FIND_RESULT);
        if (state.historyAndFindResult) {
            *m_tree.GetOwnPage(history) = state.historyAndFindResult->first;
            *m_tree.GetOwnPage(findResult) = state.historyAndFindResult->second;
            rememberBlack(state.historyAndFindResult->first.text);
            rememberBlack(state.historyAndFindResult->second.text);
        }
    }
    size_t next = 0;
    m_tree.ForEachItem([&](HTREEITEM item, int ordinal) {
        if (ordinal == state.selected) {
            m_tree.Tree().SelectItem(item);
            m_tree.Tree().EnsureVisible(item);
        }
        if (next < state.expanded.size() && state.expanded[next] == ordinal) {
            m_tree.Expand(item, true);
            ++next;
        }
    });
}

ViewState CNotebookDoc::makeViewState() const {
    ViewState state;
    const ui::CxTreeCtrl& tree = m_tree.Tree();
    m_tree.ForEachItem([&](HTREEITEM item, int ordinal) {
        if (state.selected == 0 && tree.GetItemState(item, ui::TVIS_SELECTED))
            state.selected = ordinal;
        if (tree.GetItemState(item, ui::TVIS_EXPANDED))
            state.expanded.push_back(ordinal);
    });
    const NotebookPage* history = m_tree.GetOwnPage(m_tree.FindSpecial(kHistory));
    const NotebookPage* findResult = m_tree.GetOwnPage(m_tree.FindSpecial(kFindResult));
    if (history && findResult) {
        NotebookPage h = *history, f = *findResult;
        h.text = blackened(h.text);
        f.text = blackened(f.text);
        state.historyAndFindResult.emplace(std::move(h), std::move(f));
    }
    return state;
}

NotebookImage CNotebookDoc::MakeImage() const {
    NotebookImage image;
    const ui::CxTreeCtrl& tree = m_tree.Tree();
    HTREEITEM root = m_tree.Root();
    auto record = [&](auto& self, HTREEITEM item) -> NotebookFileItem {
        NotebookFileItem out;
        out.text = tree.GetItemText(item);
        out.key = m_tree.Key(item);
        out.state = tree.GetItemState(item, ~0u);
        tree.GetItemImage(item, out.image, out.selectedImage);
        // The tree expands an item's parents to show it; the partitions show that too.
        if (!m_tree.GetOwnPage(item) || item == root)
            out.image = out.selectedImage = m_tree.PartitionImage(item);
        for (HTREEITEM child = tree.GetChildItem(item); child;
             child = tree.GetNextSiblingItem(child))
            out.children.push_back(self(self, child));
        if (const NotebookPage* page = m_tree.GetOwnPage(item); page && item != root) {
            NotebookPage written = *page;
            if (page->type == kHistory || page->type == kFindResult)
                written.text.clear();
            else if (page->type == kTextPage)
                written.text = blackened(page->text);
            image.pages.emplace_back(out.key, std::move(written));
        }
        return out;
    };
    for (HTREEITEM top = root; top; top = tree.GetNextSiblingItem(top))
        image.items.push_back(record(record, top));
    image.viewState = makeViewState();
    return image;
}

int CNotebookDoc::SaveNotebook(const ZnsStringW& path) {
    std::string bytes;
    std::size_t viewStateOffset = WriteNotebookFile(MakeImage(), bytes);
    CSaveFile file;
    CFileException error;
    if (!file.Open(path, CFile::modeCreate | CFile::modeWrite | CFile::typeBinary, &error)) {
        error.ReportError();
        return 0;
    }
    try {
        file.Write(bytes.data(), bytes.size());
        file.Flush();
        file.Close();
    } catch (const CFileException& e) {
        file.Abort();
        e.ReportError();
        return 0;
    }
    m_viewStateOffset = viewStateOffset;
    setFileName(path);
    m_modified = 0;
    return 1;
}

void CNotebookDoc::SaveViewState() {
    OnSaveSettings();
    if (gpZnDefParamManager)
        gpZnDefParamManager->SetValue(
            kNotebookPathParameter,
            ZnsArray<ZnsStringW>{m_fileName, u"ntb", res::LoadStringW(IDS_NOTEBOOK_FILTER)});
    if (m_viewStateOffset == 0 || m_fileName.empty())
        return;
    std::string block;
    WriteViewState(makeViewState(), block);
    try {
        CFile file(m_fileName, CFile::modeWrite | CFile::typeBinary);
        file.Seek(std::int64_t(m_viewStateOffset), CFile::begin);
        file.Write(block.data(), block.size());
        file.Close();
    } catch (const CFileException& e) {
        e.ReportError();
        return;
    }
    writeSettingsString(u"Notebook.LastFilename", m_fileName);
}

void CNotebookDoc::ImportOldDefaultFiles() {
    if (!gpZnContext)
        return;
    ZnsStringW folder = gpZnContext->GetStandardPath(11);
    if (folder.empty())
        return;
    if (folder.back() != u'/' && folder.back() != u'\\')
        folder += u'/';
    int conditions =
        ImportOldText(res::LoadStringW(IDS_TECHNICAL_CONDITIONS), folder + u"tt.dat", true);
    int parameters =
        ImportOldText(res::LoadStringW(IDS_TECHNICAL_PARAMETERS), folder + u"td.dat", true);
    if (conditions == 1 || parameters == 1)
        SaveNotebook(m_fileName.empty() ? DefaultNotebookPath() : m_fileName);
}

} // namespace notebook
