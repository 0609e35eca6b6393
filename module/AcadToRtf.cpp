#include "module/AcadToRtf.h"

#include "platform/loader/Loader.h"

namespace module {

ZnsStringW& ConvertAcadToRtfThroughLoader(ZnsStringW& out, const ZnsStringW& mtext, void* links) {
    zn::loader::HMODULE self = zn::loader::GetModuleHandleW(u"ReqpadDll.dll");
    if (!self)
        self = zn::loader::LoadLibraryW(u"ReqpadDll.dll");
    auto convert = reinterpret_cast<ConvertAcadToRtfFunction>(
        zn::loader::GetProcAddress(self, "ConvertAcadToRtf"));
    out.clear();
    if (!convert)
        return out;
    ZnsStringW converted;
    convert(&converted, &mtext, links);
    out = converted;
    return out;
}

} // namespace module
