// Robustness of the three notebook readers: mutated files never crash them, a notebook
// file they accept writes back to itself, and the fuzzers' seed corpus is written here.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "notebook/NotebookFormat.h"
#include "notebook/OldNotebooks.h"
#include "platform/text/CodePage.h"
#include "tests/notebook/NotebookSeeds.h"

using namespace notebook;

namespace {

std::string mutate(std::string bytes, std::mt19937& random) {
    const int edits = std::uniform_int_distribution<int>(1, 6)(random);
    for (int e = 0; e < edits; ++e) {
        const size_t at = std::uniform_int_distribution<size_t>(0, bytes.size())(random);
        switch (random() % 4) {
        case 0:
            bytes.insert(at, 1, char(random() % 256));
            break;
        case 1:
            if (at < bytes.size())
                bytes.erase(at, 1);
            break;
        case 2:
            bytes.resize(at);
            break;
        default:
            if (at < bytes.size())
                bytes[at] = char(random() % 256);
        }
    }
    return bytes;
}

} // namespace

TEST(NotebookReadersFuzz, MutatedFilesReadOrAreRefused) {
    zn::setSystemAnsiCodePageOverride(1252);
    const std::vector<ZnsStringW> headers{u"Reqpad DataBase file. // Don't change data manually!."};
    std::mt19937 random(1207);
    int accepted = 0;
    for (int round = 0; round < 1500; ++round) {
        for (const std::string& seed : notebook_seeds::NotebookFiles()) {
            NotebookReadResult read = ReadNotebookFile(mutate(seed, random));
            if (!read)
                continue;
            ++accepted;
            std::string written, again;
            WriteNotebookFile(read.image, written);
            WriteNotebookFile(ReadNotebookFile(written).image, again);
            ASSERT_EQ(again, written) << "round " << round;
        }
        for (const std::string& seed : notebook_seeds::OldTextFiles())
            ReadOldTextNotebook(mutate(seed, random), headers);
        for (const std::string& seed : notebook_seeds::OldTableFiles()) {
            OldTableNotebook read = ReadOldTableNotebook(mutate(seed, random));
            if (read.status != OldTableNotebook::Ok) {
                EXPECT_TRUE(read.partitions.empty());
            }
        }
    }
    EXPECT_GT(accepted, 0); // the mutations reach past the refusals
    zn::setSystemAnsiCodePageOverride(0);
}

TEST(NotebookReadersFuzz, SeedCorpusForTheFuzzers) {
    const std::filesystem::path corpus = REQPAD_FUZZ_CORPUS_DIR;
    const std::pair<const char*, std::vector<std::string>> sets[] = {
        {"NotebookFile", notebook_seeds::NotebookFiles()},
        {"OldTextNotebook", notebook_seeds::OldTextFiles()},
        {"OldTableNotebook", notebook_seeds::OldTableFiles()},
    };
    for (const auto& [name, seeds] : sets) {
        std::filesystem::create_directories(corpus / name);
        for (size_t i = 0; i < seeds.size(); ++i)
            std::ofstream(corpus / name / ("seed" + std::to_string(i)), std::ios::binary)
                << seeds[i];
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(corpus / name), {}),
                  std::ptrdiff_t(seeds.size()));
    }
    EXPECT_TRUE(ReadNotebookFile(notebook_seeds::NotebookFiles()[0]));
    EXPECT_EQ(ReadOldTableNotebook(notebook_seeds::OldTableFiles()[0]).status,
              OldTableNotebook::Ok);
}
