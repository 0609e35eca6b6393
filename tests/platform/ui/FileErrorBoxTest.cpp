// The standard file-error box: the cause's text with the file name, shown through the
// user agent and recorded.
#include <cerrno>

#include "platform/file/File.h"
#include "platform/ui/PlatformStrings.h"
#include "tests/platform/ui/UiTestSupport.h"

namespace zn::ui::test {
namespace {

class FileErrorBoxTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        SetApplicationTitle(u"Reqpad");
        resources.strings[kIdsUnnamedFile] = u"(unnamed)";
        resources.strings[kIdsFileErrorGeneric] = u"%1: generic";
        resources.strings[kIdsFileErrorNotFound] = u"%1: not found";
        resources.strings[kIdsFileErrorBadPath] = u"%1: bad path";
        resources.strings[kIdsFileErrorAccessDenied] = u"%1: denied";
        resources.strings[kIdsFileErrorEndOfFile] = u"%1: ended";
    }
    void TearDown() override {
        SetApplicationTitle(u"");
        UiTest::TearDown();
    }
};

TEST_F(FileErrorBoxTest, ShowsTheCauseOfARealFailureWithTheFileName) {
    agent.AddScript("answer ok");
    CFile file;
    CFileException error;
    ASSERT_FALSE(file.Open(u"/nonexistent-reqpad/book.ntb", CFile::modeRead, &error));
    EXPECT_EQ(error.ReportError(), IDOK);
    ASSERT_EQ(RecordedMessageBoxes().size(), 1u);
    const MessageBoxRecord& box = RecordedMessageBoxes()[0];
    EXPECT_EQ(box.text, u"/nonexistent-reqpad/book.ntb: bad path");
    EXPECT_EQ(box.caption, u"Reqpad");
    EXPECT_EQ(box.type, MB_OK | MB_ICONEXCLAMATION);
    agent.Finish();
}

TEST_F(FileErrorBoxTest, EachCauseHasItsTextAndAnUnnamedFileIsSaidSo) {
    EXPECT_EQ(CFileException(CFileException::fileNotFound, 2, u"a").GetErrorMessage(),
              u"a: not found");
    EXPECT_EQ(CFileException(CFileException::accessDenied, 13, u"").GetErrorMessage(),
              u"(unnamed): denied");
    EXPECT_EQ(CFileException(CFileException::endOfFile, 0, u"b").GetErrorMessage(), u"b: ended");
    // No error and an unknown one both read as the generic failure.
    EXPECT_EQ(CFileException().GetErrorMessage(), u"(unnamed): generic");
    EXPECT_EQ(
        CFileException(CFileException::OsErrorToException(EXDEV), EXDEV, u"c").GetErrorMessage(),
        u"c: generic");
    agent.AddScript("answer cancel");
    EXPECT_EQ(CFileException(CFileException::badPath, 2, u"d").ReportError(MB_OKCANCEL), IDCANCEL);
    agent.Finish();
}

} // namespace
} // namespace zn::ui::test
