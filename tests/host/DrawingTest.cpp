// The drawing database and the default-parameter manager: identifiers, layers, refusals,
// queries by box, and values of the drawing over the registered defaults.
#include "host/ClassIds.h"
#include "host/Services.h"
#include "simhost/Annotation.h"
#include "tests/host/HostFixture.h"

namespace {

using DrawingDatabase = HostFixture;

ZnPtr<simhost::Annotation> view(ZnsPoint3 a, ZnsPoint3 b) {
    ZnPtr<simhost::Annotation> object =
        ZnPtr<simhost::Annotation>::Adopt(new simhost::Annotation(simhost::Annotation::Kind::View));
    object->SetPoints({a, b});
    return object;
}

TEST_F(DrawingDatabase, AppendGivesIdentifiersOwnersAndLayers) {
    simhost::Drawing& drawing = NewDrawing();
    auto first = view({0, 0, 0}, {1, 1, 0});
    auto second = view({0, 0, 0}, {1, 1, 0});
    second->SetLayer(u"Hidden");
    znsWorkID model = drawing.ModelSpace();
    ASSERT_EQ(drawing.Append(first.get(), nullptr), S_OK);
    ASSERT_EQ(drawing.Append(second.get(), &model), S_OK);
    EXPECT_EQ(first->GetOwnerId(), drawing.CurrentSpace());
    EXPECT_EQ(second->GetOwnerId(), model);
    EXPECT_EQ(second->GetId().index, first->GetId().index + 1);
    EXPECT_EQ(first->GetLayer(), u"0");
    EXPECT_EQ(drawing.Layers(), (std::vector<ZnsStringW>{u"0", u"Hidden"}));
    EXPECT_EQ(drawing.Append(first.get(), nullptr), E_INVALIDARG) << "already in the drawing";
    znsWorkID nowhere = znsWorkID::ForObject(1, 999, 999);
    EXPECT_EQ(drawing.Append(view({}, {}).get(), &nowhere), E_INVALIDARG);

    ASSERT_EQ(drawing.Erase(first->GetId()), S_OK);
    EXPECT_TRUE(first->GetId().IsNull());
    EXPECT_EQ(drawing.Journal().back().kind, simhost::ChangeRecord::Kind::Erased);
    EXPECT_EQ(drawing.Erase(first->GetId()), E_INVALIDARG);
}

TEST_F(DrawingDatabase, AReadOnlyDrawingRefusesNewAndErasedObjects) {
    simhost::Drawing& drawing = NewDrawing();
    auto kept = view({0, 0, 0}, {1, 1, 0});
    drawing.Append(kept.get(), nullptr);
    drawing.SetReadOnly(true);
    EXPECT_EQ(drawing.Append(view({}, {}).get(), nullptr), E_FAIL);
    EXPECT_EQ(drawing.Erase(kept->GetId()), E_FAIL);
    EXPECT_EQ(drawing.Objects().size(), 2u);
}

TEST_F(DrawingDatabase, ListsByBoxAndMeasuresExtents) {
    simhost::Drawing& drawing = NewDrawing("A3");
    auto near = view({100, 100, 0}, {120, 120, 0});
    auto far = view({300, 200, 0}, {320, 220, 0});
    drawing.Append(near.get(), nullptr);
    drawing.Append(far.get(), nullptr);
    ZnsObjectFilter filter;
    filter.kind = ZnsObjectFilter::kByBox;
    filter.box = ZnsBox3::Of({90, 90, 0}, {130, 130, 0});
    std::vector<znsWorkID> ids = drawing.List(filter);
    ASSERT_EQ(ids.size(), 2u) << "the format's extents are the whole sheet";
    EXPECT_EQ(ids[1], near->GetId());
    EXPECT_EQ(drawing.Extents(), ZnsBox3::Of({0, 0, 0}, {420, 297, 0}));
}

TEST_F(DrawingDatabase, DefaultValuesOfTheDrawingOverrideTheRegisteredOnes) {
    simhost::DefaultParams& defaults = Host().Defaults();
    ASSERT_EQ(
        defaults.RegisterParameter(7109, u"7019", u"Font height", 2, 2.5, 4095, 1, -1, -1, nullptr),
        S_OK);
    ZNSVariant value;
    EXPECT_EQ(defaults.SetValue(7109, ZNSVariant(3.0)), E_FAIL) << "no drawing to keep the value";
    NewDrawing();
    EXPECT_EQ(defaults.SetValue(7109, ZNSVariant(3.0)), S_OK);
    EXPECT_EQ(defaults.SetValue(1, ZNSVariant(3.0)), E_INVALIDARG);
    defaults.GetValue(7109, value);
    EXPECT_EQ(value.AsDouble(), 3.0);
    NewDrawing();
    defaults.GetValue(7109, value);
    EXPECT_EQ(value.AsDouble(), 2.5) << "a new drawing starts from the registered default";

    ASSERT_EQ(
        defaults.RegisterParameter(7109, u"7019", u"Height", 2, 1.0, 4095, 1, -1, -1, nullptr),
        S_OK);
    EXPECT_EQ(defaults.RegistrationOrder().size(), 1u) << "registering again replaces, in place";
    EXPECT_EQ(defaults.Find(7109)->name, u"Height");
    EXPECT_EQ(defaults.SetList(7109, ZNSVariant(std::int32_t(1))), E_INVALIDARG);
    EXPECT_EQ(defaults.SetList(42, ZNSVariant(ZnsArray<ZnsStringW>{})), E_INVALIDARG);
}

} // namespace
