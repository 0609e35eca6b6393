// Real-world RTF from other producers: the visible text is what their projects expect, and
// everything read survives our writer. Skips when the shared corpus is not beside the clone.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/richedit/RichEditModel.h"
#include "platform/rtf/RtfReader.h"

namespace fs = std::filesystem;
using namespace zn::richedit;

namespace {

const fs::path kCorpus = fs::path(REQPAD_SOURCE_DIR) / ".." / "shared" / "corpus" / "rtf";

std::string slurp(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        if (!line.empty())
            out.push_back(line);
    return out;
}

std::string visibleText(const fs::path& rtf) {
    RichText text;
    EXPECT_TRUE(zn::rtf::Read(slurp(rtf), text)) << rtf;
    return zn::toUtf8(text.visibleText());
}

#define SKIP_WITHOUT_CORPUS()                                                                      \
    if (!fs::is_directory(kCorpus))                                                                \
    GTEST_SKIP() << "no RTF corpus at " << kCorpus

} // namespace

TEST(RtfCorpus, VisibleTextIsWhatTheProducersExpect) {
    SKIP_WITHOUT_CORPUS();
    int compared = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator(kCorpus)) {
        const std::string name = entry.path().filename().string();
        const auto stem = [&](const std::string& suffix) {
            return kCorpus / (name.substr(0, name.size() - suffix.size()) + ".rtf");
        };
        if (name.ends_with(".expected.txt")) {
            EXPECT_EQ(visibleText(stem(".expected.txt")), slurp(entry.path())) << name;
        } else if (name.ends_with(".expected-contains.txt")) {
            const std::string text = visibleText(stem(".expected-contains.txt"));
            for (const std::string& wanted : lines(slurp(entry.path())))
                EXPECT_NE(text.find(wanted), std::string::npos) << name << ": " << wanted;
        } else if (name.ends_with(".expected-not-contains.txt")) {
            const std::string text = visibleText(stem(".expected-not-contains.txt"));
            for (const std::string& unwanted : lines(slurp(entry.path())))
                EXPECT_EQ(text.find(unwanted), std::string::npos) << name << ": " << unwanted;
        } else {
            continue;
        }
        ++compared;
    }
    EXPECT_GT(compared, 10);
}

TEST(RtfCorpus, EverythingReadSurvivesOurWriter) {
    SKIP_WITHOUT_CORPUS();
    for (const fs::directory_entry& entry : fs::directory_iterator(kCorpus)) {
        if (entry.path().extension() != ".rtf")
            continue;
        RichEditModel model;
        ASSERT_TRUE(model.StreamInRtf(slurp(entry.path()), false)) << entry.path();
        model.Check();
        RichEditModel copy;
        ASSERT_TRUE(copy.StreamInRtf(model.GetRtf(), false));
        EXPECT_EQ(copy.GetText(), model.GetText()) << entry.path();
        EXPECT_TRUE(copy.GetRtf() == model.GetRtf())
            << entry.path() << " writes differently after a round trip";
    }
}
