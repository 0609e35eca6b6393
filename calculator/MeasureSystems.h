// Units attached to the calculator's value and conversion between units of one kind,
// driven by a measure document (root "znscalc:schema", kinds "BaseMeasure", units
// "Measure") whose formulas in "x" go through the formula parser.
#pragma once

#include <vector>

#include "platform/text/ZnsString.h"

class CCalcEngine;

struct MeasureMenuEntry {
    int command = 0; // 0 for a separator
    ZnsStringW text;
    bool checked = false;
};

class CMeasureSystems {
public:
    static constexpr int kCmdChangeMeasureSystem = 35000;
    static constexpr int kCmdFirstMeasure = 35001;

    // The document shipped with the module, in the interface language.
    static ZnsStringW DefaultDocument();

    explicit CMeasureSystems(ZnsStringW document = DefaultDocument());

    // Builds the unit menu for the current unit (or every kind when none is attached);
    // empty when the document has no root.
    std::vector<MeasureMenuEntry> BuildMenu();
    // Menu commands: 35000 detaches the unit, 35001 + i selects entry i of the last menu
    // (the first selection attaches, later ones convert the shown value). Returns false
    // for a command the menu did not offer.
    bool OnCommand(int command, CCalcEngine& engine);
    // Converts `value` between two units of one kind, shows the result in the engine and
    // returns its text; returns `value` unchanged when no conversion is possible.
    ZnsStringW Convert(CCalcEngine& engine, const ZnsStringW& value, const ZnsStringW& from,
                       const ZnsStringW& to) const;

    const ZnsStringW& CurrentMeasure() const { return m_currentMeasure; }
    // The short name shown in the read-only measure field.
    const ZnsStringW& ShortNameField() const { return m_shortNameField; }
    const std::vector<ZnsStringW>& MeasureNames() const { return m_measureNames; }
    const std::vector<ZnsStringW>& MeasureShortNames() const { return m_measureShortNames; }

private:
    ZnsStringW m_document;
    std::vector<ZnsStringW> m_measureNames;
    std::vector<ZnsStringW> m_measureShortNames;
    ZnsStringW m_currentMeasure;
    ZnsStringW m_newMeasure;
    ZnsStringW m_shortNameField;
};
