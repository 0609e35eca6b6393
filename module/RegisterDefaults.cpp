#include "module/RegisterDefaults.h"

#include "host/Services.h"
#include "resources/StringTable.h"

namespace module {

namespace {

constexpr std::uint32_t kAllFlags = 4095;

struct Registrar {
    IZnDefParamManager& manager;
    const ZnsStringW category;

    void parameter(std::int32_t id, unsigned nameId, std::int32_t type, const ZNSVariant& value,
                   std::uint32_t mask = kAllFlags, std::int32_t visible = 1,
                   const ZnsStringW* unit = nullptr) {
        manager.RegisterParameter(id, category, res::LoadStringW(nameId), type, value, mask,
                                  visible, -1, -1, unit);
    }
};

// While 7115 is being registered it has no value yet, so the default notebook file is the
// host's standard notebook path.
ZnsStringW defaultNotebookPath() {
    return gpZnContext ? gpZnContext->GetStandardPath(41) : ZnsStringW();
}

} // namespace

void RegisterDefaults() {
    if (!gpZnDefParamManager)
        return;
    IZnDefParamManager& manager = *gpZnDefParamManager;
    const ZnsStringW conditions = u"7019";
    manager.RegisterCategory(conditions, res::LoadStringW(32844), 8, 2, -1, 0);
    Registrar tt{manager, conditions};
    const ZNSVariant zero(std::int32_t(0));
    const ZNSVariant defaultColor(std::int32_t(0xFE000000u));

    ZnsArray<ZnsStringW> choices{res::LoadStringW(14), res::LoadStringW(17), res::LoadStringW(19)};
    tt.parameter(7117, 12, 23, zero);
    manager.SetList(7117, choices);
    tt.parameter(7109, 57677, 2, 2.5);
    tt.parameter(7114, 32873, 1, zero);
    tt.parameter(7116, 57714, 5, defaultColor);
    tt.parameter(7118, 21, 8, zero);
    tt.parameter(7121, 23, 2, 2.5);
    tt.parameter(7120, 25, 1, zero);
    tt.parameter(7122, 27, 5, defaultColor);
    tt.parameter(7119, 29, 8, zero);
    choices.clear(); // the same list, emptied, carries the alignments
    choices.insert(choices.end(),
                   {res::LoadStringW(57683), res::LoadStringW(57684), res::LoadStringW(57686)});
    tt.parameter(7123, 31, 23, zero);
    manager.SetList(7123, choices);
    tt.parameter(7124, 57721, 7, ZnsStringW());
    tt.parameter(7110, 32867, 4, true, 4093);
    const ZnsStringW unitX = u"x", unitY = u"y";
    tt.parameter(7112, 32871, 2, 5.0, kAllFlags, 1, &unitX);
    tt.parameter(7113, 32872, 2, 10.0, kAllFlags, 1, &unitY);

    const ZnsStringW notebook = u"7300";
    manager.RegisterCategory(notebook, res::LoadStringW(32843), 56, -1, -1, 0);
    Registrar nb{manager, notebook};
    nb.parameter(7115, 57707, 33,
                 ZnsArray<ZnsStringW>{defaultNotebookPath(), u"ntb", res::LoadStringW(32854)},
                 kAllFlags, 0);
}

} // namespace module
