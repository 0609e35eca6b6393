// The standard file-error box: the cause's text with the file name, shown through the
// user agent and recorded.
#include <cerrno>

#include "platform/file/File.h"
#include "platform/ui/PlatformStrings.h"
#include "tests/platform/ui/UiTestSupport.h"

namespace zn::ui::test {
namespace {

TEST_F(UiTest, FileErrorBoxShowsTheCauseAndTheFileName) {
    resources.strings[kIdsUnnamedFile] = u"(unnamed)";
    resources.strings[kIdsFileErrorGeneric] = u"%1: generic";
    resources.strings[kIdsFileErrorBadPath] = u"%1: bad path";
    resources.strings[kIdsFileErrorAccessDenied] = u"%1: denied";
    agent.AddScript("answer ok\nanswer cancel");
    CFile file;
    CFileException error;
    ASSERT_FALSE(file.Open(u"/nonexistent-reqpad/book.ntb", CFile::modeRead, &error));
    EXPECT_EQ(error.ReportError(), IDOK);
    EXPECT_EQ(CFileException(CFileException::accessDenied, EACCES, u"").ReportError(MB_OKCANCEL),
              IDCANCEL);
    ASSERT_EQ(RecordedMessageBoxes().size(), 2u);
    EXPECT_EQ(RecordedMessageBoxes()[0].text, u"/nonexistent-reqpad/book.ntb: bad path");
    EXPECT_EQ(RecordedMessageBoxes()[0].type, MB_OK | MB_ICONEXCLAMATION);
    EXPECT_EQ(RecordedMessageBoxes()[1].text, u"(unnamed): denied");
    // No error and an error the framework has no cause for both read as a failure.
    EXPECT_EQ(CFileException().GetErrorMessage(), u"(unnamed): generic");
    EXPECT_EQ(
        CFileException(CFileException::OsErrorToException(EXDEV), EXDEV, u"c").GetErrorMessage(),
        u"c: generic");
    agent.Finish();
}

} // namespace
} // namespace zn::ui::test
