// libFuzzer entry point: host multiline text read into the editor control. Its questions
// and notices (a lost link) are answered with OK, as a user who reads and goes on.
#include <cstdint>

#include "editor/Reqpad.h"
#include "platform/text/ZnsString.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/UserAgent.h"
#include "platform/ui/Window.h"
#include "resources/ModuleResources.h"

namespace {

struct OkUser : zn::ui::UserAgent {
    int AnswerMessageBox(std::u16string_view, std::u16string_view, unsigned) override {
        return zn::ui::IDOK;
    }
    std::optional<std::u16string> ChooseFile(const zn::ui::FileRequest&) override {
        return std::nullopt;
    }
    zn::ui::PickAnswer PickPoint(const zn::ui::PointRequest&) override { return {}; }
    zn::ui::PickAnswer PickObject(const zn::ui::ObjectRequest&) override { return {}; }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Made once and never destroyed: the window system's own statics may go first at exit.
    static editor::CReqpad* pad = [] {
        static OkUser user;
        zn::ui::SetUserAgent(&user);
        static auto* resources = new res::ModuleResourceScope;
        (void)resources;
        auto* owner = new zn::ui::CWnd;
        owner->Create(u"Fuzz", u"Owner", zn::ui::WS_POPUP, {0, 0, 640, 480}, nullptr, 0);
        auto* control = new editor::CReqpad;
        control->Create(0, {0, 0, 600, 400}, owner, 12014);
        control->InitControl();
        return control;
    }();
    pad->SetContent(zn::fromUtf8(std::string_view(reinterpret_cast<const char*>(data), size)),
                    editor::kContentMultiline);
    return 0;
}
