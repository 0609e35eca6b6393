// Registry of in-process modules and bookkeeping of shared libraries opened with dlopen.
#include "platform/loader/Loader.h"

#include <dlfcn.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <vector>

#include "platform/text/ZnsString.h"

namespace zn::loader {

struct Module {
    std::string key;         // lower-case base name in the host's spelling, e.g. "reqpaddll.dll"
    void* library = nullptr; // dlopen handle; null for a registered module
    SymbolTable symbols;
    std::string path;
    int references = 0;
};

namespace {

struct State {
    std::vector<std::unique_ptr<Module>> registered;
    std::vector<std::unique_ptr<Module>> opened;
    std::string lastError;
};

State& state() {
    static State s;
    return s;
}

std::string keyOf(std::u16string_view name) {
    std::string key = toUtf8(name);
    size_t slash = key.find_last_of("/\\");
    if (slash != std::string::npos)
        key.erase(0, slash + 1);
    for (char& c : key)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return key;
}

Module* findRegistered(const std::string& key) {
    for (auto& m : state().registered)
        if (m->key == key)
            return m.get();
    return nullptr;
}

Module* findOpened(void* library) {
    for (auto& m : state().opened)
        if (m->library == library)
            return m.get();
    return nullptr;
}

std::string executableFolder() {
    std::error_code ec;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : exe.parent_path().string();
}

// Where a host name may live, in the order Windows searched: the application's folder,
// the current directory, then the system's own search.
std::vector<std::string> candidates(std::u16string_view name) {
    std::string file = SharedLibraryFileName(name);
    if (file.find('/') != std::string::npos)
        return {file};
    std::vector<std::string> paths;
    std::string exeDir = executableFolder();
    if (!exeDir.empty())
        paths.push_back(exeDir + "/" + file);
    std::error_code ec;
    auto cwd = std::filesystem::current_path(ec);
    if (!ec)
        paths.push_back((cwd / file).string());
    paths.push_back(file);
    return paths;
}

Module* adopt(void* library, const std::string& key, const std::string& path) {
    if (Module* known = findOpened(library)) {
        dlclose(library); // the loader already holds one system reference
        return known;
    }
    auto module = std::make_unique<Module>();
    module->key = key;
    module->library = library;
    module->path = path;
    state().opened.push_back(std::move(module));
    return state().opened.back().get();
}

Module* openFirst(std::u16string_view name, int flags) {
    for (const std::string& path : candidates(name)) {
        if (void* library = dlopen(path.c_str(), flags))
            return adopt(library, keyOf(name), path);
        if (!(flags & RTLD_NOLOAD)) {
            const char* error = dlerror();
            state().lastError = error ? error : "cannot load " + path;
        }
    }
    return nullptr;
}

} // namespace

std::string SharedLibraryFileName(std::u16string_view name) {
    std::string file = toUtf8(name);
    std::string folder;
    size_t slash = file.find_last_of("/\\");
    if (slash != std::string::npos) {
        folder = file.substr(0, slash + 1);
        file.erase(0, slash + 1);
    }
    auto endsWith = [&](std::string_view tail) {
        return file.size() >= tail.size() &&
               equalsNoCaseAscii(fromUtf8(file.substr(file.size() - tail.size())), fromUtf8(tail));
    };
    if (endsWith(".so"))
        return folder + file;
    if (endsWith(".dll"))
        file.resize(file.size() - 4);
    if (file.rfind("lib", 0) != 0)
        file = "lib" + file;
    return folder + file + ".so";
}

void RegisterModule(std::u16string_view name, SymbolTable symbols) {
    std::string key = keyOf(name);
    if (Module* known = findRegistered(key)) {
        known->symbols = std::move(symbols);
        return;
    }
    auto module = std::make_unique<Module>();
    module->key = key;
    module->symbols = std::move(symbols);
    state().registered.push_back(std::move(module));
}

void UnregisterModule(std::u16string_view name) {
    auto& list = state().registered;
    std::string key = keyOf(name);
    std::erase_if(list, [&](const std::unique_ptr<Module>& m) { return m->key == key; });
}

HMODULE GetModuleHandleW(std::u16string_view name) {
    std::string key = keyOf(name);
    if (Module* module = findRegistered(key))
        return module;
    for (auto& m : state().opened)
        if (m->key == key && m->references > 0)
            return m.get();
    // A library the process already has (linked at start-up, say) is loaded too.
    return openFirst(name, RTLD_NOW | RTLD_NOLOAD);
}

HMODULE LoadLibraryW(std::u16string_view name) {
    if (Module* module = findRegistered(keyOf(name)))
        return module;
    Module* module = openFirst(name, RTLD_NOW | RTLD_LOCAL);
    if (module)
        ++module->references;
    return module;
}

bool FreeLibrary(HMODULE module) {
    if (!module)
        return false;
    if (!module->library || module->references <= 0)
        return true; // registered modules, and handles GetModuleHandleW gave, hold no reference
    if (--module->references > 0)
        return true;
    auto& list = state().opened;
    void* library = module->library;
    std::erase_if(list, [&](const std::unique_ptr<Module>& m) { return m.get() == module; });
    return dlclose(library) == 0;
}

void* GetProcAddress(HMODULE module, const char* symbol) {
    if (!module || !symbol)
        return nullptr;
    if (!module->library) {
        auto it = module->symbols.find(symbol);
        return it == module->symbols.end() ? nullptr : it->second;
    }
    return dlsym(module->library, symbol);
}

std::string GetModuleFileName(HMODULE module) {
    return module ? module->path : std::string();
}

HMODULE ModuleOfAddress(const void* address) {
    Dl_info info{};
    if (!dladdr(address, &info) || !info.dli_fname)
        return nullptr;
    void* library = dlopen(info.dli_fname, RTLD_NOW | RTLD_NOLOAD);
    if (!library)
        return nullptr;
    std::string path = info.dli_fname;
    return adopt(library, keyOf(fromUtf8(path)), path);
}

std::string LastError() {
    return state().lastError;
}

} // namespace zn::loader
