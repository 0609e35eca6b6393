// The drawing's specification document, obtained from "SpecificationDlg.dll" on first use
// and released by the procedures that used it, and the lookup of that library's functions.
#pragma once

#include "host/Specification.h"
#include "platform/loader/Loader.h"

namespace module {

// A function of a sibling module `library`: the library when it is already loaded;
// otherwise, when `resourceModule` is given, loaded by name with the current directory
// switched to that module's folder; as a last resort loaded by plain name. Null when the
// library or the function is missing.
void* SiblingFunction(const char16_t* library, const char* name,
                      zn::loader::HMODULE resourceModule);
// A function of "SpecificationDlg.dll", found as SiblingFunction finds it.
void* SpecificationFunction(const char* name, zn::loader::HMODULE resourceModule);

// The drawing's main format for the format `current` ("GetMainFormat"); empty without one.
ZnPtr<IZnObject> MainFormat(const znsWorkID& current);

// The document, from "ZNS_GetDocSpecification"(0) on first use; null when there is none.
IZnSpecification* DocSpecification();
// Releases the document and clears the global.
void ReleaseDocSpecification();

} // namespace module
