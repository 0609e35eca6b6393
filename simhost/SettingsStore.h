// Settings sections kept in one file under the user's configuration folder
// ($XDG_CONFIG_HOME/reqpad/settings.xml, else ~/.config/reqpad/settings.xml). Every write
// saves the file through a temporary file and a rename. A file that cannot be read is left
// as it is: the session then keeps its settings in memory only.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>

#include "platform/file/FileException.h"

#include "host/SettingsSection.h"

namespace simhost {

class SettingsStore {
public:
    // Reads `path`, or the default file when empty.
    explicit SettingsStore(std::string path = {});

    static std::string DefaultPath();
    const std::string& Path() const { return m_path; }
    // Why the file could not be read or written; empty while all is well.
    const std::string& Problem() const { return m_problem; }
    // Told when a write fails, once for each new cause; the file stays as it was.
    void SetWriteFailureListener(std::function<void(const zn::CFileException&)> listener) {
        m_onWriteFailure = std::move(listener);
    }

    std::optional<std::string> Get(const std::string& section, const std::string& key) const;
    void Set(const std::string& section, const std::string& key, const std::string& value);

    // A section object for the host context (one reference).
    IZnSettingsSection* OpenSection(const ZnsStringW& name);

private:
    void save();

    std::string m_path;
    std::string m_problem;
    bool m_writable = true;
    std::function<void(const zn::CFileException&)> m_onWriteFailure;
    std::map<std::string, std::map<std::string, std::string>> m_sections;
};

} // namespace simhost
