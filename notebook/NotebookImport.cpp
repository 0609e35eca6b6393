// Imports of the old notebooks into partitions of the tree.
#include "notebook/FileBytes.h"
#include "notebook/NotebookDoc.h"
#include "notebook/OldNotebooks.h"
#include "notebook/OldPageConversion.h"
#include "platform/file/File.h"
#include "platform/ui/MessageBox.h"
#include "resources/ResourceIds.h"
#include "resources/StringTable.h"

namespace notebook {

using namespace zn;
using ui::AfxMessageBox;

namespace {

constexpr unsigned IDS_OLD_HEADER = 32839;
constexpr unsigned IDS_OLD_HEADER_OF_LANGUAGE = 32840;

std::vector<ZnsStringW> oldTextHeaders() {
    return {res::LoadStringW(IDS_OLD_HEADER_OF_LANGUAGE), res::LoadStringW(IDS_OLD_HEADER),
            u"Reqpad. Файл базы данных. // Не редактируйте данные вручную!."};
}

} // namespace

int CNotebookDoc::ImportOldText(const ZnsStringW& partitionName, const ZnsStringW& path,
                                bool confirmAndDelete) {
    std::string bytes;
    if (path.empty() || !ReadFileBytes(path, bytes, nullptr))
        return 0;
    OldTextNotebook old = ReadOldTextNotebook(bytes, oldTextHeaders());
    if (old.status == OldTextNotebook::NotOldText)
        return 0;
    if (confirmAndDelete && AfxMessageBox(res::LoadStringW(res::IDS_IMPORT_FROM_FILE) + path,
                                          ui::MB_YESNO | ui::MB_ICONQUESTION) != ui::IDYES)
        return 0;
    if (old.status == OldTextNotebook::ReadError) {
        AfxMessageBox(res::LoadStringW(res::IDS_OLD_IMPORT_ERROR), ui::MB_ICONEXCLAMATION);
        try {
            CFile::Rename(path, path + u".bak");
        } catch (const CFileException&) {
            // The message already said the import failed; the file stays where it is.
        }
        return 0;
    }

    if (!m_tree.Root())
        NewNotebook(true);
    ui::CxTreeCtrl& tree = m_tree.Tree();
    HTREEITEM root = m_tree.Root();
    HTREEITEM partition = nullptr;
    if (confirmAndDelete)
        for (HTREEITEM child = tree.GetChildItem(root); child && !partition;
             child = tree.GetNextSiblingItem(child))
            if (tree.GetItemText(child) == partitionName)
                partition = child;
    if (!partition)
        partition = m_tree.InsertTreeItem(partitionName, root, ui::TVI_LAST, kPartition);
    std::vector<ZnsStringW> texts;
    for (auto& page : old.pages)
        texts.push_back(std::move(page.second));
    ConvertOldPageTexts(texts);
    for (size_t i = 0; i < texts.size(); ++i) {
        HTREEITEM page =
            m_tree.InsertTreeItem(old.pages[i].first, partition, ui::TVI_LAST, kTextPage);
        m_tree.GetOwnPage(page)->text = std::move(texts[i]);
    }
    m_tree.SortChildren(partition);
    m_tree.SortChildren(root);

    if (!confirmAndDelete) {
        tree.SelectItem(root);
    } else {
        try {
            CFile::Remove(path);
        } catch (const CFileException&) {
            AfxMessageBox(res::LoadStringW(res::IDS_CANNOT_DELETE_FILE) + path +
                              res::LoadStringW(res::IDS_DELETE_MANUALLY),
                          ui::MB_ICONEXCLAMATION);
        }
    }
    m_modified = 1;
    return 1;
}

int CNotebookDoc::ImportOldTable(const ZnsStringW& path) {
    std::string bytes;
    CFileException error;
    if (!ReadFileBytes(path, bytes, &error)) {
        error.ReportError();
        return 0;
    }
    OldTableNotebook old = ReadOldTableNotebook(bytes);
    switch (old.status) {
    case OldTableNotebook::Ok:
        break;
    case OldTableNotebook::WrongVersion:
        AfxMessageBox(res::LoadStringW(res::IDS_NOT_OLD_TABLE_FILE), ui::MB_ICONEXCLAMATION);
        return 0;
    case OldTableNotebook::Truncated:
        CFileException(CFileException::endOfFile, 0, path).ReportError();
        return 0;
    case OldTableNotebook::Damaged:
        CFileException(CFileException::genericException, 0, path).ReportError();
        return 0;
    }
    if (!m_tree.Root())
        NewNotebook(true);
    HTREEITEM root = m_tree.Root();
    for (const OldTablePartition& oldPartition : old.partitions) {
        HTREEITEM partition =
            m_tree.InsertTreeItem(oldPartition.name, root, ui::TVI_LAST, kPartition);
        for (const auto& [name, text] : oldPartition.tables) {
            HTREEITEM table = m_tree.InsertTreeItem(name, partition, ui::TVI_LAST, kTablePage);
            m_tree.GetOwnPage(table)->text = text;
        }
        m_tree.SortChildren(partition);
    }
    m_tree.SortChildren(root);
    m_modified = 1;
    m_tree.Tree().SelectItem(root);
    return 1;
}

} // namespace notebook
