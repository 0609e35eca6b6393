// The module's resource module (strings, dialog templates and menus of the interface
// language; bitmaps, toolbar images and cursors) and the guard that installs it around every
// user-interface entry.
#pragma once

#include "platform/ui/Resources.h"

namespace res {

// The module's resources, as the window system loads them.
zn::ui::ResourceModule* ModuleResourceHandle();

// Installs the module's resources for the life of the scope and restores the resources
// that were installed before on every way out.
class ModuleResourceScope {
public:
    ModuleResourceScope() : m_scope(ModuleResourceHandle()) {}

private:
    zn::ui::ResourceScope m_scope;
};

} // namespace res
