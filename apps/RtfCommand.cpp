// `reqpad rtf`: the requirements content from the command line. to-text shows what a reader
// sees, from-text writes our RTF, split and append run the content functions, roundtrip
// passes a document through the rich-edit model. Bytes cross through the ANSI code page.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>

#include <CLI/CLI.hpp>

#include "apps/Commands.h"
#include "platform/richedit/RichEditModel.h"
#include "platform/rtf/RtfReader.h"
#include "platform/text/CodePage.h"
#include "requirements/RtfContent.h"
#include "resources/StringTable.h"

namespace {

constexpr unsigned IDS_RTF_CANNOT_READ = 50100;
constexpr unsigned IDS_RTF_NOT_RTF = 50101;

struct RtfOptions {
    int codePage = 1252;
    bool headers = false;
    std::string file;
    std::string source;
};

// A message of the string table with the file name in it, as the tool's error.
struct CommandError {
    unsigned messageId;
    std::string file;
};

std::string readBytes(const std::string& file) {
    if (file == "-")
        return std::string(std::istreambuf_iterator<char>(std::cin), {});
    std::ifstream in(file, std::ios::binary);
    if (!in || std::filesystem::is_directory(file))
        throw CommandError{IDS_RTF_CANNOT_READ, file};
    // A regular file in one read; a stream iterator was slower than reading the RTF itself.
    std::error_code sizeUnknown;
    const auto size = std::filesystem::file_size(file, sizeUnknown);
    std::string bytes;
    if (sizeUnknown) {
        bytes.assign(std::istreambuf_iterator<char>(in), {});
    } else {
        bytes.resize(size_t(size));
        in.read(bytes.data(), std::streamsize(bytes.size()));
        bytes.resize(size_t(in.gcount()));
    }
    if (in.bad())
        throw CommandError{IDS_RTF_CANNOT_READ, file};
    return bytes;
}

void print(const std::string& bytes) {
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
}

zn::richedit::RichText readRtf(const std::string& file) {
    zn::richedit::RichText text;
    if (!zn::rtf::Read(readBytes(file), text))
        throw CommandError{IDS_RTF_NOT_RTF, file};
    return text;
}

std::string jsonString(const std::string& utf8) {
    std::string out = "\"";
    for (unsigned char c : utf8) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            out += c < 0x20 ? zn::formatA("\\u%04x", c) : std::string(1, char(c));
        }
    }
    return out + "\"";
}

int toText(const RtfOptions& options) {
    std::string text = zn::toUtf8(readRtf(options.file).visibleText());
    if (!text.empty() && text.back() != '\n')
        text += '\n';
    print(text);
    return 0;
}

int fromText(const RtfOptions& options) {
    std::string text = readBytes(options.file);
    if (!text.empty() && text.back() == '\n') // the last line's end opens no paragraph
        text.pop_back();
    zn::richedit::RichEditModel model;
    model.SetText(zn::fromUtf8(text));
    print(model.GetRtf());
    return 0;
}

int split(const RtfOptions& options) {
    std::vector<ZnsStringW> pieces;
    const int headers =
        SplitRtfParagraphs(zn::ansiToWide(readBytes(options.file)), pieces, options.headers);
    std::string json = zn::formatA("{\"headers\": %d, \"pieces\": [", headers);
    for (size_t i = 0; i < pieces.size(); ++i)
        json += (i ? ", " : "") + jsonString(zn::toUtf8(pieces[i]));
    print(json + "]}\n");
    return 0;
}

int append(const RtfOptions& options) {
    ZnsStringW target = zn::ansiToWide(readBytes(options.file));
    AppendRtf(target, zn::ansiToWide(readBytes(options.source)));
    print(zn::wideToAnsi(target));
    return 0;
}

int roundtrip(const RtfOptions& options) {
    zn::richedit::RichEditModel model;
    if (!model.StreamInRtf(readBytes(options.file), false))
        throw CommandError{IDS_RTF_NOT_RTF, options.file};
    print(model.GetRtf());
    return 0;
}

int run(int (*action)(const RtfOptions&), const RtfOptions& options) {
    zn::setSystemAnsiCodePageOverride(options.codePage);
    try {
        return action(options);
    } catch (const CommandError& error) {
        const std::string message = zn::toUtf8(res::LoadStringW(error.messageId));
        std::fprintf(stderr, "reqpad rtf: %s\n",
                     zn::formatA(message.c_str(), error.file.c_str()).c_str());
        return 2;
    }
}

} // namespace

Subcommand addRtfCommand(CLI::App& app) {
    auto options = std::make_shared<RtfOptions>();
    CLI::App* rtf = app.add_subcommand("rtf", "Read, write, split and join requirements RTF");
    rtf->require_subcommand(1);
    rtf->fallthrough(); // --codepage may follow the action
    rtf->add_option("--codepage", options->codePage, "ANSI code page of the bytes (default 1252)")
        ->check([](const std::string& value) {
            try {
                return zn::CodePage::isKnown(std::stoi(value)) ? std::string()
                                                               : "unknown code page " + value;
            } catch (const std::exception&) {
                return "not a code page: " + value;
            }
        });
    struct Action {
        const char* name;
        const char* description;
        int (*run)(const RtfOptions&);
    };
    static const Action kActions[] = {
        {"to-text", "Print the visible text as UTF-8, one line per paragraph", toText},
        {"from-text", "Write UTF-8 lines as RTF, one paragraph per line", fromText},
        {"split", "Cut into one RTF document per paragraph, as JSON", split},
        {"append", "Append the paragraphs of SOURCE to TARGET", append},
        {"roundtrip", "Read into the rich-edit model and write it back", roundtrip},
    };
    auto chosen = std::make_shared<const Action*>(nullptr);
    for (const Action& action : kActions) {
        CLI::App* sub = rtf->add_subcommand(action.name, action.description);
        const char* fileName = std::string_view(action.name) == "append" ? "TARGET" : "FILE";
        sub->add_option(fileName, options->file, "File to read, '-' for standard input")
            ->required();
        if (std::string_view(action.name) == "append")
            sub->add_option("SOURCE", options->source, "File to append, '-' for standard input")
                ->required();
        if (std::string_view(action.name) == "split")
            sub->add_flag("--headers", options->headers, "Count the header paragraphs");
        sub->callback([chosen, &action] { *chosen = &action; });
    }
    return {rtf, [options, chosen] { return run((*chosen)->run, *options); }};
}
