#include "simhost/SiblingStandIns.h"

#include "host/Component.h"
#include "host/Dimension.h"
#include "host/ObjectImpl.h"
#include "host/SiblingModules.h"
#include "platform/loader/Loader.h"
#include "platform/ui/UserAgent.h"
#include "simhost/InputFormStandIn.h"

namespace simhost {

namespace {

void record(std::string line) {
    SiblingCallLog().push_back(std::move(line));
}

std::int32_t ZNSInputFormDlg(void* owner, ZnsStringW* text) {
    record("VornCtl.dll ZNSInputFormDlg");
    return RunInputForm(owner, text);
}

// The agent's answer to a picker; cancelled when no agent is installed.
zn::ui::PickerAnswer ask(zn::ui::PickerRequest request) {
    zn::ui::UserAgent* agent = zn::ui::CurrentUserAgent();
    return agent ? agent->AnswerPicker(request) : zn::ui::PickerAnswer();
}

// The outputs come in holding the designation the dialog starts from.
std::int32_t SelectMaterialDlg(ZnsStringW* name, ZnsStringW* numerator, ZnsStringW* denominator,
                               void*) {
    record("VornCtl.dll SelectMaterialDlg");
    if (!name || !numerator || !denominator)
        return 1;
    zn::ui::PickerRequest request;
    request.kind = zn::ui::PickerRequest::Kind::Material;
    request.presets = {*name, *numerator, *denominator};
    zn::ui::PickerAnswer answer = ask(request);
    if (!answer.chosen)
        return 1;
    answer.fields.resize(3);
    *name = answer.fields[0];
    *numerator = answer.fields[1];
    *denominator = answer.fields[2];
    return 0;
}

std::int32_t SelectFitsDlg(IZnDimension* dimension, void*) {
    record("VornCtl.dll SelectFitsDlg");
    if (!dimension)
        return 1;
    zn::ui::PickerRequest request;
    request.kind = zn::ui::PickerRequest::Kind::Fit;
    zn::ui::PickerAnswer answer = ask(request);
    if (!answer.chosen)
        return 1;
    answer.fields.resize(3);
    dimension->SetFit(answer.fields[0], answer.fields[1], answer.fields[2]);
    return 0;
}

ZnsStringW ZnShowSpecSymbols(void*, const char16_t* helpTopic, const char16_t*, bool, std::int32_t,
                             std::int32_t) {
    record("znCoreSymbols.dll ZnShowSpecSymbols " + zn::toUtf8(helpTopic ? helpTopic : u""));
    zn::ui::PickerRequest request;
    request.kind = zn::ui::PickerRequest::Kind::Symbol;
    zn::ui::PickerAnswer answer = ask(request);
    return answer.chosen && !answer.fields.empty() ? answer.fields[0] : ZnsStringW();
}

class RecordingComponent : public ZnObjectImpl<IZnComponent> {
public:
    explicit RecordingComponent(std::string name) : m_name(std::move(name)) {}
    ZnsGuid GetClassId() const override { return IZnComponent::IID; }
    HRESULT SetObjectList(const ZnsArray<znsWorkID>& objects) override {
        std::string line = "ZnNMod.dll " + m_name + " SetObjectList";
        for (const znsWorkID& id : objects)
            line += " " + std::to_string(id.index);
        record(line);
        return S_OK;
    }
    HRESULT Run(void*) override {
        record("ZnNMod.dll " + m_name + " Run");
        return S_OK;
    }

private:
    std::string m_name;
};

IZnComponent* ZnsCreateComponent(const char16_t* name) {
    std::string component = zn::toUtf8(name ? name : u"");
    if (component != "ZnNMod.Reqpador" && component != "ZnNMod.TTOldToNewConverter")
        return nullptr;
    record("ZnNMod.dll " + component + " Load");
    return new RecordingComponent(component);
}

} // namespace

std::vector<std::string>& SiblingCallLog() {
    static std::vector<std::string> log;
    return log;
}

void RegisterSiblingStandIns() {
    ZnsInputFormDlgFunction inputForm = &ZNSInputFormDlg;
    ZnsSelectMaterialDlgFunction material = &SelectMaterialDlg;
    ZnsSelectFitsDlgFunction fits = &SelectFitsDlg;
    ZnsShowSpecSymbolsFunction symbols = &ZnShowSpecSymbols;
    ZnsCreateComponentFunction components = &ZnsCreateComponent;
    zn::loader::RegisterModule(u"VornCtl.dll",
                               {{"ZNSInputFormDlg", reinterpret_cast<void*>(inputForm)},
                                {"SelectMaterialDlg", reinterpret_cast<void*>(material)},
                                {"SelectFitsDlg", reinterpret_cast<void*>(fits)}});
    zn::loader::RegisterModule(u"znCoreSymbols.dll",
                               {{"ZnShowSpecSymbols", reinterpret_cast<void*>(symbols)}});
    zn::loader::RegisterModule(u"ZnNMod.dll",
                               {{kZnsCreateComponentExport, reinterpret_cast<void*>(components)}});
}

void UnregisterSiblingStandIns() {
    for (const char16_t* name : {u"VornCtl.dll", u"znCoreSymbols.dll", u"ZnNMod.dll"})
        zn::loader::UnregisterModule(name);
}

} // namespace simhost
