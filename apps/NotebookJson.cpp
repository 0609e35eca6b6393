// Items with their pages nested, the selection and expansion by key, and the plain texts
// of History and Find result.
#include "apps/NotebookJson.h"

#include "notebook/Notebook.h"
#include "notebook/PageText.h"

using nlohmann::json;
using namespace notebook;

namespace {

std::string utf8(std::u16string_view text) {
    return zn::toUtf8(text);
}

json pageJson(const NotebookPage& page) {
    json out;
    out["type"] = page.type;
    if (page.type == kTablePage) {
        out["text"] = utf8(page.text);
        out["rtf"] = nullptr;
    } else {
        out["text"] = utf8(PlainTextOfRtf(page.text));
        out["rtf"] = utf8(page.text);
    }
    out["extra"] = page.extra;
    out["extraList"] = page.extraList;
    return out;
}

json itemJson(const CNotebookTree& pages, HTREEITEM item) {
    const zn::ui::CxTreeCtrl& tree = pages.Tree();
    int image = 0, selectedImage = 0;
    tree.GetItemImage(item, image, selectedImage);
    json out;
    out["text"] = utf8(tree.GetItemText(item));
    out["type"] = pages.PageType(item);
    out["key"] = pages.Key(item);
    out["image"] = image;
    out["state"] = tree.GetItemState(item, zn::ui::TVIS_SELECTED | zn::ui::TVIS_EXPANDED);
    if (const NotebookPage* page = pages.GetOwnPage(item))
        out["page"] = pageJson(*page);
    out["children"] = json::array();
    for (HTREEITEM child = tree.GetChildItem(item); child; child = tree.GetNextSiblingItem(child))
        out["children"].push_back(itemJson(pages, child));
    return out;
}

json specialText(const CNotebookTree& pages, int type) {
    const NotebookPage* page = pages.GetOwnPage(pages.FindSpecial(type));
    return page ? json(utf8(PlainTextOfRtf(page->text))) : json(nullptr);
}

} // namespace

json NotebookToJson(const CNotebookDoc& doc) {
    const CNotebookTree& pages = doc.Pages();
    const zn::ui::CxTreeCtrl& tree = pages.Tree();
    json out;
    out["items"] = json::array();
    for (HTREEITEM top = pages.Root(); top; top = tree.GetNextSiblingItem(top))
        out["items"].push_back(itemJson(pages, top));
    out["selected"] = nullptr;
    out["expanded"] = json::array();
    pages.ForEachItem([&](HTREEITEM item, int) {
        if (out["selected"].is_null() && tree.GetItemState(item, zn::ui::TVIS_SELECTED))
            out["selected"] = pages.Key(item);
        if (tree.GetItemState(item, zn::ui::TVIS_EXPANDED))
            out["expanded"].push_back(pages.Key(item));
    });
    out["history"] = specialText(pages, kHistory);
    out["findResult"] = specialText(pages, kFindResult);
    return out;
}
