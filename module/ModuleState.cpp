#include "module/ModuleState.h"

namespace module {

const znsWorkID kNullObjectId = znsWorkID::Null();

zn::loader::HMODULE ModuleInstance() {
    static zn::loader::HMODULE self =
        zn::loader::ModuleOfAddress(reinterpret_cast<const void*>(&ModuleInstance));
    return self;
}

ZnTT2EventsSink*& EventsSink() {
    static ZnTT2EventsSink* sink = nullptr;
    return sink;
}

} // namespace module
