// The standard file-error box: the text of a file exception's cause, from the window
// system's strings of the installed resources, shown as a message box.
#include "platform/file/FileException.h"
#include "platform/ui/PlatformStrings.h"
#include "platform/ui/Resources.h"

namespace zn {

namespace {

ui::UINT messageIdOf(CFileException::Cause cause) {
    switch (cause) {
    case CFileException::fileNotFound:
        return ui::kIdsFileErrorNotFound;
    case CFileException::badPath:
        return ui::kIdsFileErrorBadPath;
    case CFileException::tooManyOpenFiles:
        return ui::kIdsFileErrorTooManyOpen;
    case CFileException::accessDenied:
        return ui::kIdsFileErrorAccessDenied;
    case CFileException::invalidFile:
        return ui::kIdsFileErrorInvalidFile;
    case CFileException::directoryFull:
        return ui::kIdsFileErrorDirectoryFull;
    case CFileException::badSeek:
        return ui::kIdsFileErrorBadSeek;
    case CFileException::hardIO:
        return ui::kIdsFileErrorHardIO;
    case CFileException::sharingViolation:
        return ui::kIdsFileErrorSharing;
    case CFileException::lockViolation:
        return ui::kIdsFileErrorLock;
    case CFileException::diskFull:
        return ui::kIdsFileErrorDiskFull;
    case CFileException::endOfFile:
        return ui::kIdsFileErrorEndOfFile;
    case CFileException::none:
    case CFileException::genericException:
        break;
    }
    return ui::kIdsFileErrorGeneric;
}

} // namespace

ZnsStringW CFileException::GetErrorMessage() const {
    ZnsStringW name = m_strFileName.empty() ? ui::LoadStringW(ui::kIdsUnnamedFile) : m_strFileName;
    return ui::FormatString(messageIdOf(m_cause), {name});
}

int CFileException::ReportError(unsigned type) const {
    return ui::AfxMessageBox(GetErrorMessage(), type);
}

} // namespace zn
