// The file exception: why a file operation failed (the framework's causes), the operating
// system's error number and the file's name. Files throw it; Open fills one instead for
// callers that test a result. Its message and the standard file-error box come from the
// window system's strings (platform/ui/FileErrorBox.cpp).
#pragma once

#include <exception>
#include <string_view>

#include "platform/text/ZnsString.h"
#include "platform/ui/MessageBox.h"

namespace zn {

class CFileException : public std::exception {
public:
    enum Cause {
        none,
        genericException,
        fileNotFound,
        badPath,
        tooManyOpenFiles,
        accessDenied,
        invalidFile,
        directoryFull,
        badSeek,
        hardIO,
        sharingViolation,
        lockViolation,
        diskFull,
        endOfFile,
    };

    CFileException() = default;
    CFileException(Cause cause, int osError, std::u16string_view fileName);

    // The cause an operating-system error number (errno) stands for.
    static Cause OsErrorToException(int osError);
    [[noreturn]] static void ThrowOsError(int osError, std::u16string_view fileName);

    // The cause's text from the installed resources with the file name put in.
    ZnsStringW GetErrorMessage() const;
    // The standard file-error box; returns the button the user answered with.
    int ReportError(unsigned type = ui::MB_OK | ui::MB_ICONEXCLAMATION) const;

    // For logs and test failures only; the user sees GetErrorMessage.
    const char* what() const noexcept override;

    Cause m_cause = none;
    int m_lOsError = 0;
    ZnsStringW m_strFileName;
};

} // namespace zn
