// What the window-system tests share: resources made in the test, a scripted user
// installed for each test, and a clean message queue, clipboard and box record.
#pragma once

#include <gtest/gtest.h>

#include <map>

#include "platform/ui/Clipboard.h"
#include "platform/ui/Input.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Resources.h"
#include "platform/ui/ScriptedAgent.h"

namespace zn::ui::test {

class TestResources : public ResourceModule {
public:
    std::map<UINT, ZnsStringW> strings;
    std::map<UINT, DialogTemplate> dialogs;
    std::map<UINT, MenuTemplate> menus;
    std::map<UINT, PixelImage> bitmaps;
    std::map<UINT, CursorImage> cursors;
    std::map<int, PixelImage> toolbarImages;

    std::optional<ZnsStringW> FindString(UINT id) const override {
        auto it = strings.find(id);
        return it == strings.end() ? std::nullopt : std::optional<ZnsStringW>(it->second);
    }
    const DialogTemplate* FindDialog(UINT id) const override { return findIn(dialogs, id); }
    const MenuTemplate* FindMenu(UINT id) const override { return findIn(menus, id); }
    const PixelImage* FindBitmap(UINT id) const override { return findIn(bitmaps, id); }
    const CursorImage* FindCursor(UINT id) const override { return findIn(cursors, id); }
    const PixelImage* FindToolbarImage(int image) const override {
        return findIn(toolbarImages, image);
    }
};

inline DialogItemTemplate item(int id, std::u16string className, std::u16string text,
                               std::uint32_t style, CRect rect = {5, 5, 55, 19}) {
    return {id, std::move(className), rect, std::move(text), style | WS_VISIBLE, 0};
}

// A dialog template as the resources give it (rectangle in dialog units).
inline DialogTemplate dialogTemplate(UINT id, std::u16string caption, std::uint32_t style,
                                     CRect rect, std::vector<DialogItemTemplate> items = {}) {
    DialogTemplate dialog;
    dialog.id = id;
    dialog.caption = std::move(caption);
    dialog.style = style;
    dialog.rect = rect;
    dialog.items = std::move(items);
    return dialog;
}

class UiTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_previous = SetUserAgent(&agent);
        ClearRecordedMessageBoxes();
        ResetClipboard();
        ClearMessageQueue();
    }
    void TearDown() override {
        HoldModifiers(0); // a script's last key action leaves nothing held for the next test
        SetUserAgent(m_previous);
        ClearMessageQueue();
    }

    TestResources resources;
    ResourceScope scope{&resources};
    ScriptedAgent agent;

private:
    UserAgent* m_previous = nullptr;
};

} // namespace zn::ui::test
