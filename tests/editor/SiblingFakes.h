// Sibling modules as the editor tests need them: a specification document with records, its
// record picker and the material picker, both answering through the scripted user, and a
// notifier that keeps what it was told.
#pragma once

#include <map>

#include "host/ObjectImpl.h"
#include "host/Services.h"
#include "host/SiblingModules.h"
#include "host/Specification.h"
#include "module/SpecificationAccess.h"
#include "platform/loader/Loader.h"
#include "platform/ui/UserAgent.h"

namespace editor::test {

struct FakeRecord {
    std::int32_t number = 0;
    ZnsStringW zone;
};

class FakeSpecification : public ZnObjectImpl<IZnSpecification> {
public:
    ZnsGuid GetClassId() const override { return IZnSpecification::IID; }
    ZnsArray<std::int32_t> RecordIds() const override {
        ZnsArray<std::int32_t> ids;
        for (auto& [id, record] : records)
            ids.push_back(id);
        return ids;
    }
    bool HasRecord(std::int32_t id) const override { return records.count(id) != 0; }
    HRESULT GetRecordProperty(std::int32_t id, std::int32_t property,
                              ZNSVariant& value) const override {
        auto it = records.find(id);
        if (it == records.end())
            return E_INVALIDARG;
        if (property == kZnsSpecPositionNumber)
            value = it->second.number;
        else if (property == kZnsSpecZone)
            value = it->second.zone;
        else
            return E_NOTIMPL;
        return S_OK;
    }
    std::map<std::int32_t, FakeRecord> records;
};

struct RecordedNotice {
    ZnsStringW text;
    std::optional<znsWorkID> editObject;
};

class FakeNotifier : public IZnNotificator {
public:
    void ShowMessage(const ZnsStringW& text, std::int32_t) override {
        notices.push_back({text, std::nullopt});
    }
    void ShowMessageWithEditButton(const ZnsStringW& text, std::int32_t,
                                   const znsWorkID& object) override {
        notices.push_back({text, object});
    }
    std::vector<RecordedNotice> notices;
};

class SiblingFakes {
public:
    SiblingFakes() {
        s_document = &document;
        document.AddRef(); // the tests own it on the stack
        zn::loader::RegisterModule(
            u"SpecificationDlg.dll",
            {{"ZNS_GetDocSpecification", reinterpret_cast<void*>(&getDocument)},
             {"SelectPositionRecordFromDlg", reinterpret_cast<void*>(&selectRecord)}});
        ZnsSelectMaterialDlgFunction material = &selectMaterial;
        zn::loader::RegisterModule(u"VornCtl.dll",
                                   {{"SelectMaterialDlg", reinterpret_cast<void*>(material)}});
        m_previousNotifier = gpZnNotificator;
        gpZnNotificator = &notifier;
    }
    ~SiblingFakes() {
        module::ReleaseDocSpecification();
        zn::loader::UnregisterModule(u"SpecificationDlg.dll");
        zn::loader::UnregisterModule(u"VornCtl.dll");
        gpZnNotificator = m_previousNotifier;
        s_document = nullptr;
    }
    SiblingFakes(const SiblingFakes&) = delete;
    SiblingFakes& operator=(const SiblingFakes&) = delete;

    FakeSpecification document;
    FakeNotifier notifier;

private:
    static IZnSpecification* getDocument(std::int32_t) {
        s_document->AddRef();
        return s_document;
    }
    static std::int32_t selectRecord(IZnSpecification*, std::int32_t* first,
                                     std::int32_t*) {
        zn::ui::PickerAnswer answer =
            zn::ui::CurrentUserAgent()->AnswerPicker({zn::ui::PickerRequest::Kind::Record, {}, {}});
        *first = answer.record; // the first out value serves when the second stays -1
        return answer.chosen ? 1 : 0;
    }
    static std::int32_t selectMaterial(ZnsStringW* name, ZnsStringW* numerator,
                                       ZnsStringW* denominator, void*) {
        zn::ui::PickerAnswer answer = zn::ui::CurrentUserAgent()->AnswerPicker(
            {zn::ui::PickerRequest::Kind::Material, {}, {*name, *numerator, *denominator}});
        if (!answer.chosen)
            return 1;
        *name = answer.fields[0];
        *numerator = answer.fields[1];
        *denominator = answer.fields[2];
        return 0;
    }

    static inline FakeSpecification* s_document = nullptr;
    IZnNotificator* m_previousNotifier = nullptr;
};

} // namespace editor::test
