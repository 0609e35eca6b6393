#include "apps/gui/HostSession.h"

#include <limits>

#include "apps/HostListings.h"
#include "simhost/Drawing.h"
#include "simhost/SheetFormat.h"

namespace gui {

namespace {

bool Holds(const ZnsBox3& box, double x, double y, double margin) {
    return !box.IsEmpty() && x >= box.min.x - margin && x <= box.max.x + margin &&
           y >= box.min.y - margin && y <= box.max.y + margin;
}

// The format covers the whole sheet, so its box would answer every click on empty paper;
// only its frame line and its title block are the format.
bool OnFormat(const simhost::SheetFormat& format, double x, double y, double tolerance) {
    const ZnsBox3 frame = format.Frame();
    const bool insideLine = x > frame.min.x + tolerance && x < frame.max.x - tolerance &&
                            y > frame.min.y + tolerance && y < frame.max.y - tolerance;
    return (Holds(frame, x, y, tolerance) && !insideLine) ||
           Holds(format.TitleBlock(), x, y, tolerance);
}

} // namespace

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
    long long found = -1, format = -1;
    double smallest = std::numeric_limits<double>::infinity();
    for (IZnEntity* entity : drawing->Objects()) {
        if (entity->GetOwnerId() != drawing->CurrentSpace())
            continue;
        if (auto* sheet = dynamic_cast<const simhost::SheetFormat*>(entity)) {
            if (OnFormat(*sheet, x, y, tolerance))
                format = entity->GetId().index;
            continue;
        }
        ZnsBox3 box = entity->GetExtents();
        if (!Holds(box, x, y, tolerance))
            continue;
        double area = (box.max.x - box.min.x) * (box.max.y - box.min.y);
        if (area < smallest) {
            smallest = area;
            found = entity->GetId().index;
        }
    }
    return found >= 0 ? found : format;
}

} // namespace gui
