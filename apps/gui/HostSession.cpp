#include "apps/gui/HostSession.h"

#include <limits>

#include "apps/HostListings.h"
#include "simhost/Drawing.h"

namespace gui {

HostSession::HostSession(std::unique_ptr<zn::ui::UserAgent> person, const std::string& settingsPath)
    : m_host(settingsPath), m_user(std::move(person)), m_shell(m_host, m_user, m_out) {
    m_previousAgent = zn::ui::SetUserAgent(&m_user);
    m_host.Notifications().SetListener(
        [this](const simhost::HostEvent& event) { m_out << EventLine(event) << '\n'; });
    if (!m_host.Settings().Problem().empty())
        m_out << "settings: " << m_host.Settings().Problem() << '\n';
    try {
        m_shell.LoadModule();
    } catch (...) {
        zn::ui::SetUserAgent(m_previousAgent);
        throw;
    }
}

HostSession::~HostSession() {
    m_shell.UnloadModule();
    m_host.Notifications().SetListener(nullptr);
    zn::ui::SetUserAgent(m_previousAgent);
}

HostSession::Outcome HostSession::Execute(const std::string& line) {
    Outcome outcome;
    try {
        outcome.quit = !m_shell.Execute(line);
    } catch (const std::runtime_error& e) { // a shell error or a user action that did not fit
        outcome.error = e.what();
    }
    outcome.output = m_out.str();
    m_out.str({});
    return outcome;
}

std::string HostSession::Svg() {
    return m_host.RenderSheet();
}

bool HostSession::IsModified() {
    simhost::Drawing* drawing = m_host.ActiveDrawing();
    return drawing && drawing->IsModified();
}

long long HostSession::ObjectAt(double x, double y, double tolerance) {
    simhost::Drawing* drawing = m_host.ActiveDrawing();
    if (!drawing)
        return -1;
    long long found = -1;
    double smallest = std::numeric_limits<double>::infinity();
    for (IZnEntity* entity : drawing->Objects()) {
        if (entity->GetOwnerId() != drawing->CurrentSpace())
            continue;
        ZnsBox3 box = entity->GetExtents();
        if (box.IsEmpty() || x < box.min.x - tolerance || x > box.max.x + tolerance ||
            y < box.min.y - tolerance || y > box.max.y + tolerance)
            continue;
        double area = (box.max.x - box.min.x) * (box.max.y - box.min.y);
        if (area < smallest) {
            smallest = area;
            found = entity->GetId().index;
        }
    }
    return found;
}

} // namespace gui
