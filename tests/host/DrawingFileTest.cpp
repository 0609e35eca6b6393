// The drawing file: everything that registers saves and loads with the same content, a
// failed save leaves the old file, a damaged file loads nothing, and an object whose
// record is too new is left out while the rest loads.
#include <filesystem>
#include <fstream>
#include <iterator>

#include "host/ClassIds.h"
#include "host/Services.h"
#include "simhost/Annotation.h"
#include "simhost/Dimension.h"
#include "simhost/DrawingFile.h"
#include "simhost/PositionRecord.h"
#include "simhost/SingleLineText.h"
#include "tests/host/HostFixture.h"

namespace {

using DrawingFile = HostFixture;

std::vector<std::uint8_t> fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// Fills the drawing with one object of every class the host can store, each carrying a
// parameter and an extended property.
void fillWithEveryType(simhost::SimHost& host) {
    simhost::Drawing& drawing = *host.ActiveDrawing();
    for (const simhost::RegisteredClass& type : host.Classes().Classes()) {
        ZnPtr<IZnObject> object = host.Classes().Create(type.classId);
        ZnPtr<IZnEntity> entity = ZnQuery<IZnEntity>(object.get());
        if (!entity)
            continue; // launchers, measuring objects and the like are not drawing objects
        entity->GetParameters().Set(7109, 3.5);
        entity->SetExtProperty(u"TT item", ZNSVariant(ZnsArray<std::int32_t>{1, 4}));
        entity->SetLayer(u"Texts");
        if (auto* annotation = dynamic_cast<simhost::Annotation*>(entity.get())) {
            annotation->SetLabel(u"B");
            annotation->SetPoints({{10, 20, 0}, {30, 40, 0}});
            annotation->SetSpecRecord(2);
        } else if (auto* record = dynamic_cast<simhost::PositionRecord*>(entity.get())) {
            record->SetNumber(12);
            record->SetZone(u"C4");
            record->SetItems({3, 5});
        } else if (auto* text = dynamic_cast<simhost::SingleLineText*>(entity.get())) {
            ZnsDTextRecord line;
            line.text = u"Ra 3,2\\Psecond line";
            line.origin = {50, 60, 0};
            text->SetRecord(line);
            text->SetColor(0xFF0000);
            text->SetAttribute(-4, ZNSVariant(std::int32_t(1)));
        } else if (auto* dimension = dynamic_cast<simhost::Dimension*>(entity.get())) {
            dimension->SetPoints({10, 10, 0}, {60, 10, 0}, 12);
            dimension->SetNominal(50);
            dimension->SetFit(u"H7", u"+0,025", u"0");
        }
        ASSERT_EQ(drawing.Append(entity.get(), nullptr), S_OK);
    }
    drawing.DefaultValues()[7109] = ZNSVariant(4.0);
}

TEST_F(DrawingFile, EveryStoredTypeSavesAndLoadsWithTheSameContent) {
    NewDrawing("A2");
    fillWithEveryType(Host());
    std::vector<std::uint8_t> before = simhost::DrawingBytes(*Host().ActiveDrawing());
    size_t objects = Host().ActiveDrawing()->Objects().size();
    EXPECT_GE(objects, 7u);

    std::string path = Path("every.zdw");
    ASSERT_TRUE(Host().Save(path));
    EXPECT_EQ(fileBytes(path), before);
    EXPECT_FALSE(std::filesystem::exists(path + ".saving"));

    NewDrawing();
    simhost::FileResult loaded = Host().Open(path);
    ASSERT_TRUE(loaded) << loaded.error;
    EXPECT_TRUE(loaded.warnings.empty());
    EXPECT_EQ(Host().ActiveDrawing()->Objects().size(), objects);
    EXPECT_EQ(simhost::DrawingBytes(*Host().ActiveDrawing()), before);
    ZNSVariant height;
    ZnGetParam(height, 7109, 0);
    EXPECT_EQ(height.AsDouble(), 4.0) << "the drawing's own default values travel with it";
}

TEST_F(DrawingFile, AFailedSaveReportsAndLeavesTheOldFile) {
    NewDrawing();
    std::string path = Path("kept.zdw");
    ASSERT_TRUE(Host().Save(path));
    std::vector<std::uint8_t> old = fileBytes(path);

    fillWithEveryType(Host());
    std::filesystem::create_directory(path + ".saving"); // the temporary file cannot be made
    simhost::FileResult failed = Host().Save(path);
    EXPECT_FALSE(failed);
    EXPECT_NE(failed.error.find("kept.zdw"), std::string::npos);
    EXPECT_EQ(fileBytes(path), old);
    EXPECT_TRUE(Host().ActiveDrawing()->IsModified());

    std::filesystem::remove(path + ".saving");
    std::string folder = Path("folder.zdw");
    std::filesystem::create_directories(folder + "/inside"); // the rename cannot replace it
    EXPECT_FALSE(Host().Save(folder));
    EXPECT_TRUE(std::filesystem::is_directory(folder + "/inside"));
    EXPECT_FALSE(std::filesystem::exists(folder + ".saving"));
}

TEST_F(DrawingFile, ADamagedFileLoadsNothingAndSaysWhere) {
    NewDrawing();
    fillWithEveryType(Host());
    std::string path = Path("damaged.zdw");
    ASSERT_TRUE(Host().Save(path));
    std::vector<std::uint8_t> bytes = fileBytes(path);
    bytes.resize(bytes.size() - 7);
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));

    simhost::Drawing* before = Host().ActiveDrawing();
    simhost::FileResult result = Host().Open(path);
    EXPECT_FALSE(result);
    EXPECT_NE(result.error.find("at byte"), std::string::npos) << result.error;
    EXPECT_EQ(Host().ActiveDrawing(), before) << "a failed load keeps the drawing that was open";

    std::ofstream(Path("text.zdw")) << "not a drawing";
    EXPECT_NE(Host().Open(Path("text.zdw")).error.find("not a drawing file"), std::string::npos);
    EXPECT_FALSE(Host().Open(Path("missing.zdw")));
}

// An object that writes a record of a major version no reader of this build accepts.
class FutureObject : public IZnEntity {
public:
    static constexpr ZnsGuid kClass = ZnsPlatformGuid(0x000000FF, 0x0030);
    static HRESULT Factory(IZnObject** out) {
        *out = new FutureObject;
        return S_OK;
    }
    ZnsGuid GetClassId() const override { return kClass; }
    HRESULT Save(IZnFiler& filer) const override {
        filer.BeginRecord(3, 0);
        filer.WriteString(u"from the future");
        return filer.EndRecord();
    }
    HRESULT Load(IZnFiler& filer) override {
        std::int32_t major = 0, minor = 0;
        filer.ReadVersion(major, minor);
        return major >= 3 ? ZNS_E_RECORD_TOO_NEW : filer.EndRecord();
    }
};

TEST_F(DrawingFile, AnObjectThatRefusesItsRecordIsLeftOutAndTheRestLoads) {
    Host().Classes().Register(
        {FutureObject::kClass, &FutureObject::Factory, u"Future", -1, std::nullopt, false});
    simhost::Drawing& drawing = NewDrawing();
    ZnPtr<IZnEntity> future = ZnPtr<IZnEntity>::Adopt(new FutureObject);
    drawing.Append(future.get(), nullptr);
    ZnPtr<simhost::PositionRecord> record =
        ZnPtr<simhost::PositionRecord>::Adopt(new simhost::PositionRecord);
    drawing.Append(record.get(), nullptr);
    std::string path = Path("future.zdw");
    ASSERT_TRUE(Host().Save(path));

    simhost::FileResult result = Host().Open(path);
    ASSERT_TRUE(result) << result.error;
    ASSERT_EQ(result.warnings.size(), 1u);
    EXPECT_NE(result.warnings[0].find("0x8004BA10"), std::string::npos) << result.warnings[0];
    std::vector<IZnEntity*> objects = Host().ActiveDrawing()->Objects();
    ASSERT_EQ(objects.size(), 2u) << "the format and the record load, the future object does not";
    EXPECT_EQ(objects[1]->GetClassId(), CLSID_ZnPositionRecord);
}

} // namespace
