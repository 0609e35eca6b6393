// `reqpad resources strings|dialogs|menus|bitmaps|cursors [--lang 1033|1049|3082]`: the
// module's resources of one language set as text, one record a line, fields separated by
// TAB; backslash, line feed and tab inside a text are written \\, \n and \t.
#include <cstdio>
#include <string>

#include <CLI/CLI.hpp>

#include "apps/Commands.h"
#include "platform/text/CodePage.h"
#include "resources/Pictures.h"
#include "resources/ResourceIds.h"
#include "resources/StringTable.h"
#include "resources/UiResources.h"

namespace {

struct ResourcesOptions {
    std::string kind;
    int language = res::kLanguageNeutral;
};

std::string escaped(std::u16string_view text) {
    std::string out;
    for (char c : zn::toUtf8(text))
        out += c == '\\'   ? std::string("\\\\")
               : c == '\n' ? std::string("\\n")
               : c == '\t' ? std::string("\\t")
                           : std::string(1, c);
    return out;
}

std::string rect(const zn::ui::CRect& r) {
    return zn::formatA("%d %d %d %d", r.left, r.top, r.Width(), r.Height());
}

void printMenuItems(const std::vector<zn::ui::MenuTemplateItem>& items) {
    for (const zn::ui::MenuTemplateItem& item : items) {
        if (item.flags & zn::ui::MF_SEPARATOR) {
            std::printf("SEPARATOR\n");
        } else if (item.flags & zn::ui::MF_POPUP) {
            std::printf("POPUP\t%s\n", escaped(item.text).c_str());
            printMenuItems(item.items);
            std::printf("END\n");
        } else {
            std::printf("ITEM\t%u\t%s\n", item.id, escaped(item.text).c_str());
        }
    }
}

std::string size(const zn::ui::PixelImage& image) {
    return zn::formatA("%dx%d", image.width, image.height);
}

// Bitmaps by id (a strip adds how many images it holds), then the toolbar images.
void printBitmaps() {
    const res::Pictures& pictures = res::modulePictures();
    for (const auto& [id, image] : pictures.bitmaps) {
        std::string line = zn::formatA("BITMAP\t%u\t%s", id, size(image).c_str());
        for (const res::ImageStrip& strip : res::kImageStrips)
            if (strip.id == id)
                line += zn::formatA("\t%d", image.width / strip.imageWidth);
        std::printf("%s\n", line.c_str());
    }
    for (const auto& [number, image] : pictures.toolbarImages)
        std::printf("IMAGE\t%d\t%s\n", number, size(image).c_str());
}

void printCursors() {
    for (const auto& [id, cursor] : res::modulePictures().cursors)
        std::printf("CURSOR\t%u\t%s\t%d %d\n", id, size(cursor.image).c_str(), cursor.hotSpot.x,
                    cursor.hotSpot.y);
}

int run(const ResourcesOptions& options) {
    zn::setInterfaceLanguage(options.language);
    if (options.kind == "strings") {
        for (const auto& [id, text] : res::stringTable(options.language))
            std::printf("%u\t%s\n", id, escaped(text).c_str());
        return 0;
    }
    if (options.kind == "bitmaps") {
        printBitmaps();
        return 0;
    }
    if (options.kind == "cursors") {
        printCursors();
        return 0;
    }
    const res::UiResources& ui = res::uiResources(options.language);
    if (options.kind == "dialogs") {
        for (const auto& [id, dialog] : ui.dialogs) {
            std::printf("DIALOG\t%u\t%s\t0x%08X\t%s\n", id, rect(dialog.rect).c_str(), dialog.style,
                        escaped(dialog.caption).c_str());
            for (const zn::ui::DialogItemTemplate& item : dialog.items)
                std::printf("CONTROL\t%d\t%s\t%s\t0x%08X\t%s\n", item.id,
                            zn::toUtf8(item.className).c_str(), rect(item.rect).c_str(), item.style,
                            escaped(item.text).c_str());
        }
        return 0;
    }
    for (const auto& [id, menu] : ui.menus) {
        std::printf("MENU\t%u\n", id);
        printMenuItems(menu.items);
        std::printf("END\n");
    }
    return 0;
}

} // namespace

Subcommand addResourcesCommand(CLI::App& app) {
    auto options = std::make_shared<ResourcesOptions>();
    CLI::App* command =
        app.add_subcommand("resources", "Print the module's strings, dialogs, menus or pictures");
    command->add_option("kind", options->kind, "strings, dialogs, menus, bitmaps or cursors")
        ->required()
        ->check(CLI::IsMember({"strings", "dialogs", "menus", "bitmaps", "cursors"}));
    command
        ->add_option("--lang", options->language,
                     "language set: 1033, 1049 or 3082 (default: neutral)")
        ->check(CLI::IsMember({1033, 1049, 3082}));
    return {command, [options] { return run(*options); }};
}
