// The module loader: what the host and the module call where Windows code called
// GetModuleHandleW, LoadLibraryW, GetProcAddress and FreeLibrary. Names keep the host's
// spelling ("SpecificationDlg.dll"); a name is resolved first in an in-process registry,
// where a host registers the modules it provides itself, and then as a real shared library
// ("ReqpadDll.dll" -> libReqpadDll.so) beside the executable, in the current directory and
// finally through the system's own search.
#pragma once

#include <map>
#include <string>
#include <string_view>

namespace zn::loader {

// Opaque handle of a loaded module; null when a lookup failed.
struct Module;
using HMODULE = Module*;

// Symbols of a module that lives inside the process: exported name -> address.
using SymbolTable = std::map<std::string, void*>;

// Makes `name` loadable without a file; a later registration under the same name replaces
// the table. Registered modules count as loaded.
void RegisterModule(std::u16string_view name, SymbolTable symbols);
void UnregisterModule(std::u16string_view name);

// The module when it is already loaded (registered or loaded from a file), else null.
HMODULE GetModuleHandleW(std::u16string_view name);
// Loads the module (or adds a reference to a loaded one); null when nothing answers the name.
HMODULE LoadLibraryW(std::u16string_view name);
// Drops one reference; a file-backed module is unloaded with its last reference.
bool FreeLibrary(HMODULE module);
// The address of an exported symbol, null when the module does not export it.
void* GetProcAddress(HMODULE module, const char* symbol);

// The file a module was loaded from (empty for a registered module).
std::string GetModuleFileName(HMODULE module);
// The loaded shared library that holds `address`, loading it by its file if the loader has
// not seen it yet (a module finding its own handle from one of its functions).
HMODULE ModuleOfAddress(const void* address);

// The file name a host name stands for: "ReqpadDll.dll" -> "libReqpadDll.so"; a name that
// already ends in ".so" is kept.
std::string SharedLibraryFileName(std::u16string_view name);

// The last failure of LoadLibraryW as the system told it, for messages.
std::string LastError();

} // namespace zn::loader
