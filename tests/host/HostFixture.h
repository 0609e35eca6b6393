// A reference host for a test: settings in a fresh temporary folder, the module's entry
// points found through the loader as a host finds them.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "module/Exports.h"
#include "platform/loader/Loader.h"
#include "simhost/SimHost.h"

class HostFixture : public ::testing::Test {
protected:
    void SetUp() override {
        m_folder = std::filesystem::temp_directory_path() /
                   ("reqpad-host-" + std::to_string(::getpid()) + "-" +
                    ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(m_folder);
        std::filesystem::create_directories(m_folder);
        m_host = std::make_unique<simhost::SimHost>((m_folder / "settings.xml").string());
    }
    void TearDown() override {
        m_host.reset();
        std::filesystem::remove_all(m_folder);
    }

    // ZNSInit or ZNSUnInit of ReqpadDll.dll, through the loader.
    static ZnsInitFunction ModuleEntry(const char* name) {
        zn::loader::HMODULE module = zn::loader::LoadLibraryW(u"ReqpadDll.dll");
        return reinterpret_cast<ZnsInitFunction>(zn::loader::GetProcAddress(module, name));
    }
    void InitModule() {
        ZnsInitFunction init = ModuleEntry("ZNSInit");
        ASSERT_NE(init, nullptr);
        init();
    }
    void UnInitModule() { ModuleEntry("ZNSUnInit")(); }

    std::string Path(const std::string& name) const { return (m_folder / name).string(); }
    simhost::SimHost& Host() { return *m_host; }
    simhost::Drawing& NewDrawing(const char* sheet = "A3") {
        simhost::SheetChoice choice;
        choice.sheet = sheet;
        EXPECT_FALSE(m_host->NewDrawing(choice));
        return *m_host->ActiveDrawing();
    }

private:
    std::filesystem::path m_folder;
    std::unique_ptr<simhost::SimHost> m_host;
};
