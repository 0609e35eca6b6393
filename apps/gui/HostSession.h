// The reference host behind the desktop window: the host, its user and the shell of
// `reqpad host`, so a line typed into the window does exactly what it does at a terminal.
// What the shell prints and what the host tells the user are collected for the log.
#pragma once

#include <memory>
#include <sstream>
#include <string>

#include "apps/HostShell.h"
#include "apps/HostUser.h"

namespace gui {

class HostSession {
public:
    // `person` answers what no queued `user` line answers; `settingsPath` empty: the
    // user's settings file. Throws ShellError when the module does not load.
    explicit HostSession(std::unique_ptr<zn::ui::UserAgent> person,
                         const std::string& settingsPath = {});
    ~HostSession();
    HostSession(const HostSession&) = delete;
    HostSession& operator=(const HostSession&) = delete;

    struct Outcome {
        std::string output; // the shell's lines and the host's events
        std::string error;  // empty when the line succeeded
        bool quit = false;  // the line asked to end the session
    };
    Outcome Execute(const std::string& line);

    simhost::SimHost& Host() { return m_host; }
    // The sheet of the active drawing as SVG; empty without a drawing.
    std::string Svg();
    bool IsModified();
    // The index of the object of the current space whose extents hold the drawing point
    // (widened by `tolerance`), the smallest when several do; else the format when the point
    // is on its frame line or in its title block; -1 when nothing is there.
    long long ObjectAt(double x, double y, double tolerance);

private:
    simhost::SimHost m_host;
    HostUser m_user;
    std::ostringstream m_out;
    HostShell m_shell;
    zn::ui::UserAgent* m_previousAgent = nullptr;
};

} // namespace gui
