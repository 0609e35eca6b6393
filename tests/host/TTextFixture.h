// A reference host with the module loaded and a requirements object at hand: content made
// of numbered items (with an optional header), objects appended to the drawing, and the
// visible text of a column.
#pragma once

#include "host/ClassIds.h"
#include "host/Services.h"
#include "module/ModuleIds.h"
#include "platform/richedit/RichEditModel.h"
#include "platform/rtf/RtfReader.h"
#include "platform/text/CodePage.h"
#include "requirements/ZnTText.h"
#include "tests/host/HostFixture.h"

class TTextFixture : public HostFixture {
protected:
    void SetUp() override {
        HostFixture::SetUp();
        InitModule();
        NewDrawing("A3");
    }
    void TearDown() override {
        UnInitModule();
        HostFixture::TearDown();
    }

    // A new requirements object of `mode`, in the drawing when `append`.
    ZnPtr<CZnTText> NewText(std::int32_t mode, bool append = true) {
        IZnObject* object = nullptr;
        EXPECT_EQ(gpZnObjManager->Create(&object, CLSID_ZnTText), S_OK);
        ZnPtr<CZnTText> text =
            ZnPtr<CZnTText>::Adopt(static_cast<CZnTText*>(ZnQuery<IZnTText>(object).detach()));
        object->Release();
        text->SetMode(mode);
        if (append) {
            EXPECT_EQ(gpZnObjManager->Append(static_cast<IZnTText*>(text.get()), nullptr), S_OK);
        }
        return text;
    }

    // `count` items "N. Item N ..." of `words` words each, in our RTF; with a header line
    // marked as header and the first item marking its end.
    static ZnsStringW Items(int count, int words = 3, bool header = false) {
        ZnsStringW lines = header ? u"Technical requirements\n" : u"";
        for (int i = 1; i <= count; ++i) {
            lines += zn::format("%i. Item %i", i, i);
            for (int w = 0; w < words; ++w)
                lines += u" word";
            if (i < count)
                lines += u"\n";
        }
        zn::richedit::RichEditModel model;
        model.StreamInText(lines, false);
        ZnsStringW rtf = zn::ansiToWide(model.GetRtf());
        if (header) {
            size_t first = rtf.find(u"\\pard") + 5;
            size_t second = rtf.find(u"\\pard", first) + 5;
            rtf.insert(second, u"\\znheader0");
            rtf.insert(first, u"\\znheader1");
        }
        return rtf;
    }

    static std::string Visible(const ZnsStringW& rtf) {
        zn::richedit::RichText text;
        if (!zn::rtf::Read(zn::wideToAnsi(rtf), text))
            return {};
        ZnsStringW visible = text.visibleText();
        while (!visible.empty() && visible.back() == u'\n')
            visible.pop_back();
        return zn::toUtf8(visible);
    }

    // The first format of the drawing.
    znsWorkID Format() {
        for (IZnEntity* entity : Host().ActiveDrawing()->Objects())
            if (entity->GetClassId() == CLSID_ZnFormat)
                return entity->GetId();
        return {};
    }
};

// A drawing object of any class with fixed extents, for the objects other modules put on a
// drawing (position objects, obstacles in a column area).
class BoxObject : public IZnEntity {
public:
    BoxObject(ZnsGuid classId, ZnsBox3 box) : m_classId(classId), m_box(box) {}
    ZnsGuid GetClassId() const override { return m_classId; }
    void Draw(IZnGeometrySink& sink) override {
        sink.Polyline(
            {m_box.min, {m_box.max.x, m_box.min.y, 0}, m_box.max, {m_box.min.x, m_box.max.y, 0}},
            true, kZnsColorByDefault);
    }

private:
    ZnsGuid m_classId;
    ZnsBox3 m_box;
};

inline znsWorkID AddBox(simhost::Drawing& drawing, ZnsGuid classId, ZnsPoint3 a, ZnsPoint3 b) {
    ZnPtr<BoxObject> box = ZnPtr<BoxObject>::Adopt(new BoxObject(classId, ZnsBox3::Of(a, b)));
    drawing.Append(box.get(), nullptr);
    return box->GetId();
}
