#include "notebook/FileBytes.h"

#include "platform/file/File.h"

namespace notebook {

bool ReadFileBytes(const ZnsStringW& path, std::string& bytes, zn::CFileException* error) {
    zn::CFile file;
    if (!file.Open(path, zn::CFile::modeRead | zn::CFile::typeBinary, error))
        return false;
    try {
        bytes.resize(file.GetLength());
        file.ReadExactly(bytes.data(), bytes.size());
        file.Close();
        return true;
    } catch (const zn::CFileException& e) {
        if (error)
            *error = e;
        return false;
    }
}

} // namespace notebook
