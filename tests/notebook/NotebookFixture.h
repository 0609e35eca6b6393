// A notebook test: a scratch folder, English resources, code page 1252 unless a test says
// otherwise, and every message box the notebook shows collected instead of asked.
#pragma once

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "notebook/Notebook.h"
#include "platform/text/CodePage.h"
#include "platform/ui/MessageBox.h"
#include "resources/ModuleResources.h"

class NotebookTest : public ::testing::Test {
protected:
    void SetUp() override {
        zn::setInterfaceLanguage(1033);
        zn::setSystemAnsiCodePageOverride(1252);
        m_folder = std::filesystem::temp_directory_path() /
                   ("reqpad-notebook-" + std::to_string(::getpid()) + "-" +
                    ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(m_folder);
        std::filesystem::create_directories(m_folder);
        m_previous = zn::ui::SetMessageBoxHandler(
            [this](void*, std::u16string_view text, std::u16string_view, unsigned type) {
                messages.push_back(zn::toUtf8(text));
                return answer ? answer : zn::ui::MessageBoxButtons(type).front();
            });
    }
    void TearDown() override {
        zn::ui::SetMessageBoxHandler(m_previous);
        zn::setSystemAnsiCodePageOverride(0);
        std::filesystem::permissions(m_folder, std::filesystem::perms::owner_all);
        std::filesystem::remove_all(m_folder);
    }

    std::string path(const std::string& name) const { return (m_folder / name).string(); }
    ZnsStringW wpath(const std::string& name) const { return zn::fromUtf8(path(name)); }
    std::string bytesOf(const std::string& name) const {
        std::ifstream in(path(name), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    void writeBytes(const std::string& name, const std::string& bytes) const {
        std::ofstream(path(name), std::ios::binary) << bytes;
    }

    std::vector<std::string> messages;
    int answer = 0; // 0: the first button of every box

private:
    res::ModuleResourceScope m_resources;
    std::filesystem::path m_folder;
    zn::ui::MessageBoxHandler m_previous;
};

// The names of `parent`'s children in the notebook's tree, in order.
inline std::vector<std::string> childNames(const notebook::CNotebookDoc& doc,
                                           zn::ui::HTREEITEM parent) {
    std::vector<std::string> out;
    const auto& tree = doc.Pages().Tree();
    for (zn::ui::HTREEITEM child = tree.GetChildItem(parent); child;
         child = tree.GetNextSiblingItem(child))
        out.push_back(zn::toUtf8(tree.GetItemText(child)));
    return out;
}
