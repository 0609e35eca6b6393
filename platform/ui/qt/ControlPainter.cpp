// Standard controls drawn from their state with the application's style, then the
// window's own picture on top.
#include "platform/ui/qt/ControlPainter.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/ItemList.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/RichEditCtrl.h"
#include "platform/ui/Static.h"
#include "platform/ui/ToolTip.h"
#include "platform/ui/qt/DisplayListPainter.h"
#include "platform/ui/qt/QtText.h"
#include "platform/ui/qt/RichEditPainter.h"

namespace zn::ui::qt {

namespace {

QRect clientOf(const CWnd& window) {
    CRect rect = window.GetClientRect();
    return {0, 0, rect.Width(), rect.Height()};
}

bool hasFocus(const CWnd& window) {
    return CWnd::GetFocus() == &window;
}

void initOption(QStyleOption& option, const CWnd& window, const QPalette& palette) {
    option.rect = clientOf(window);
    option.palette = palette;
    option.state = QStyle::State_None;
    if (window.IsWindowEnabled())
        option.state |= QStyle::State_Enabled;
    if (hasFocus(window))
        option.state |= QStyle::State_HasFocus | QStyle::State_KeyboardFocusChange;
}

void drawFrame(QPainter& painter, const CWnd& window, const QPalette& palette) {
    QStyleOptionFrame frame;
    initOption(frame, window, palette);
    frame.lineWidth = 1;
    frame.state |= QStyle::State_Sunken;
    QApplication::style()->drawPrimitive(QStyle::PE_Frame, &frame, &painter);
}

void paintButton(QPainter& painter, CButton& button, const QPalette& palette) {
    QStyle* style = QApplication::style();
    const std::uint32_t kind = button.GetStyle() & BS_TYPEMASK;
    if (kind == BS_GROUPBOX) {
        QStyleOptionGroupBox box;
        initOption(box, button, palette);
        box.state &= ~QStyle::State_HasFocus;
        box.text = ToQString(button.GetWindowTextW());
        box.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        box.textAlignment = Qt::AlignLeft;
        box.textColor = palette.color(QPalette::WindowText);
        style->drawComplexControl(QStyle::CC_GroupBox, &box, &painter);
        return;
    }
    QStyleOptionButton option;
    initOption(option, button, palette);
    option.text = ToQString(button.GetWindowTextW()).replace(QLatin1Char('&'), QString());
    if (button.IsPushButton()) {
        if (kind == BS_DEFPUSHBUTTON)
            option.features |= QStyleOptionButton::DefaultButton;
        option.state |=
            button.GetCheck() == BST_CHECKED ? QStyle::State_Sunken : QStyle::State_Raised;
        style->drawControl(QStyle::CE_PushButton, &option, &painter);
        return;
    }
    option.state |= button.GetCheck() == BST_CHECKED         ? QStyle::State_On
                    : button.GetCheck() == BST_INDETERMINATE ? QStyle::State_NoChange
                                                             : QStyle::State_Off;
    style->drawControl(button.IsRadio() ? QStyle::CE_RadioButton : QStyle::CE_CheckBox, &option,
                       &painter);
}

void paintEdit(QPainter& painter, CEdit& edit, const QPalette& palette) {
    QStyleOptionFrame frame;
    initOption(frame, edit, palette);
    frame.lineWidth = 1;
    QApplication::style()->drawPrimitive(QStyle::PE_PanelLineEdit, &frame, &painter);
    const QString text = ToQString(edit.GetWindowTextW());
    const QRect inner = clientOf(edit).adjusted(3, 2, -3, -2);
    const QFontMetrics metrics(painter.font());
    int start = 0, end = 0;
    edit.GetSel(start, end);
    const bool multiline = edit.GetStyle() & ES_MULTILINE;
    // Lines of a multi-line edit end at CR LF; a single line is centred vertically.
    const QStringList lines = multiline ? text.split(QStringLiteral("\r\n")) : QStringList{text};
    int y = multiline ? inner.top() : inner.top() + (inner.height() - metrics.height()) / 2;
    int lineStart = 0;
    painter.setClipRect(inner);
    for (const QString& line : lines) {
        const int from = std::clamp(start - lineStart, 0, int(line.size()));
        const int to = std::clamp(end - lineStart, 0, int(line.size()));
        if (to > from && hasFocus(edit)) {
            const int left = inner.left() + metrics.horizontalAdvance(line.left(from));
            painter.fillRect(QRect(left, y, metrics.horizontalAdvance(line.mid(from, to - from)),
                                   metrics.height()),
                             palette.color(QPalette::Highlight));
        }
        painter.setPen(palette.color(edit.IsWindowEnabled() ? QPalette::Active : QPalette::Disabled,
                                     QPalette::Text));
        painter.drawText(inner.left(), y + metrics.ascent(), line);
        if (hasFocus(edit) && start == end && end >= lineStart && end <= lineStart + line.size()) {
            const int x = inner.left() + metrics.horizontalAdvance(line.left(end - lineStart));
            painter.drawLine(x, y, x, y + metrics.height() - 1);
        }
        lineStart += int(line.size()) + 2;
        y += metrics.height();
    }
    painter.setClipping(false);
}

void paintStatic(QPainter& painter, CStatic& label, const QPalette& palette) {
    const std::uint32_t kind = label.GetStyle() & 0x1F;
    const QRect rect = clientOf(label);
    if (kind == SS_ETCHEDHORZ) {
        painter.setPen(palette.color(QPalette::Mid));
        painter.drawLine(0, 0, rect.right(), 0);
        painter.setPen(palette.color(QPalette::Light));
        painter.drawLine(0, 1, rect.right(), 1);
        return;
    }
    if (kind == SS_ETCHEDFRAME) {
        painter.setPen(palette.color(QPalette::Mid));
        painter.drawRect(rect.adjusted(0, 0, -1, -1));
        return;
    }
    const Qt::Alignment align = kind == SS_CENTER  ? Qt::AlignHCenter
                                : kind == SS_RIGHT ? Qt::AlignRight
                                                   : Qt::AlignLeft;
    painter.setPen(palette.color(label.IsWindowEnabled() ? QPalette::Active : QPalette::Disabled,
                                 QPalette::WindowText));
    painter.drawText(rect, int(align | Qt::AlignTop | Qt::TextWordWrap),
                     ToQString(label.GetWindowTextW()).replace(QLatin1Char('&'), QString()));
}

void paintComboBox(QPainter& painter, CComboBox& combo, const QPalette& palette) {
    QStyleOptionComboBox option;
    initOption(option, combo, palette);
    option.rect = painter.window().intersected(option.rect);
    option.editable = combo.IsEditable();
    option.currentText = ToQString(combo.GetWindowTextW());
    option.subControls = QStyle::SC_All;
    QStyle* style = QApplication::style();
    style->drawComplexControl(QStyle::CC_ComboBox, &option, &painter);
    painter.setPen(palette.color(QPalette::Text));
    style->drawControl(QStyle::CE_ComboBoxLabel, &option, &painter);
}

void paintListBox(QPainter& painter, CListBox& list, const QPalette& palette) {
    const QRect rect = clientOf(list);
    painter.fillRect(rect, palette.color(QPalette::Base));
    for (int i = 0; i < list.GetCount(); ++i) {
        const QRect row(0, i * ItemList::kRowHeight, rect.width(), ItemList::kRowHeight);
        if (row.top() > rect.bottom())
            break;
        const bool current = i == list.GetCurSel();
        if (current)
            painter.fillRect(row, palette.color(QPalette::Highlight));
        painter.setPen(palette.color(current ? QPalette::HighlightedText : QPalette::Text));
        painter.drawText(row.adjusted(3, 0, -3, 0), Qt::AlignLeft | Qt::AlignVCenter,
                         ToQString(list.GetText(i)));
    }
    drawFrame(painter, list, palette);
}

void paintToolTip(QPainter& painter, CWnd& tip, const QPalette& palette) {
    const QRect rect = clientOf(tip);
    painter.fillRect(rect, palette.color(QPalette::ToolTipBase));
    painter.setPen(palette.color(QPalette::ToolTipText));
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
    painter.drawText(rect.adjusted(3, 1, -3, -1),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap,
                     ToQString(tip.GetWindowTextW()));
}

} // namespace

void PaintWindow(QPainter& painter, CWnd& window, const QPalette& palette) {
    const DisplayList& picture = window.GetPaintedDisplayList();
    if (!window.GetParent())
        painter.fillRect(clientOf(window), palette.color(QPalette::Window));
    if (auto* rich = dynamic_cast<CRichEditCtrl*>(&window))
        PaintRichEdit(painter, *rich, hasFocus(window), palette);
    else if (auto* button = dynamic_cast<CButton*>(&window))
        paintButton(painter, *button, palette);
    else if (auto* edit = dynamic_cast<CEdit*>(&window))
        paintEdit(painter, *edit, palette);
    else if (auto* combo = dynamic_cast<CComboBox*>(&window))
        paintComboBox(painter, *combo, palette);
    else if (auto* list = dynamic_cast<CListBox*>(&window))
        paintListBox(painter, *list, palette);
    else if (dynamic_cast<CToolTipCtrl*>(&window))
        paintToolTip(painter, window, palette);
    else if (auto* label = dynamic_cast<CStatic*>(&window); label && picture.empty())
        paintStatic(painter, *label, palette);
    else if (picture.empty() &&
             (window.GetStyle() & WS_BORDER || window.GetExStyle() & WS_EX_CLIENTEDGE))
        drawFrame(painter, window, palette);
    // What the window's own paint code drew lies over what the control looks like.
    PaintDisplayList(painter, picture);
}

} // namespace zn::ui::qt
