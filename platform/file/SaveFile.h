// A file that replaces another only when it is complete. The bytes go to a temporary file
// beside the target; Close moves it over the target in one step. Abort, a failed Close, or
// destruction without Close (an exception on the way out) remove the temporary and leave
// the target as it was, so a save that fails never costs the user the old file.
//
// Failures name the target, not the temporary: that is the file the user asked for. A
// target that exists but may not be written is refused at Open, as writing it in place
// would be.
#pragma once

#include <string>

#include "platform/file/File.h"

namespace zn {

class CSaveFile : public CFile {
public:
    CSaveFile() = default;
    CSaveFile(std::u16string_view fileName, unsigned openFlags);
    ~CSaveFile() override;

    // Always starts from an empty file; modeCreate and modeNoTruncate make no difference.
    bool Open(std::u16string_view fileName, unsigned openFlags,
              CFileException* error = nullptr) override;
    void Close() override;
    void Abort() override;

private:
    std::string m_temporary;
};

} // namespace zn
