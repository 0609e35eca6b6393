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

// The exception `operation` throws; a default one (cause none) when it throws none.
template <class Operation> CFileException thrown(Operation operation) {
    try {
        operation();
    } catch (const CFileException& e) {
        return e;
    }
    return {};
}

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
        std::stringstream bytes;
        bytes << std::ifstream(folder / file, std::ios::binary).rdbuf();
        return bytes.str();
    }
    // What Open of `file` reports, through a CFile or a CSaveFile.
    template <class File = CFile>
    CFileException openFailure(const std::string& file, unsigned flags) const {
        File f;
        CFileException error;
        EXPECT_FALSE(f.Open(name(file), flags, &error)) << file;
        EXPECT_EQ(error.m_strFileName, name(file));
        return error;
    }

    fs::path folder;
};

TEST_F(FileTest, OpenFailuresNameTheCauseTheErrorAndTheFile) {
    fs::create_directory(folder / "sub");
    put("plain", "x");
    CFileException missing = openFailure("none.ntb", CFile::modeRead);
    EXPECT_EQ(missing.m_cause, CFileException::fileNotFound);
    EXPECT_EQ(missing.m_lOsError, ENOENT);
    EXPECT_EQ(openFailure("nodir/x", CFile::modeCreate | CFile::modeWrite).m_cause,
              CFileException::badPath);
    EXPECT_EQ(openFailure("plain/x", CFile::modeRead).m_cause, CFileException::badPath);
    // A folder is refused for reading as well as for writing.
    EXPECT_EQ(openFailure("sub", CFile::modeRead).m_cause, CFileException::accessDenied);
    EXPECT_EQ(openFailure("sub", CFile::modeWrite).m_cause, CFileException::accessDenied);
    EXPECT_EQ(openFailure("absent", CFile::modeWrite | CFile::modeNoTruncate).m_cause,
              CFileException::fileNotFound);
    CFile file;
    EXPECT_FALSE(file.Open(u"", CFile::modeRead)); // no exception asked for
}

TEST_F(FileTest, ConstructorThrowsWhatOpenReports) {
    CFileException error = thrown([&] { CFile file(name("none"), CFile::modeRead); });
    EXPECT_EQ(error.m_cause, CFileException::fileNotFound);
    EXPECT_EQ(error.m_strFileName, name("none"));
    // A successful open clears what an earlier failure left in the exception.
    CFile file;
    EXPECT_TRUE(file.Open(name("new"), CFile::modeCreate | CFile::modeWrite, &error));
    EXPECT_EQ(error.m_cause, CFileException::none);
}

TEST_F(FileTest, ReadOnlyFileAndFolderRefuseWriting) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "running as root, which may write any file";
    put("locked.ntb", "old");
    fs::permissions(folder / "locked.ntb", fs::perms::owner_read);
    CFileException error = openFailure("locked.ntb", CFile::modeWrite | CFile::modeCreate);
    EXPECT_EQ(error.m_cause, CFileException::accessDenied);
    EXPECT_EQ(error.m_lOsError, EACCES);
    // Saving through a temporary would get past a read-only file; it must not.
    EXPECT_EQ(openFailure<CSaveFile>("locked.ntb", CFile::modeWrite).m_cause,
              CFileException::accessDenied);
    fs::permissions(folder / "locked.ntb", fs::perms::owner_all);
    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_EQ(openFailure<CSaveFile>("locked.ntb", CFile::modeWrite).m_cause,
              CFileException::accessDenied);
    EXPECT_EQ(contents("locked.ntb"), "old");
}

TEST_F(FileTest, SeekingPastTheEndAndBeforeTheStart) {
    CFile file(name("f"), CFile::modeCreate | CFile::modeReadWrite);
    file.Write("abc", 3);
    EXPECT_EQ(file.Seek(10, CFile::begin), 10u);
    char byte;
    EXPECT_EQ(file.Read(&byte, 1), 0u);
    file.Write("z", 1);
    EXPECT_EQ(file.GetLength(), 11u);
    CFileException error = thrown([&] { file.Seek(-20, CFile::current); });
    EXPECT_EQ(error.m_cause, CFileException::badSeek);
    EXPECT_EQ(error.m_lOsError, EINVAL);
    EXPECT_EQ(file.GetPosition(), 11u);
    EXPECT_EQ(file.Seek(-8, CFile::end), 3u);
    file.Close();
    EXPECT_EQ(contents("f"), std::string("abc\0\0\0\0\0\0\0z", 11));
}

TEST_F(FileTest, ShortReadsAndTheEndOfTheFile) {
    put("short", "12345");
    CFile file(name("short"), CFile::modeRead | CFile::typeBinary);
    char buffer[8];
    EXPECT_EQ(file.Read(buffer, 3), 3u);
    EXPECT_EQ(file.Read(buffer, 8), 2u); // fewer only at the end
    file.SeekToBegin();
    file.ReadExactly(buffer, 4);
    CFileException error = thrown([&] { file.ReadExactly(buffer, 4); });
    EXPECT_EQ(error.m_cause, CFileException::endOfFile);
    EXPECT_EQ(error.m_strFileName, name("short"));
}

TEST_F(FileTest, CreateTruncatesUnlessToldNotTo) {
    put("keep", "0123456789");
    {
        // The in-place rewrite of a file's tail: open as it is, seek, write.
        CFile file(name("keep"), CFile::modeWrite | CFile::modeNoTruncate | CFile::modeCreate);
        file.Seek(6, CFile::begin);
        file.Write("AB", 2);
    }
    EXPECT_EQ(contents("keep"), "012345AB89");
    CFile(name("keep"), CFile::modeWrite | CFile::modeCreate).Close();
    EXPECT_EQ(contents("keep"), "");
    CFile(name("made"), CFile::modeCreate | CFile::modeNoTruncate | CFile::modeWrite).Close();
    EXPECT_TRUE(fs::exists(folder / "made"));
}

TEST_F(FileTest, OperationsAgainstTheOpenModeOrAClosedFileOrAFullDisk) {
    put("r", "data");
    CFile file(name("r"), CFile::modeRead | CFile::shareDenyWrite);
    EXPECT_EQ(thrown([&] { file.Write("x", 1); }).m_cause, CFileException::accessDenied);
    EXPECT_EQ(thrown([&] { file.SetLength(0); }).m_cause, CFileException::accessDenied);
    file.Close();
    char byte;
    EXPECT_EQ(thrown([&] { file.Read(&byte, 1); }).m_cause, CFileException::invalidFile);
    EXPECT_EQ(contents("r"), "data");
    if (!fs::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full to fill";
    CFile full(u"/dev/full", CFile::modeWrite);
    EXPECT_EQ(thrown([&] { full.Write("x", 1); }).m_cause, CFileException::diskFull);
}

TEST_F(FileTest, RemoveAndRenameReportWhatIsMissing) {
    put("a", "1");
    CFile::Rename(name("a"), name("a.bak"));
    EXPECT_EQ(contents("a.bak"), "1");
    EXPECT_EQ(thrown([&] { CFile::Rename(name("a"), name("b")); }).m_cause,
              CFileException::fileNotFound);
    EXPECT_EQ(thrown([&] { CFile::Rename(name("a.bak"), name("no/b")); }).m_cause,
              CFileException::badPath);
    CFile::Remove(name("a.bak"));
    EXPECT_EQ(thrown([&] { CFile::Remove(name("a.bak")); }).m_cause, CFileException::fileNotFound);
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
    CSaveFile save(name("book.ntb"), CFile::modeCreate | CFile::modeWrite);
    save.Write("new", 3);
    EXPECT_EQ(contents("book.ntb"), "old");
    EXPECT_EQ(save.GetPosition(), 3u);
    save.Close();
    EXPECT_EQ(contents("book.ntb"), "new");
    // An exception between opening and closing leaves the old file and no temporary.
    CFileException error = thrown([&] {
        CSaveFile half(name("book.ntb"), CFile::modeCreate | CFile::modeWrite);
        half.Write("half", 4);
        throw CFileException(CFileException::diskFull, ENOSPC, half.GetFilePath());
    });
    EXPECT_EQ(error.m_strFileName, name("book.ntb")); // the user's file, not the temporary
    EXPECT_EQ(contents("book.ntb"), "new");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);

    fs::create_directory(folder / "dir.ntb");
    EXPECT_EQ(openFailure<CSaveFile>("gone/book.ntb", CFile::modeWrite).m_cause,
              CFileException::badPath);
    EXPECT_EQ(openFailure<CSaveFile>("dir.ntb", CFile::modeWrite).m_cause,
              CFileException::accessDenied);
}

} // namespace
} // namespace zn
