// The NBF20 layout: tag, header, item records in pre-order each closed by -1, page records
// by item key, then the view state. Every record may be followed by an extension a later
// writer adds; its length is read and the bytes skipped.
#include "notebook/NotebookFormat.h"

#include "notebook/ByteStream.h"

namespace notebook {

namespace {

constexpr std::string_view kHistoryTag{"HistoryFindResult\0", 18};
constexpr std::int32_t kEndMark = -1;
// Deeper nesting than this is taken for damage, not for a notebook: the tree and its
// copies are walked recursively.
constexpr std::size_t kMaxDepth = 2000;

struct Damaged {
    std::size_t offset;
};

std::size_t count(ByteReader& in, std::size_t elementSize) {
    std::size_t at = in.position();
    std::int32_t n = in.int32();
    if (n < 0)
        throw Damaged{at};
    // A count the remaining bytes cannot hold is a truncation, found before allocating.
    if (std::size_t(n) > in.remaining() / elementSize)
        throw Truncated{in.position()};
    return std::size_t(n);
}

void skipExtension(ByteReader& in) {
    in.skip(count(in, 1));
}

NotebookFileItem readItem(ByteReader& in) {
    NotebookFileItem item;
    item.text = in.string();
    item.key = in.int32();
    item.state = std::uint32_t(in.int32());
    item.image = in.int32();
    item.selectedImage = in.int32();
    skipExtension(in);
    return item;
}

// Iterative, so that a deep file costs no stack.
std::vector<NotebookFileItem> readTree(ByteReader& in) {
    std::vector<NotebookFileItem> topLevel;
    std::vector<NotebookFileItem> open; // the items whose children are being read
    for (;;) {
        std::size_t at = in.position();
        if (in.int32() != kEndMark) {
            if (open.size() >= kMaxDepth)
                throw Damaged{at};
            open.push_back(readItem(in));
            continue;
        }
        if (open.empty())
            return topLevel;
        NotebookFileItem done = std::move(open.back());
        open.pop_back();
        (open.empty() ? topLevel : open.back().children).push_back(std::move(done));
    }
}

NotebookPage readPage(ByteReader& in) {
    NotebookPage page;
    page.type = in.int32();
    if (page.type == kEmptyRecord)
        return page;
    in.int32(); // the text length, implied by the string
    page.text = in.string();
    page.extra = in.int32();
    page.extraList.resize(count(in, 4));
    for (std::uint32_t& value : page.extraList)
        value = std::uint32_t(in.int32());
    skipExtension(in);
    return page;
}

ViewState readViewState(ByteReader& in) {
    ViewState state;
    state.selected = in.int32();
    state.expanded.resize(count(in, 4));
    for (std::int32_t& ordinal : state.expanded)
        ordinal = in.int32();
    if (in.atEnd())
        return state;
    if (in.take(kHistoryTag.size()) != kHistoryTag)
        return state;
    NotebookPage history = readPage(in);
    NotebookPage findResult = readPage(in);
    state.historyAndFindResult.emplace(std::move(history), std::move(findResult));
    return state;
}

void writeItem(ByteWriter& out, const NotebookFileItem& item) {
    out.int32(std::int32_t(item.text.size() + 1));
    out.string(item.text);
    out.int32(item.key);
    out.int32(std::int32_t(item.state));
    out.int32(item.image);
    out.int32(item.selectedImage);
    out.int32(0);
    for (const NotebookFileItem& child : item.children)
        writeItem(out, child);
    out.int32(kEndMark);
}

void writePage(ByteWriter& out, const NotebookPage& page) {
    out.int32(page.type);
    if (page.type == kEmptyRecord)
        return;
    out.int32(std::int32_t(page.text.size() + 1));
    out.string(page.text);
    out.int32(page.extra);
    out.int32(std::int32_t(page.extraList.size()));
    for (std::uint32_t value : page.extraList)
        out.int32(std::int32_t(value));
    out.int32(0);
}

} // namespace

NotebookReadResult ReadNotebookFile(std::string_view bytes) {
    NotebookReadResult result;
    ByteReader in(bytes);
    try {
        std::string_view tag = in.take(5);
        if (tag.substr(0, 3) != "NBF") {
            result.status = ReadStatus::NotNotebook;
            return result;
        }
        if (tag.substr(3) != "20" && tag.substr(3) != "31") {
            result.status = ReadStatus::OtherVersion;
            result.offset = 3;
            return result;
        }
        ByteReader header(in.take(count(in, 1)));
        result.image.rootFlag = header.remaining() >= 4 ? header.int32() : 1;
        result.image.items = readTree(in);
        skipExtension(in);
        // A page record takes at least its key and type.
        std::size_t pages = count(in, 8);
        result.image.pages.reserve(pages);
        for (std::size_t i = 0; i < pages; ++i) {
            std::int32_t key = in.int32();
            result.image.pages.emplace_back(key, readPage(in));
        }
        skipExtension(in);
        result.viewStateOffset = in.position();
        result.image.viewState = readViewState(in);
    } catch (const Truncated& e) {
        result.status = ReadStatus::Truncated;
        result.offset = e.offset;
    } catch (const Damaged& e) {
        result.status = ReadStatus::Damaged;
        result.offset = e.offset;
    }
    if (!result)
        result.image = {};
    return result;
}

std::size_t WriteNotebookFile(const NotebookImage& image, std::string& bytes) {
    ByteWriter out(bytes);
    out.bytes("NBF20");
    out.int32(8);
    out.int32(image.rootFlag);
    out.int32(1);
    for (const NotebookFileItem& item : image.items)
        writeItem(out, item);
    out.int32(kEndMark);
    out.int32(0);
    out.int32(std::int32_t(image.pages.size()));
    for (const auto& [key, page] : image.pages) {
        out.int32(key);
        writePage(out, page);
    }
    out.int32(0);
    std::size_t viewStateOffset = out.position();
    WriteViewState(image.viewState, bytes);
    return viewStateOffset;
}

void WriteViewState(const ViewState& state, std::string& bytes) {
    ByteWriter out(bytes);
    out.int32(state.selected);
    out.int32(std::int32_t(state.expanded.size()));
    for (std::int32_t ordinal : state.expanded)
        out.int32(ordinal);
    if (!state.historyAndFindResult)
        return;
    out.bytes(kHistoryTag);
    writePage(out, state.historyAndFindResult->first);
    writePage(out, state.historyAndFindResult->second);
}

} // namespace notebook
