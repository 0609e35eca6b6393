// Our UTF-16 strings and colours as Qt's and back.
#pragma once

#include <QColor>
#include <QString>
#include <string>

#include "platform/ui/Types.h"

namespace zn::ui::qt {

inline QString ToQString(std::u16string_view text) {
    return QString(reinterpret_cast<const QChar*>(text.data()), qsizetype(text.size()));
}

inline std::u16string ToU16(const QString& text) {
    return std::u16string(reinterpret_cast<const char16_t*>(text.utf16()), size_t(text.size()));
}

inline QColor ToQColor(COLORREF color) {
    return QColor(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF));
}

} // namespace zn::ui::qt
