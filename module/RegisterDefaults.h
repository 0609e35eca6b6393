// The host default parameters of the requirements ("7019") and notebook ("7300")
// categories, with their display names, type codes, defaults, flag masks, units and choice
// lists.
#pragma once

namespace module {

void RegisterDefaults();

} // namespace module
