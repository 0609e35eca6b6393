#include "simhost/Notifier.h"

namespace simhost {

void Notifier::ShowMessage(const ZnsStringW& text, std::int32_t kind) {
    Tell({HostEvent::Kind::Message, text, kind, std::nullopt});
}

void Notifier::ShowMessageWithEditButton(const ZnsStringW& text, std::int32_t kind,
                                         const znsWorkID& object) {
    Tell({HostEvent::Kind::Message, text, kind, object});
}

void Notifier::Tell(HostEvent event) {
    m_events.push_back(event);
    if (m_listener)
        m_listener(m_events.back());
}

} // namespace simhost
