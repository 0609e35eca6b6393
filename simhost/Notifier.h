// The notifier and the other things the host tells the user outside any dialog: messages,
// version reports and help requests. Each is recorded, and handed to a listener (the shell
// prints them) when one is set.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "host/Notificator.h"

namespace simhost {

struct HostEvent {
    enum class Kind { Message, VersionReport, Help };
    Kind kind;
    ZnsStringW text;        // the message, the reported object's name, or the help topic
    std::int32_t value = 0; // the message kind or the packed version
    std::optional<znsWorkID> editObject{}; // a message's edit-object button
};

class Notifier : public IZnNotificator {
public:
    void ShowMessage(const ZnsStringW& text, std::int32_t kind) override;
    void ShowMessageWithEditButton(const ZnsStringW& text, std::int32_t kind,
                                   const znsWorkID& object) override;
    void Tell(HostEvent event);

    const std::vector<HostEvent>& Events() const { return m_events; }
    void SetListener(std::function<void(const HostEvent&)> listener) {
        m_listener = std::move(listener);
    }

private:
    std::vector<HostEvent> m_events;
    std::function<void(const HostEvent&)> m_listener;
};

} // namespace simhost
