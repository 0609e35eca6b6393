#include "dtext/DTextState.h"

#include <cstdio>

#include "host/Services.h"
#include "resources/StringTable.h"

namespace dtext {

namespace {

ZnsStringW pointText(const ZnsPoint3& p) {
    return zn::format("%g %g %g", p.x, p.y, p.z);
}

bool readPoint(const ZnsStringW& text, ZnsPoint3& p) {
    long double x = 0, y = 0, z = 0;
    if (std::sscanf(zn::toUtf8(text).c_str(), "%Lg %Lg %Lg", &x, &y, &z) != 3)
        return false;
    p = {double(x), double(y), double(z)};
    return true;
}

} // namespace

DTextState DTextState::Defaults() {
    DTextState state;
    state.record.text = res::LoadStringW(IDS_DEFAULT_TEXT);
    state.spacingType = res::LoadStringW(IDS_SPACING_AT_LEAST);
    return state;
}

void DTextState::Load(const IZnSettingsSection& section, bool withText) {
    if (withText) {
        if (ZnsStringW text = section.GetString(u"text", {}); !text.empty())
            record.text = text;
        if (ZnsStringW style = section.GetString(u"textStyle", {}); !style.empty())
            record.style = style;
        record.flags |= kRecordTextFromSettings;
    }
    readPoint(section.GetString(u"origin", {}), record.origin);
    readPoint(section.GetString(u"direction", {}), record.direction);
    record.horizontalAlignment = section.GetInt(u"horizAlign", record.horizontalAlignment);
    record.verticalAlignment = section.GetInt(u"vertAlign", record.verticalAlignment);
    record.width = section.GetDouble(u"width", record.width);
    record.height = section.GetDouble(u"height", record.height);
    record.oblique = section.GetDouble(u"oblique", record.oblique);
    color = section.GetInt(u"color", color);
    measuredWidth = section.GetDouble(u"mwidth", measuredWidth);
    if (ZnsStringW type = section.GetString(u"spacingType", {}); !type.empty())
        spacingType = type;
    spacingFactor = section.GetDouble(u"spacingFactor", spacingFactor);
    fullMode = section.GetInt(u"fullMode", fullMode) != 0;
}

void DTextState::Store(IZnSettingsSection& section) const {
    section.WriteString(u"text", record.text);
    section.WriteString(u"textStyle", record.style);
    section.WriteString(u"origin", pointText(record.origin));
    section.WriteString(u"direction", pointText(record.direction));
    section.WriteInt(u"horizAlign", record.horizontalAlignment);
    section.WriteInt(u"vertAlign", record.verticalAlignment);
    section.WriteDouble(u"width", record.width);
    section.WriteDouble(u"height", record.height);
    section.WriteDouble(u"oblique", record.oblique);
    section.WriteInt(u"color", color);
    section.WriteDouble(u"mwidth", measuredWidth);
    section.WriteString(u"spacingType", spacingType);
    section.WriteDouble(u"spacingFactor", spacingFactor);
    section.WriteInt(u"fullMode", fullMode ? 1 : 0);
}

ZnPtr<IZnSettingsSection> OpenDTextSettings() {
    ZnPtr<IZnSettingsSection> section;
    if (gpZnContext)
        gpZnContext->OpenSettingsSection(u"ZnDTextDlg", section.put());
    return section;
}

} // namespace dtext
