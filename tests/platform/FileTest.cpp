// Files: causes taken from real failures, positions, short reads, open modes, line reading
// mixed with byte reads, and saving that keeps the old file when it fails.
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

#include "platform/file/SaveFile.h"
#include "platform/file/StdioFile.h"
#include "platform/text/CodePage.h"

namespace zn {
namespace {

namespace fs = std::filesystem;

class FileTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() /
                 ("reqpad-file-" + std::to_string(::getpid()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(folder);
    }
    void TearDown() override {
        std::error_code ignored;
        fs::permissions(folder, fs::perms::owner_all, ignored);
        fs::remove_all(folder, ignored);
    }
    ZnsStringW name(const std::string& file) const { return fromUtf8((folder / file).string()); }
    void put(const std::string& file, const std::string& bytes) const {
        std::ofstream(folder / file, std::ios::binary) << bytes;
    }
    std::string contents(const std::string& file) const {
        std::ifstream in(folder / file, std::ios::binary);
        std::stringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }
    // The exception Open reports for `file` opened with `flags`.
    CFileException openFailure(const ZnsStringW& file, unsigned flags) const {
        CFile f;
        CFileException error;
        EXPECT_FALSE(f.Open(file, flags, &error));
        EXPECT_FALSE(f.IsOpen());
        return error;
    }

    fs::path folder;
};

TEST_F(FileTest, OpenFailuresNameTheCauseTheErrorAndTheFile) {
    fs::create_directory(folder / "sub");
    CFileException missing = openFailure(name("none.ntb"), CFile::modeRead);
    EXPECT_EQ(missing.m_cause, CFileException::fileNotFound);
    EXPECT_EQ(missing.m_lOsError, ENOENT);
    EXPECT_EQ(missing.m_strFileName, name("none.ntb"));

    EXPECT_EQ(openFailure(name("nodir/x.ntb"), CFile::modeCreate | CFile::modeWrite).m_cause,
              CFileException::badPath);
    EXPECT_EQ(openFailure(u"", CFile::modeRead).m_cause, CFileException::badPath);
    put("plain", "x");
    EXPECT_EQ(openFailure(name("plain/x"), CFile::modeRead).m_cause, CFileException::badPath);
    // A folder is refused for reading as well as for writing.
    EXPECT_EQ(openFailure(name("sub"), CFile::modeRead).m_cause, CFileException::accessDenied);
    EXPECT_EQ(openFailure(name("sub"), CFile::modeWrite).m_cause, CFileException::accessDenied);
}

TEST_F(FileTest, ReadOnlyFileRefusesWriting) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "running as root, which may write any file";
    put("locked.ntb", "old");
    fs::permissions(folder / "locked.ntb", fs::perms::owner_read);
    CFileException error = openFailure(name("locked.ntb"), CFile::modeWrite | CFile::modeCreate);
    EXPECT_EQ(error.m_cause, CFileException::accessDenied);
    EXPECT_EQ(error.m_lOsError, EACCES);
    EXPECT_EQ(contents("locked.ntb"), "old");
}

TEST_F(FileTest, OpenReportsOrTheConstructorThrows) {
    CFile file;
    EXPECT_FALSE(file.Open(name("none"), CFile::modeRead)); // no exception asked for
    try {
        CFile thrown(name("none"), CFile::modeRead);
        FAIL() << "opened a missing file";
    } catch (const CFileException& e) {
        EXPECT_EQ(e.m_cause, CFileException::fileNotFound);
        EXPECT_EQ(e.m_strFileName, name("none"));
    }
    // A successful open clears what an earlier failure left in the exception.
    CFileException error(CFileException::diskFull, ENOSPC, u"old");
    EXPECT_TRUE(file.Open(name("new"), CFile::modeCreate | CFile::modeWrite, &error));
    EXPECT_EQ(error.m_cause, CFileException::none);
    EXPECT_EQ(file.GetFilePath(), name("new"));
}

TEST_F(FileTest, SeekingPastTheEndAndBeforeTheStart) {
    CFile file(name("f"), CFile::modeCreate | CFile::modeReadWrite);
    file.Write("abc", 3);
    EXPECT_EQ(file.Seek(10, CFile::begin), 10u);
    char byte;
    EXPECT_EQ(file.Read(&byte, 1), 0u);
    file.Write("z", 1);
    EXPECT_EQ(file.GetLength(), 11u);
    try {
        file.Seek(-20, CFile::current);
        FAIL() << "seek before the start";
    } catch (const CFileException& e) {
        EXPECT_EQ(e.m_cause, CFileException::badSeek);
        EXPECT_EQ(e.m_lOsError, EINVAL);
    }
    EXPECT_EQ(file.GetPosition(), 11u);
    EXPECT_EQ(file.Seek(-8, CFile::end), 3u);
    file.Close();
    EXPECT_EQ(contents("f"), std::string("abc\0\0\0\0\0\0\0z", 11));
}

TEST_F(FileTest, ShortReadsAndTheEndOfTheFile) {
    put("short", "12345");
    CFile file(name("short"), CFile::modeRead | CFile::typeBinary);
    char buffer[8] = {};
    EXPECT_EQ(file.Read(buffer, 3), 3u);
    EXPECT_EQ(file.Read(buffer, 8), 2u); // fewer only at the end
    file.SeekToBegin();
    file.ReadExactly(buffer, 4);
    try {
        file.ReadExactly(buffer, 4);
        FAIL() << "read past the end";
    } catch (const CFileException& e) {
        EXPECT_EQ(e.m_cause, CFileException::endOfFile);
        EXPECT_EQ(e.m_strFileName, name("short"));
    }
}

TEST_F(FileTest, CreateTruncatesUnlessToldNotTo) {
    put("keep", "0123456789");
    {
        // The in-place rewrite of a file's tail: open as it is, seek, write.
        CFile file(name("keep"), CFile::modeWrite | CFile::modeNoTruncate | CFile::modeCreate);
        EXPECT_EQ(file.GetLength(), 10u);
        file.Seek(6, CFile::begin);
        file.Write("AB", 2);
    }
    EXPECT_EQ(contents("keep"), "012345AB89");
    { CFile(name("keep"), CFile::modeWrite | CFile::modeCreate).Close(); }
    EXPECT_EQ(contents("keep"), "");
    // No-truncate with create still makes a missing file; without create it must exist.
    { CFile(name("made"), CFile::modeCreate | CFile::modeNoTruncate | CFile::modeWrite); }
    EXPECT_TRUE(fs::exists(folder / "made"));
    EXPECT_EQ(openFailure(name("absent"), CFile::modeWrite | CFile::modeNoTruncate).m_cause,
              CFileException::fileNotFound);

    CFile file(name("keep"), CFile::modeReadWrite);
    file.Write("abcdef", 6);
    file.SetLength(2);
    EXPECT_EQ(file.GetLength(), 2u);
}

TEST_F(FileTest, OperationsAgainstTheOpenModeOrAClosedFile) {
    put("r", "data");
    CFile file(name("r"), CFile::modeRead | CFile::shareDenyWrite);
    auto causeOf = [&](auto operation) {
        try {
            operation();
        } catch (const CFileException& e) {
            EXPECT_EQ(e.m_strFileName, name("r"));
            return e.m_cause;
        }
        return CFileException::none;
    };
    EXPECT_EQ(causeOf([&] { file.Write("x", 1); }), CFileException::accessDenied);
    EXPECT_EQ(causeOf([&] { file.SetLength(0); }), CFileException::accessDenied);
    file.Close();
    char byte;
    EXPECT_EQ(causeOf([&] { file.Read(&byte, 1); }), CFileException::invalidFile);
    EXPECT_EQ(causeOf([&] { file.Close(); }), CFileException::invalidFile);
    EXPECT_EQ(contents("r"), "data");
}

TEST_F(FileTest, FullDiskIsReportedOnWrite) {
    if (!fs::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full on this system";
    CFile file(u"/dev/full", CFile::modeWrite);
    try {
        file.Write("x", 1);
        FAIL() << "wrote to a full device";
    } catch (const CFileException& e) {
        EXPECT_EQ(e.m_cause, CFileException::diskFull);
        EXPECT_EQ(e.m_strFileName, u"/dev/full");
    }
}

TEST_F(FileTest, RemoveAndRenameReportWhatIsMissing) {
    put("a", "1");
    CFile::Rename(name("a"), name("a.bak"));
    EXPECT_EQ(contents("a.bak"), "1");
    auto causeOf = [](auto operation) {
        try {
            operation();
        } catch (const CFileException& e) {
            return e.m_cause;
        }
        return CFileException::none;
    };
    EXPECT_EQ(causeOf([&] { CFile::Rename(name("a"), name("b")); }), CFileException::fileNotFound);
    EXPECT_EQ(causeOf([&] { CFile::Rename(name("a.bak"), name("no/b")); }),
              CFileException::badPath);
    CFile::Remove(name("a.bak"));
    EXPECT_FALSE(fs::exists(folder / "a.bak"));
    EXPECT_EQ(causeOf([&] { CFile::Remove(name("a.bak")); }), CFileException::fileNotFound);
}

TEST_F(FileTest, LinesInTheAnsiCodePageThenBytes) {
    setSystemAnsiCodePageOverride(1251);
    // Old notebook layout: lines up to a marker, then texts of known byte lengths.
    put("tt.dat", "\xcf\xf0\xe8\xe2\xe5\xf2\r\nname //5\n// Data:\nhello\r\nworld");
    CStdioFile file(name("tt.dat"), CFile::modeRead | CFile::typeText);
    ZnsStringW line;
    ASSERT_TRUE(file.ReadString(line));
    EXPECT_EQ(line, u"Привет");
    ASSERT_TRUE(file.ReadString(line));
    EXPECT_EQ(line, u"name //5");
    ASSERT_TRUE(file.ReadString(line));
    EXPECT_EQ(file.GetPosition(), 26u);
    char text[5];
    file.ReadExactly(text, 5);
    EXPECT_EQ(std::string(text, 5), "hello");
    file.Seek(2, CFile::current);
    ASSERT_TRUE(file.ReadString(line));
    EXPECT_EQ(line, u"world"); // the last line needs no line end
    EXPECT_FALSE(file.ReadString(line));
    file.SeekToBegin();
    ASSERT_TRUE(file.ReadString(line));
    EXPECT_EQ(line, u"Привет");
    setSystemAnsiCodePageOverride(0);
}

TEST_F(FileTest, WritingAfterLinesLandsAfterTheLastLineTaken) {
    put("t", "one\ntwo\nthree\n");
    CStdioFile file(name("t"), CFile::modeReadWrite);
    ZnsStringW line;
    file.ReadString(line);
    file.Write("TWO", 3);
    file.ReadString(line);
    EXPECT_EQ(line, u"");
    file.Close();
    EXPECT_EQ(contents("t"), "one\nTWO\nthree\n");
}

TEST_F(FileTest, SavingReplacesTheFileOnlyWhenComplete) {
    put("book.ntb", "old");
    {
        CSaveFile save(name("book.ntb"), CFile::modeCreate | CFile::modeWrite);
        save.Write("new", 3);
        EXPECT_EQ(contents("book.ntb"), "old");
        EXPECT_EQ(save.GetPosition(), 3u);
        save.Close();
    }
    EXPECT_EQ(contents("book.ntb"), "new");
    // An exception between opening and closing leaves the old file and no temporary.
    try {
        CSaveFile save(name("book.ntb"), CFile::modeCreate | CFile::modeWrite);
        save.Write("half", 4);
        throw CFileException(CFileException::diskFull, ENOSPC, save.GetFilePath());
    } catch (const CFileException& e) {
        EXPECT_EQ(e.m_strFileName, name("book.ntb")); // the user's file, not the temporary
    }
    EXPECT_EQ(contents("book.ntb"), "new");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);

    CSaveFile save;
    CFileException error;
    EXPECT_FALSE(save.Open(name("gone/book.ntb"), CFile::modeCreate | CFile::modeWrite, &error));
    EXPECT_EQ(error.m_cause, CFileException::badPath);
    EXPECT_EQ(error.m_strFileName, name("gone/book.ntb"));
    fs::create_directory(folder / "dir.ntb");
    EXPECT_FALSE(save.Open(name("dir.ntb"), CFile::modeCreate | CFile::modeWrite, &error));
    EXPECT_EQ(error.m_cause, CFileException::accessDenied);
}

TEST_F(FileTest, SavingOverAReadOnlyFileIsRefused) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "running as root, which may write any file";
    put("locked.ntb", "old");
    fs::permissions(folder / "locked.ntb", fs::perms::owner_read);
    CSaveFile save;
    CFileException error;
    EXPECT_FALSE(save.Open(name("locked.ntb"), CFile::modeCreate | CFile::modeWrite, &error));
    EXPECT_EQ(error.m_cause, CFileException::accessDenied);
    // A folder that may not be written cannot take the temporary: the save fails at Open.
    fs::permissions(folder / "locked.ntb", fs::perms::owner_all);
    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_FALSE(save.Open(name("locked.ntb"), CFile::modeCreate | CFile::modeWrite, &error));
    EXPECT_EQ(error.m_cause, CFileException::accessDenied);
    EXPECT_EQ(error.m_strFileName, name("locked.ntb"));
    EXPECT_EQ(contents("locked.ntb"), "old");
}

} // namespace
} // namespace zn
