// The command language of `reqpad host`: one command per line, for scripts and for a person
// at a terminal. The shell drives the reference host and the module it loaded.
#pragma once

#include <functional>
#include <map>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "simhost/SimHost.h"

struct ShellError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class HostUser;
class CZnTText;

class HostShell {
public:
    HostShell(simhost::SimHost& host, HostUser& user, std::ostream& out);
    ~HostShell();
    HostShell(const HostShell&) = delete;
    HostShell& operator=(const HostShell&) = delete;

    // Loads "ReqpadDll.dll" through the loader and calls its ZNSInit; throws ShellError.
    void LoadModule();
    // Runs one line; false when the line asks to end the session. Throws ShellError, or
    // zn::ui::AgentError when the user's actions do not fit what was asked.
    bool Execute(const std::string& line);
    // Calls ZNSUnInit of the loaded module (once).
    void UnloadModule();

private:
    using Words = std::vector<std::string>;

    void newDrawing(const Words& args);
    void open(const Words& args);
    void save(const Words& args);
    void render(const Words& args);
    void exportSheet(const Words& args);
    void command(const Words& args);
    void param(const Words& args);
    void add(const Words& args);
    void erase(const Words& args);
    void select(const Words& args);
    void extended(const Words& args);
    void calls(const Words& args);
    // `tt ...`: the requirements object driven as a host's automation drives it.
    void ttext(const Words& args);
    CZnTText& requirementsObject(const std::string& word);

    simhost::Drawing& drawing();
    IZnEntity& object(const std::string& word);
    void appendNew(IZnEntity* entity, bool inModelSpace);

    simhost::SimHost& m_host;
    HostUser& m_user;
    std::ostream& m_out;
    void (*m_unInit)() = nullptr;
    std::string m_lastText; // the id `tt new` printed last; `last` names it
    std::map<std::string, std::function<void(const Words&)>> m_commands;
};
