// `reqpad notebook`: notebook files from the command line. Every action opens the notebook
// the way the notebook window does; those that change it save it back atomically, and
// only when everything before went well, so a refused input leaves the file as it was.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <memory>
#include <optional>
#include <sstream>

#include <CLI/CLI.hpp>

#include "apps/Commands.h"
#include "apps/NotebookJson.h"
#include "apps/NotebookWindow.h"
#include "notebook/FileBytes.h"
#include "notebook/Notebook.h"
#include "notebook/NotebookSearch.h"
#include "notebook/PageText.h"
#include "platform/file/SaveFile.h"
#include "platform/text/CodePage.h"
#include "platform/ui/MessageBox.h"
#include "resources/ModuleResources.h"
#include "resources/ResourceIds.h"
#include "resources/StringTable.h"

using namespace notebook;

namespace {

constexpr unsigned IDS_CANNOT_READ = 50100;
constexpr unsigned IDS_NO_SUCH_ITEM = 50110;
constexpr unsigned IDS_NOT_A_PARTITION = 50111;
constexpr unsigned IDS_CANNOT_DELETE_ITEM = 50112;

struct NotebookOptions {
    int language = 1033;
    int codePage = 0; // 0: the interface language's
    std::string file;
    std::string path;
    std::string name;
    std::string input;  // --text, --tsv
    std::string output; // --rtf, --into
    std::string partition;
    std::string script;
    bool wholeWord = false;
    bool matchCase = false;
};

int g_messagesShown = 0;
// The window's boxes go to its user, not to the console.
zn::ui::MessageBoxHandler g_userMessageBoxes;

// The action failed; what it says has already been told, or is the message given here.
struct Failed {};

[[noreturn]] void fail(unsigned messageId, const std::string& subject) {
    std::string message = zn::toUtf8(res::LoadStringW(messageId));
    std::fprintf(stderr, "%s\n", zn::formatA(message.c_str(), subject.c_str()).c_str());
    throw Failed{};
}

ZnsStringW wide(const std::string& utf8) {
    return zn::fromUtf8(utf8);
}

void load(CNotebookDoc& doc, const std::string& file) {
    if (!doc.LoadNotebook(wide(file), kOpen))
        throw Failed{};
}

void save(CNotebookDoc& doc, const std::string& file) {
    if (!doc.SaveNotebook(wide(file)))
        throw Failed{};
}

// RTF as bytes of the code page, anything else as UTF-8 text.
ZnsStringW readText(const std::string& file) {
    std::string bytes;
    if (!ReadFileBytes(wide(file), bytes, nullptr))
        fail(IDS_CANNOT_READ, file);
    ZnsStringW asRtf = zn::ansiToWide(bytes);
    return IsRtf(asRtf) ? asRtf : zn::fromUtf8(bytes);
}

// PATH names items below the root, joined by "/"; the empty path is the root.
HTREEITEM find(const CNotebookDoc& doc, const std::string& path) {
    HTREEITEM item = doc.Pages().FindPath(wide(path));
    if (!item)
        fail(IDS_NO_SUCH_ITEM, path);
    return item;
}

// The partition a new item goes into and the new item's name.
std::pair<HTREEITEM, ZnsStringW> newPlace(const CNotebookDoc& doc, const std::string& path) {
    size_t slash = path.rfind('/');
    std::string parentPath = slash == std::string::npos ? std::string() : path.substr(0, slash);
    HTREEITEM parent = find(doc, parentPath);
    if (doc.Pages().PageType(parent) != kPartition)
        fail(IDS_NOT_A_PARTITION, parentPath);
    return {parent, wide(slash == std::string::npos ? path : path.substr(slash + 1))};
}

void addItem(const NotebookOptions& o, int type, const ZnsStringW& text) {
    CNotebookDoc doc;
    load(doc, o.file);
    auto [parent, name] = newPlace(doc, o.path);
    HTREEITEM item = doc.Pages().InsertTreeItem(name, parent, zn::ui::TVI_LAST, type);
    if (NotebookPage* page = doc.Pages().GetOwnPage(item))
        page->text = text;
    doc.Pages().SortChildren(parent);
    doc.SetModified();
    save(doc, o.file);
}

// A page's text as it reads: tables as TAB-separated rows, the header's names first.
ZnsStringW pageAsText(const NotebookPage& page) {
    if (page.type != kTablePage)
        return PlainTextOfRtf(page.text);
    Table table = ParseTableText(page.text);
    ZnsStringW text;
    for (size_t c = 0; c < table.columns.size(); ++c)
        text += table.columns[c].name + (c + 1 < table.columns.size() ? u"\t" : u"\n");
    for (const auto& row : table.rows) {
        for (size_t c = 0; c < row.size(); ++c)
            text += row[c] + (c + 1 < row.size() ? u"\t" : u"");
        text += u'\n';
    }
    return text;
}

const NotebookPage& pageOf(const CNotebookDoc& doc, const std::string& path) {
    static const NotebookPage none;
    const NotebookPage* page = doc.Pages().GetPage(find(doc, path));
    return page ? *page : none;
}

int tree(const NotebookOptions& o) {
    CNotebookDoc doc;
    load(doc, o.file);
    std::cout << NotebookToJson(doc).dump(2) << '\n';
    return 0;
}

int cat(const NotebookOptions& o) {
    CNotebookDoc doc;
    load(doc, o.file);
    ZnsStringW text = pageAsText(pageOf(doc, o.path));
    if (!text.empty() && text.back() != u'\n')
        text += u'\n';
    std::cout << zn::toUtf8(text);
    return 0;
}

// Find All over every partition: the Find result page as the window would show it.
int find(const NotebookOptions& o) {
    CNotebookDoc doc;
    load(doc, o.file);
    std::uint32_t flags = kFindAllPartitions | kFindAll;
    if (o.wholeWord)
        flags |= kFindWholeWord;
    if (o.matchCase)
        flags |= kFindMatchCase;
    CNotebookSearch search(doc.Pages());
    ZnsStringW text = PlainTextOfRtf(search.ResultText(search.FindAll(nullptr, wide(o.input), flags)));
    if (!text.empty() && text.back() != u'\n')
        text += u'\n';
    std::cout << zn::toUtf8(text);
    return 0;
}

int newNotebook(const NotebookOptions& o) {
    CNotebookDoc doc;
    doc.NewNotebook(true);
    save(doc, o.file);
    return 0;
}

int addPartition(const NotebookOptions& o) {
    addItem(o, kPartition, {});
    return 0;
}

int addPage(const NotebookOptions& o) {
    ZnsStringW text = readText(o.input);
    if (IsRtf(text)) {
        addItem(o, kTextPage, text);
        return 0;
    }
    // The file's last line end closes its last line; it opens no empty paragraph.
    if (text.ends_with(u"\n"))
        text.pop_back();
    if (text.ends_with(u"\r"))
        text.pop_back();
    addItem(o, kTextPage, RtfOfPlainText(text));
    return 0;
}

// TSV: the first line names the columns, the others are rows.
int addTable(const NotebookOptions& o) {
    Table table = ParseTableText(readText(o.input));
    for (TableColumn& column : table.columns)
        column.width = kDefaultColumnWidth;
    addItem(o, kTablePage, TableText(table));
    return 0;
}

int rename(const NotebookOptions& o) {
    CNotebookDoc doc;
    load(doc, o.file);
    HTREEITEM item = find(doc, o.path);
    doc.Pages().Tree().SetItemText(item, wide(o.name));
    if (HTREEITEM parent = doc.Pages().Tree().GetParentItem(item))
        doc.Pages().SortChildren(parent);
    doc.SetModified();
    save(doc, o.file);
    return 0;
}

int remove(const NotebookOptions& o) {
    CNotebookDoc doc;
    load(doc, o.file);
    HTREEITEM item = find(doc, o.path);
    int type = doc.Pages().PageType(item);
    if (item == doc.Pages().Root() || type == kHistory || type == kFindResult)
        fail(IDS_CANNOT_DELETE_ITEM, o.path);
    HTREEITEM parent = doc.Pages().Tree().GetParentItem(item);
    doc.Pages().DeleteItem(item);
    doc.Pages().UpdatePartitionImage(parent);
    doc.SetModified();
    save(doc, o.file);
    return 0;
}

int merge(const NotebookOptions& o) {
    CNotebookDoc doc;
    load(doc, o.file);
    if (!doc.LoadNotebook(wide(o.input), kMerge))
        throw Failed{};
    save(doc, o.file);
    return 0;
}

// The notebook to import into: the file when it exists, else a new one.
void openTarget(CNotebookDoc& doc, const std::string& file) {
    std::string bytes;
    if (ReadFileBytes(wide(file), bytes, nullptr))
        load(doc, file);
    else
        doc.NewNotebook(true);
}

int importText(const NotebookOptions& o) {
    CNotebookDoc doc;
    openTarget(doc, o.output);
    ZnsStringW path = wide(o.file);
    ZnsStringW partition =
        o.partition.empty() ? path.substr(path.find_last_of(u'/') + 1) : wide(o.partition);
    if (!doc.ImportOldText(partition, path, false)) {
        std::string bytes;
        if (!ReadFileBytes(path, bytes, nullptr))
            fail(IDS_CANNOT_READ, o.file);
        if (g_messagesShown == 0)
            fail(res::IDS_NOT_NOTEBOOK_FILE, o.file);
        throw Failed{};
    }
    save(doc, o.output);
    return 0;
}

int importTable(const NotebookOptions& o) {
    CNotebookDoc doc;
    openTarget(doc, o.output);
    if (!doc.ImportOldTable(wide(o.file)))
        throw Failed{};
    save(doc, o.output);
    return 0;
}

int exportPage(const NotebookOptions& o) {
    CNotebookDoc doc;
    load(doc, o.file);
    const NotebookPage& page = pageOf(doc, o.path);
    ZnsStringW rtf = page.type == kTablePage ? RtfOfPlainText(pageAsText(page)) : page.text;
    std::string bytes = zn::wideToAnsi(rtf);
    zn::CSaveFile file;
    zn::CFileException error;
    try {
        if (!file.Open(wide(o.output), zn::CFile::modeCreate | zn::CFile::modeWrite, &error))
            throw error;
        file.Write(bytes.data(), bytes.size());
        file.Close();
    } catch (const zn::CFileException& e) {
        file.Abort();
        e.ReportError();
        throw Failed{};
    }
    return 0;
}

int window(const NotebookOptions& options) {
    std::optional<std::string> script;
    if (!options.script.empty()) {
        std::ifstream in(options.script, std::ios::binary);
        if (!in)
            fail(IDS_CANNOT_READ, options.script);
        std::ostringstream text;
        text << in.rdbuf();
        script = text.str();
    }
    zn::ui::SetMessageBoxHandler(g_userMessageBoxes);
    return RunNotebookWindow(options.file, script, options.script);
}

int run(int (*action)(const NotebookOptions&), const NotebookOptions& options) {
    zn::setInterfaceLanguage(options.language);
    zn::setSystemAnsiCodePageOverride(options.codePage);
    // What the notebook would show in a box is what the tool prints.
    g_userMessageBoxes = zn::ui::SetMessageBoxHandler(
        [](void*, std::u16string_view text, std::u16string_view, unsigned type) {
            std::fprintf(stderr, "%s\n", zn::toUtf8(text).c_str());
            ++g_messagesShown;
            return zn::ui::MessageBoxButtons(type).front();
        });
    res::ModuleResourceScope resources;
    try {
        return action(options);
    } catch (const Failed&) {
        return 2;
    }
}

std::string checkCodePage(const std::string& value) {
    try {
        return zn::CodePage::isKnown(std::stoi(value)) ? std::string()
                                                       : "unknown code page " + value;
    } catch (const std::exception&) {
        return "not a code page: " + value;
    }
}

} // namespace

Subcommand addNotebookCommand(CLI::App& app) {
    auto o = std::make_shared<NotebookOptions>();
    CLI::App* nb = app.add_subcommand("notebook",
                                      "List, print, edit, merge, import and export notebook files");
    nb->require_subcommand(1);
    nb->fallthrough(); // the options may follow the action
    nb->add_option("--codepage", o->codePage,
                   "ANSI code page of the bytes (default: the language's)")
        ->check(checkCodePage);
    nb->add_option("--lang", o->language, "interface language: 1033, 1049 or 3082 (default 1033)")
        ->check(CLI::IsMember({1033, 1049, 3082}));
    auto chosen = std::make_shared<int (*)(const NotebookOptions&)>(nullptr);
    auto action = [&](const char* name, const char* description,
                      int (*run)(const NotebookOptions&)) {
        CLI::App* sub = nb->add_subcommand(name, description);
        sub->callback([chosen, run] { *chosen = run; });
        return sub;
    };
    action("tree", "The notebook as JSON", tree)->add_option("FILE", o->file)->required();
    CLI::App* sub = action("cat", "A page as plain text", cat);
    sub->add_option("FILE", o->file)->required();
    sub->add_option("PATH", o->path, "item names below the root, joined by '/'")->required();
    action("new", "A new notebook", newNotebook)->add_option("OUT", o->file)->required();
    sub = action("add-partition", "Add a partition", addPartition);
    sub->add_option("NTB", o->file)->required();
    sub->add_option("PATH", o->path)->required();
    sub = action("add-page", "Add a text page from plain text or RTF", addPage);
    sub->add_option("NTB", o->file)->required();
    sub->add_option("PATH", o->path)->required();
    sub->add_option("--text", o->input, "plain text or RTF")->required();
    sub = action("add-table", "Add a table page from TAB-separated lines", addTable);
    sub->add_option("NTB", o->file)->required();
    sub->add_option("PATH", o->path)->required();
    sub->add_option("--tsv", o->input, "column names, then rows")->required();
    sub = action("rename", "Rename an item", rename);
    sub->add_option("NTB", o->file)->required();
    sub->add_option("PATH", o->path)->required();
    sub->add_option("NAME", o->name)->required();
    sub = action("delete", "Delete an item with everything under it", remove);
    sub->add_option("NTB", o->file)->required();
    sub->add_option("PATH", o->path)->required();
    sub = action("merge", "Add the partitions and pages of OTHER", merge);
    sub->add_option("NTB", o->file)->required();
    sub->add_option("OTHER", o->input)->required();
    sub = action("import-text", "Import an old text notebook into a partition", importText);
    sub->add_option("DAT", o->file)->required();
    sub->add_option("--into", o->output)->required();
    sub->add_option("--partition", o->partition, "partition name (default: the file's name)");
    sub = action("import-table", "Import an old table notebook", importTable);
    sub->add_option("FILE", o->file)->required();
    sub->add_option("--into", o->output)->required();
    sub = action("export", "Write a page as RTF", exportPage);
    sub->add_option("NTB", o->file)->required();
    sub->add_option("PATH", o->path)->required();
    sub->add_option("--rtf", o->output)->required();
    sub = action("find", "Every hit of TEXT, as the Find result page lists them", find);
    sub->add_option("NTB", o->file)->required();
    sub->add_option("TEXT", o->input)->required();
    sub->add_flag("--whole-word", o->wholeWord, "only whole words");
    sub->add_flag("--match-case", o->matchCase, "upper and lower case differ");
    sub = action("ui", "The notebook window on FILE", window);
    sub->add_option("FILE", o->file)->required();
    sub->add_option("--script", o->script, "User actions for the window, one per line");
    return {nb, [o, chosen] { return run(*chosen, *o); }};
}
