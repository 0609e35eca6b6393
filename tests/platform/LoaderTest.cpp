// The loader resolves host-spelled names in its registry before looking for files.
#include <gtest/gtest.h>

#include "platform/loader/Loader.h"

namespace {

int answer() {
    return 42;
}

TEST(Loader, MapsHostNamesToSharedLibraryFiles) {
    EXPECT_EQ(zn::loader::SharedLibraryFileName(u"ReqpadDll.dll"), "libReqpadDll.so");
    EXPECT_EQ(zn::loader::SharedLibraryFileName(u"VornCtl.DLL"), "libVornCtl.so");
    EXPECT_EQ(zn::loader::SharedLibraryFileName(u"/opt/x/SpecificationDlg.dll"),
              "/opt/x/libSpecificationDlg.so");
    EXPECT_EQ(zn::loader::SharedLibraryFileName(u"libfoo.so"), "libfoo.so");
}

TEST(Loader, RegisteredModulesAreLoadedAndFoundWhateverTheCase) {
    zn::loader::RegisterModule(u"Sibling.dll", {{"Answer", reinterpret_cast<void*>(&answer)}});
    zn::loader::HMODULE handle = zn::loader::GetModuleHandleW(u"SIBLING.DLL");
    ASSERT_NE(handle, nullptr);
    EXPECT_EQ(zn::loader::LoadLibraryW(u"sibling.dll"), handle);
    auto function = reinterpret_cast<int (*)()>(zn::loader::GetProcAddress(handle, "Answer"));
    ASSERT_NE(function, nullptr);
    EXPECT_EQ(function(), 42);
    EXPECT_EQ(zn::loader::GetProcAddress(handle, "Missing"), nullptr);
    EXPECT_TRUE(zn::loader::FreeLibrary(handle)); // registered modules stay

    zn::loader::UnregisterModule(u"Sibling.dll");
    EXPECT_EQ(zn::loader::GetModuleHandleW(u"Sibling.dll"), nullptr);
}

TEST(Loader, UnknownModulesAreNotFound) {
    EXPECT_EQ(zn::loader::GetModuleHandleW(u"NoSuchModule.dll"), nullptr);
    EXPECT_EQ(zn::loader::LoadLibraryW(u"NoSuchModule.dll"), nullptr);
    EXPECT_FALSE(zn::loader::LastError().empty());
    EXPECT_EQ(zn::loader::GetProcAddress(nullptr, "ZNSInit"), nullptr);
}

TEST(Loader, FindsTheLibraryThatHoldsAnAddress) {
    zn::loader::HMODULE platform =
        zn::loader::ModuleOfAddress(reinterpret_cast<const void*>(&zn::loader::LastError));
    ASSERT_NE(platform, nullptr);
    EXPECT_NE(zn::loader::GetModuleFileName(platform).find("libZnPlatform.so"), std::string::npos);
}

} // namespace
