// The measure document is parsed anew for each menu and conversion, as it may have been
// replaced in between; unit names reach XPath as variables so quotes in a name are safe.
#include "calculator/MeasureSystems.h"

#include <pugixml.hpp>

#include "calculator/CalcEngine.h"
#include "platform/text/CodePage.h"
#include "resources/StringTable.h"

extern const char kDefaultMeasures[];
extern const std::size_t kDefaultMeasuresSize;
extern const char kDefaultMeasures1049[];
extern const std::size_t kDefaultMeasures1049Size;
extern const char kDefaultMeasures3082[];
extern const std::size_t kDefaultMeasures3082Size;

namespace {

constexpr char kRoot[] = "znscalc:schema";

// A loaded measure document and its root, or an empty root when it does not load.
struct MeasureDocument {
    pugi::xml_document doc;
    pugi::xml_node root;

    explicit MeasureDocument(const ZnsStringW& text) {
        const std::string utf8 = zn::toUtf8(text);
        if (doc.load_buffer(utf8.data(), utf8.size()))
            root = doc.child(kRoot);
    }

    pugi::xml_node Select(pugi::xml_node context, const char* query, const ZnsStringW& name) const {
        pugi::xpath_variable_set vars;
        vars.set("name", zn::toUtf8(name).c_str());
        return context.select_node(pugi::xpath_query(query, &vars)).node();
    }
    pugi::xml_node KindOfBase(const ZnsStringW& name) const {
        return Select(root, "BaseMeasure[@bmName=$name]", name);
    }
    pugi::xml_node KindOfUnit(const ZnsStringW& name) const {
        return Select(root, "BaseMeasure[Measure[@MeasureName=$name]]", name);
    }
    pugi::xml_node Unit(pugi::xml_node kind, const ZnsStringW& name) const {
        return Select(kind, "Measure[@MeasureName=$name]", name);
    }
};

ZnsStringW attribute(pugi::xml_node node, const char* name) {
    return zn::fromUtf8(node.attribute(name).value());
}

ZnsStringW substitute(ZnsStringW formula, const ZnsStringW& value) {
    zn::replaceAll(formula, u"x", value);
    return formula;
}

} // namespace

ZnsStringW CMeasureSystems::DefaultDocument() {
    // Unit names are what the user reads in the menu, so each language has its document.
    switch (zn::interfaceLanguage()) {
    case 1049:
        return zn::fromUtf8({kDefaultMeasures1049, kDefaultMeasures1049Size});
    case 3082:
        return zn::fromUtf8({kDefaultMeasures3082, kDefaultMeasures3082Size});
    default:
        return zn::fromUtf8({kDefaultMeasures, kDefaultMeasuresSize});
    }
}

CMeasureSystems::CMeasureSystems(ZnsStringW document) : m_document(std::move(document)) {}

std::vector<MeasureMenuEntry> CMeasureSystems::BuildMenu() {
    m_measureNames.clear();
    m_measureShortNames.clear();
    std::vector<MeasureMenuEntry> menu;
    MeasureDocument doc(m_document);
    if (!doc.root)
        return menu;
    if (!m_currentMeasure.empty()) {
        menu.push_back({kCmdChangeMeasureSystem, res::LoadStringW(kCmdChangeMeasureSystem), false});
        menu.push_back({});
    }
    auto addKind = [&](pugi::xml_node kind) {
        auto add = [&](ZnsStringW name, ZnsStringW shortName) {
            const bool checked = !m_currentMeasure.empty() && zn::equalsNoCase(name, m_currentMeasure);
            menu.push_back({kCmdFirstMeasure + int(m_measureNames.size()), name, checked});
            m_measureNames.push_back(std::move(name));
            m_measureShortNames.push_back(std::move(shortName));
        };
        add(attribute(kind, "bmName"), attribute(kind, "MesureShortName"));
        for (pugi::xml_node unit : kind.children("Measure"))
            add(attribute(unit, "MeasureName"), attribute(unit, "MesureShortName"));
    };
    if (!m_currentMeasure.empty()) {
        pugi::xml_node kind = doc.KindOfBase(m_currentMeasure);
        if (!kind)
            kind = doc.KindOfUnit(m_currentMeasure);
        if (kind)
            addKind(kind);
    } else {
        for (pugi::xml_node kind : doc.root.children("BaseMeasure")) {
            addKind(kind);
            menu.push_back({});
        }
    }
    return menu;
}

bool CMeasureSystems::OnCommand(int command, CCalcEngine& engine) {
    if (command == kCmdChangeMeasureSystem) {
        m_currentMeasure.clear();
        m_newMeasure.clear();
        m_shortNameField.clear();
        return true;
    }
    const size_t index = size_t(command - kCmdFirstMeasure);
    if (command < kCmdFirstMeasure || index >= m_measureNames.size())
        return false;
    m_newMeasure = m_measureNames[index];
    if (!m_currentMeasure.empty())
        Convert(engine, engine.ResultText(), m_currentMeasure, m_newMeasure);
    m_currentMeasure = m_newMeasure;
    m_shortNameField = m_measureShortNames[index];
    return true;
}

ZnsStringW CMeasureSystems::Convert(CCalcEngine& engine, const ZnsStringW& value,
                                    const ZnsStringW& from, const ZnsStringW& to) const {
    MeasureDocument doc(m_document);
    if (!doc.root)
        return value;
    // From the base unit only MeasureFormula(to) applies; from another unit the value goes
    // to the base through its invert formula first.
    ZnsStringW base = value;
    ZnsStringW formula;
    if (pugi::xml_node kind = doc.KindOfBase(from)) {
        formula = attribute(doc.Unit(kind, to), "MeasureFormula");
    } else {
        kind = doc.KindOfUnit(from);
        pugi::xml_node unit = kind ? doc.Unit(kind, from) : pugi::xml_node();
        if (!unit)
            return value;
        formula = substitute(attribute(unit, "MeasureInvertFormula"), value);
        base = engine.EvaluateToText(formula);
        if (!zn::equalsNoCase(attribute(kind, "bmName"), to))
            formula = attribute(doc.Unit(kind, to), "MeasureFormula");
    }
    if (formula.empty())
        return value;
    ZnsStringW text = engine.EvaluateToText(substitute(formula, base));
    engine.ShowResult(text);
    return text;
}
