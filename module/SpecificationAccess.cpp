#include "module/SpecificationAccess.h"

#include <filesystem>

#include "module/ModuleState.h"

namespace module {

namespace {

IZnSpecification* g_specification = nullptr;

// Loads the library from the folder of `module`, the way Windows searched the current
// directory: switch to the folder, load, switch back.
zn::loader::HMODULE loadBeside(const char16_t* libraryName, zn::loader::HMODULE module) {
    std::error_code ec;
    std::filesystem::path folder =
        std::filesystem::path(zn::loader::GetModuleFileName(module)).parent_path();
    std::filesystem::path previous = std::filesystem::current_path(ec);
    if (folder.empty() || ec)
        return nullptr;
    std::filesystem::current_path(folder, ec);
    if (ec)
        return nullptr;
    zn::loader::HMODULE library = zn::loader::LoadLibraryW(libraryName);
    std::filesystem::current_path(previous, ec);
    return library;
}

} // namespace

void* SiblingFunction(const char16_t* library, const char* name,
                      zn::loader::HMODULE resourceModule) {
    zn::loader::HMODULE module = zn::loader::GetModuleHandleW(library);
    if (!module && resourceModule)
        module = loadBeside(library, resourceModule);
    if (!module)
        module = zn::loader::LoadLibraryW(library);
    return module ? zn::loader::GetProcAddress(module, name) : nullptr;
}

void* SpecificationFunction(const char* name, zn::loader::HMODULE resourceModule) {
    return SiblingFunction(u"SpecificationDlg.dll", name, resourceModule);
}

ZnPtr<IZnObject> MainFormat(const znsWorkID& current) {
    auto getMainFormat = reinterpret_cast<ZnsGetMainFormatFunction>(
        SpecificationFunction("GetMainFormat", ModuleInstance()));
    ZnPtr<IZnObject> format;
    if (getMainFormat)
        getMainFormat(format.put(), 0, current);
    return format;
}

IZnSpecification* DocSpecification() {
    if (!g_specification) {
        auto get = reinterpret_cast<ZnsGetDocSpecificationFunction>(
            SpecificationFunction("ZNS_GetDocSpecification", ModuleInstance()));
        if (get)
            g_specification = get(0);
    }
    return g_specification;
}

void ReleaseDocSpecification() {
    if (g_specification)
        g_specification->Release();
    g_specification = nullptr;
}

} // namespace module
