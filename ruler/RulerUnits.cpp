#include "ruler/RulerUnits.h"

#include "resources/ResourceIds.h"
#include "resources/StringTable.h"

namespace ruler {

namespace {

RulerUnitTable buildTable() {
    RulerUnitTable table = {{
        {1440, 180, 720, 1440, 90, res::IDS_UNIT_INCH, false, {}},
        {568, 142, 284, 568, 142, res::IDS_UNIT_CM, true, {}},
        {568, 142, 284, 568, 142, res::IDS_UNIT_CM, true, {}},
        {20, 120, 720, 720, 100, res::IDS_UNIT_POINT, true, {}},
        {240, 240, 1440, 1440, 120, res::IDS_UNIT_PICA, true, {}},
    }};
    for (RulerUnit& unit : table)
        unit.abbreviation = res::LoadStringW(unit.abbreviationId);
    return table;
}

} // namespace

RulerUnitTable& RulerUnits() {
    static RulerUnitTable table = buildTable();
    return table;
}

const RulerUnit& CurrentRulerUnit() {
    return RulerUnits()[kCurrentUnit];
}

} // namespace ruler
