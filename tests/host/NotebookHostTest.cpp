// The notebook inside the reference host: its default file from the host parameter or the
// host's standard path, its cover page, the start-up import of the old default files and
// what closing it leaves in the host.
#include <cstdlib>
#include <fstream>

#include "host/Services.h"
#include "notebook/Notebook.h"
#include "notebook/NotebookDlg.h"
#include "notebook/PageText.h"
#include "platform/ui/MessageBox.h"
#include "resources/ModuleResources.h"
#include "tests/host/HostFixture.h"

using namespace notebook;

class NotebookHost : public HostFixture {
protected:
    void SetUp() override {
        HostFixture::SetUp();
        const char* data = std::getenv("XDG_DATA_HOME");
        m_savedData = data ? std::optional<std::string>(data) : std::nullopt;
        setenv("XDG_DATA_HOME", Path("data").c_str(), 1);
        std::filesystem::create_directories(Path("data/reqpad"));
        m_previous = zn::ui::SetMessageBoxHandler(
            [](void*, std::u16string_view, std::u16string_view, unsigned type) {
                return zn::ui::MessageBoxButtons(type).front();
            });
        InitModule();
        NewDrawing(); // parameter values live in the drawing
    }
    void TearDown() override {
        UnInitModule();
        zn::ui::SetMessageBoxHandler(m_previous);
        if (m_savedData)
            setenv("XDG_DATA_HOME", m_savedData->c_str(), 1);
        else
            unsetenv("XDG_DATA_HOME");
        HostFixture::TearDown();
    }
    static void write(const std::string& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }

    res::ModuleResourceScope m_resources;

private:
    std::optional<std::string> m_savedData;
    zn::ui::MessageBoxHandler m_previous;
};

TEST_F(NotebookHost, DefaultPathComesFromTheParameterThenTheHost) {
    EXPECT_EQ(CNotebookDoc::DefaultNotebookPath(), zn::fromUtf8(Path("data/reqpad/Notebook.ntb")));
    gpZnDefParamManager->SetValue(7115,
                                  ZNSVariant(ZnsArray<ZnsStringW>{u"/elsewhere/mine.ntb", u"ntb"}));
    EXPECT_EQ(CNotebookDoc::DefaultNotebookPath(), u"/elsewhere/mine.ntb");
    gpZnDefParamManager->SetValue(7115, ZNSVariant(ZnsArray<ZnsStringW>{u"", u"ntb"}));
    EXPECT_EQ(CNotebookDoc::DefaultNotebookPath(), zn::fromUtf8(Path("data/reqpad/Notebook.ntb")));
}

TEST_F(NotebookHost, CoverPageComesFromTheHostsFile) {
    CNotebookDoc doc;
    doc.NewNotebook(true);
    EXPECT_EQ(doc.Pages().GetOwnPage(doc.Pages().Root())->text, u""); // an English host: none
    write(Path("data/reqpad/NotebookCover.rtf"), "{\\rtf1 Cover}");
    doc.NewNotebook(true);
    EXPECT_EQ(doc.Pages().GetOwnPage(doc.Pages().Root())->text, u"{\\rtf1 Cover}");
}

TEST_F(NotebookHost, OldDefaultFilesAreImportedOnceAndSavedAtOnce) {
    const std::string header = "Reqpad DataBase file. // Don't change data manually!.\r\n";
    write(Path("data/reqpad/tt.dat"), header + "Steel //4\r\n// Data:\r\n1.St");
    write(Path("data/reqpad/td.dat"), header + "Mass //2\r\n// Data:\r\n5k");
    CNotebookDoc doc;
    doc.NewNotebook(true);
    doc.ImportOldDefaultFiles();
    EXPECT_FALSE(std::filesystem::exists(Path("data/reqpad/tt.dat")));
    EXPECT_FALSE(std::filesystem::exists(Path("data/reqpad/td.dat")));
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.GetFileName(), zn::fromUtf8(Path("data/reqpad/Notebook.ntb")));

    CNotebookDoc saved;
    ASSERT_EQ(saved.LoadNotebook(std::nullopt, kOpen), 1);
    const auto& tree = saved.Pages().Tree();
    HTREEITEM first = tree.GetChildItem(saved.Pages().Root());
    EXPECT_EQ(tree.GetItemText(first), u"Technical conditions");
    EXPECT_EQ(tree.GetItemText(tree.GetNextSiblingItem(first)), u"Technical parameters");
    EXPECT_EQ(PlainTextOfRtf(saved.Pages().GetOwnPage(tree.GetChildItem(first))->text), u"1. St");

    // Closing leaves the file in the host's parameter and the settings.
    saved.SaveViewState();
    ZNSVariant value;
    ASSERT_TRUE(ZnGetParam(value, 7115, 0));
    ASSERT_TRUE(value.AsTextArray());
    EXPECT_EQ(value.AsTextArray()->front(), zn::fromUtf8(Path("data/reqpad/Notebook.ntb")));
    IZnSettingsSection* section = nullptr;
    ASSERT_TRUE(SUCCEEDED(gpZnContext->OpenSettingsSection(u"ZNSTT", &section)));
    ZnPtr<IZnSettingsSection> holder = ZnPtr<IZnSettingsSection>::Adopt(section);
    EXPECT_EQ(holder->GetString(u"Notebook.LastFilename", u""),
              zn::fromUtf8(Path("data/reqpad/Notebook.ntb")));
}

TEST_F(NotebookHost, AnImportTheWindowCannotSaveStaysToBeSaved) {
    const std::string header = "Reqpad DataBase file. // Don't change data manually!.\r\n";
    write(Path("data/reqpad/tt.dat"), header + "Steel //4\r\n// Data:\r\n1.St");
    gpZnDefParamManager->SetValue(
        7115, ZNSVariant(ZnsArray<ZnsStringW>{zn::fromUtf8(Path("no folder/x.ntb")), u"ntb"}));
    CNotebook window;
    ASSERT_TRUE(window.CreateModeless(nullptr));
    // The old file is gone once imported; only the notebook holds its pages now.
    EXPECT_FALSE(std::filesystem::exists(Path("data/reqpad/tt.dat")));
    const auto& tree = window.Pages().Tree();
    EXPECT_EQ(tree.GetItemText(tree.GetChildItem(window.Pages().Root())), u"Technical conditions");
    EXPECT_TRUE(window.IsModified()) << "closing must still ask to save the import";
    window.DestroyWindow();
}
