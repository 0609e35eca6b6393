// The host command "DText": the single-line text dialog over the host's main window,
// editing the single-line text the user selected, or making new ones.
#pragma once

#include <cstdint>

namespace dtext {

std::int32_t RunDText(void* context);

} // namespace dtext
