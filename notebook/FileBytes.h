// A whole file read into memory: the notebook readers parse bytes, not streams.
#pragma once

#include <string>

#include "platform/file/FileException.h"

namespace notebook {

// False with the reason in `error` (when given).
bool ReadFileBytes(const ZnsStringW& path, std::string& bytes, zn::CFileException* error);

} // namespace notebook
