// Writes that fail: the settings file and the editor's RTF export, each refused part way
// by the file layer, by permissions, and by a folder standing where the file goes. Every
// time the old file stays byte for byte and the user is told.
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "editor/Reqpad.h"
#include "host/Services.h"
#include "platform/file/File.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/ScriptedAgent.h"
#include "resources/ModuleResources.h"
#include "tests/host/HostFixture.h"

namespace {

namespace fs = std::filesystem;

std::string bytesOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool isRoot() {
    return ::geteuid() == 0;
}

// Lets the folder be written again whatever a test did to it, so it can be removed.
struct WritableAgain {
    fs::path folder;
    ~WritableAgain() { fs::permissions(folder, fs::perms::owner_all); }
};

class WriteFailure : public HostFixture {
protected:
    void SetUp() override {
        HostFixture::SetUp();
        m_previous = zn::ui::SetUserAgent(&agent);
        zn::ui::ClearRecordedMessageBoxes();
    }
    void TearDown() override {
        zn::CFile::StopFailingWrites();
        zn::ui::SetUserAgent(m_previous);
        HostFixture::TearDown();
    }

    // The module's way into the settings: a section of the host context.
    void writeSetting(const char16_t* key, std::int32_t value) {
        ZnPtr<IZnSettingsSection> section;
        ASSERT_EQ(gpZnContext->OpenSettingsSection(u"ZNSTT", section.put()), S_OK);
        section->WriteInt(key, value);
    }
    // The messages the host showed since `from`.
    std::vector<ZnsStringW> messagesSince(size_t from) {
        std::vector<ZnsStringW> texts;
        const auto& events = Host().Notifications().Events();
        for (size_t i = from; i < events.size(); ++i)
            if (events[i].kind == simhost::HostEvent::Kind::Message)
                texts.push_back(events[i].text);
        return texts;
    }
    // A settings write that must fail: the file keeps `old` and one message names the file.
    void expectSettingKept(const std::string& old, const char* cause) {
        const size_t before = Host().Notifications().Events().size();
        writeSetting(u"Refused", 7);
        zn::CFile::StopFailingWrites();
        EXPECT_EQ(bytesOf(Host().Settings().Path()), old) << cause;
        std::vector<ZnsStringW> told = messagesSince(before);
        ASSERT_EQ(told.size(), 1u) << cause;
        EXPECT_NE(told[0].find(zn::fromUtf8(Host().Settings().Path())), ZnsStringW::npos)
            << cause << ": " << zn::toUtf8(told[0]);
    }

    // The module's dialogs write their settings with the module's resources installed.
    res::ModuleResourceScope resources;
    zn::ui::ScriptedAgent agent;

private:
    zn::ui::UserAgent* m_previous = nullptr;
};

TEST_F(WriteFailure, TheSettingsFileKeepsItsOldBytesWhenTheDiskFillsPartWay) {
    writeSetting(u"Kept", 1);
    const std::string first = bytesOf(Host().Settings().Path());
    ASSERT_FALSE(first.empty());
    for (std::uint64_t bytes : {std::uint64_t(0), std::uint64_t(1), std::uint64_t(first.size() / 2),
                                std::uint64_t(first.size())}) {
        const std::string old = bytesOf(Host().Settings().Path());
        zn::CFile::FailWritesAfter(bytes);
        expectSettingKept(old, "after some bytes");
        // The next write that goes through ends the failure; a later one is told again.
        writeSetting(u"Kept", 1);
    }
    const size_t before = Host().Notifications().Events().size();
    zn::CFile::FailWritesAfter(0);
    writeSetting(u"Refused", 1);
    writeSetting(u"Refused", 2);
    zn::CFile::StopFailingWrites();
    std::vector<ZnsStringW> told = messagesSince(before);
    ASSERT_EQ(told.size(), 1u) << "the same failure is told once";
    EXPECT_NE(told[0].find(u"There is not enough space on the disk."), ZnsStringW::npos)
        << zn::toUtf8(told[0]);
    size_t files = 0;
    for (const auto& entry : fs::directory_iterator(fs::path(Host().Settings().Path()).parent_path()))
        files += entry.path().filename().string().find("settings") != std::string::npos;
    EXPECT_EQ(files, 1u) << "no temporary file is left beside the settings";
}

TEST_F(WriteFailure, TheSettingsFileInAReadOnlyFolderOrAsAFolder) {
    writeSetting(u"Kept", 1);
    const std::string old = bytesOf(Host().Settings().Path());
    const fs::path folder = fs::path(Host().Settings().Path()).parent_path();
    if (!isRoot()) {
        WritableAgain restore{folder};
        fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
        expectSettingKept(old, "a read-only folder");
    }
    writeSetting(u"Kept", 1); // clears the failure, so the next one is told again
    fs::remove(Host().Settings().Path());
    fs::create_directory(Host().Settings().Path());
    const size_t before = Host().Notifications().Events().size();
    writeSetting(u"Refused", 7);
    EXPECT_TRUE(fs::is_directory(Host().Settings().Path()));
    EXPECT_EQ(messagesSince(before).size(), 1u);
}

// The editor's File > Save (57604) over an older export.
class ExportFailure : public WriteFailure {
protected:
    void SetUp() override {
        WriteFailure::SetUp();
        ASSERT_TRUE(owner.Create(u"Test", u"Owner", zn::ui::WS_POPUP, {0, 0, 640, 480}, nullptr, 0));
        ASSERT_TRUE(pad.Create(zn::ui::WS_VISIBLE, {0, 0, 600, 400}, &owner, 12014));
        pad.InitControl();
        ASSERT_EQ(pad.SetContent(u"1. Sharp edges blunted\r2. Unspecified radii 1 mm", 0), 1);
        path = Path("export.rtf");
        std::ofstream(path, std::ios::binary) << "{\\rtf1 the older export}";
    }
    void TearDown() override {
        pad.DestroyWindow();
        owner.DestroyWindow();
        WriteFailure::TearDown();
    }
    // Saves over the file (answering the overwrite question) and acknowledges the message.
    void saveExpectingFailure(const char* cause) {
        const std::string old = fs::is_regular_file(path) ? bytesOf(path) : std::string();
        zn::ui::ClearRecordedMessageBoxes();
        agent.AddScript("file " + path + "\nanswer yes\nanswer ok");
        pad.SendMessage(zn::ui::WM_COMMAND, 57604);
        zn::CFile::StopFailingWrites();
        EXPECT_EQ(agent.Remaining(), 0u) << cause;
        ASSERT_FALSE(zn::ui::RecordedMessageBoxes().empty()) << cause;
        EXPECT_EQ(zn::ui::RecordedMessageBoxes().back().text,
                  u"Cannot open file.\n Perhaps, it is used by another application.")
            << cause;
        if (!old.empty()) {
            EXPECT_EQ(bytesOf(path), old) << cause;
        }
        EXPECT_EQ(pad.GetText(), u"1. Sharp edges blunted\r2. Unspecified radii 1 mm");
    }

    zn::ui::CWnd owner;
    editor::CReqpad pad;
    std::string path;
};

TEST_F(ExportFailure, AnExportRefusedPartWayKeepsTheOlderFile) {
    // The export is some 260 bytes: each budget ends it part way.
    for (std::uint64_t bytes : {0, 1, 64, 200}) {
        zn::CFile::FailWritesAfter(bytes);
        saveExpectingFailure("after some bytes");
    }
    size_t files = 0;
    for (const auto& entry : fs::directory_iterator(fs::path(path).parent_path()))
        files += entry.path().filename().string().find("export") != std::string::npos;
    EXPECT_EQ(files, 1u) << "no temporary file is left beside the export";
    // Without the failure the same command replaces it, zero byte and all.
    agent.AddScript("file " + path + "\nanswer yes");
    pad.SendMessage(zn::ui::WM_COMMAND, 57604);
    const std::string written = bytesOf(path);
    EXPECT_EQ(written.rfind("{\\rtf1", 0), 0u);
    EXPECT_EQ(written.back(), '\0');
    EXPECT_NE(written.find("Sharp edges blunted"), std::string::npos);
}

TEST_F(ExportFailure, AReadOnlyExportOrFolderOrAFolderInItsPlace) {
    if (!isRoot()) {
        fs::permissions(path, fs::perms::owner_read);
        saveExpectingFailure("a read-only file");
        fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
        WritableAgain restore{fs::path(path).parent_path()};
        fs::permissions(fs::path(path).parent_path(), fs::perms::owner_read | fs::perms::owner_exec);
        saveExpectingFailure("a read-only folder");
    }
    fs::remove(path);
    fs::create_directory(path);
    saveExpectingFailure("a folder in its place");
    EXPECT_TRUE(fs::is_directory(path));
}

} // namespace
