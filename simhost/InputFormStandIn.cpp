#include "simhost/InputFormStandIn.h"

#include "platform/ui/Dialog.h"

namespace simhost {

namespace {

using namespace zn::ui;

constexpr UINT kFormTemplate = 1;

// The form's own resources: it is not one of the module's dialogs.
class FormResources : public ResourceModule {
public:
    FormResources() {
        m_form.id = kFormTemplate;
        m_form.caption = u"Input form";
        m_form.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
        m_form.rect = {0, 0, 186, 44};
        m_form.items = {
            {kInputFormField, u"Edit", {7, 7, 179, 21}, {}, WS_VISIBLE | WS_BORDER | WS_TABSTOP},
            {IDOK, u"Button", {75, 25, 125, 39}, u"OK", WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON},
            {IDCANCEL, u"Button", {129, 25, 179, 39}, u"Cancel", WS_VISIBLE | WS_TABSTOP}};
    }
    std::optional<ZnsStringW> FindString(UINT) const override { return std::nullopt; }
    const DialogTemplate* FindDialog(UINT id) const override {
        return id == kFormTemplate ? &m_form : nullptr;
    }
    const MenuTemplate* FindMenu(UINT) const override { return nullptr; }

private:
    DialogTemplate m_form;
};

class InputForm : public CDialog {
public:
    InputForm(CWnd* owner, ZnsStringW& text) : CDialog(kFormTemplate, owner), m_text(text) {}

protected:
    void DoDataExchange(CDataExchange* dx) override { DDX_Text(dx, kInputFormField, m_text); }

private:
    ZnsStringW& m_text;
};

} // namespace

std::int32_t RunInputForm(void* owner, ZnsStringW* text) {
    static FormResources resources;
    ResourceScope scope(&resources);
    ZnsStringW typed = text ? *text : ZnsStringW();
    InputForm form(CWnd::FromHandle(static_cast<HWND>(owner)), typed);
    if (form.DoModal() != IDOK)
        return 2;
    if (text)
        *text = typed;
    return 1;
}

} // namespace simhost
