// What every editing procedure holds for its run: the module's resources and the
// requirements manager; leaving releases the manager and the specification document on
// every path.
#pragma once

#include "module/SpecificationAccess.h"
#include "module/TTManager.h"
#include "resources/ModuleResources.h"

namespace requirements {

class FlowScope {
public:
    FlowScope() { AcquireTTManager(); }
    ~FlowScope() {
        ReleaseTTManager();
        module::ReleaseDocSpecification();
    }
    FlowScope(const FlowScope&) = delete;
    FlowScope& operator=(const FlowScope&) = delete;

private:
    res::ModuleResourceScope m_resources;
};

} // namespace requirements
