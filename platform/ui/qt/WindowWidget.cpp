// A window's widget: painting from our state and real events turned into our input.
#include "platform/ui/qt/WindowWidget.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QToolTip>
#include <QWheelEvent>

#include "platform/ui/ComboBox.h"
#include "platform/ui/Cursor.h"
#include "platform/ui/Input.h"
#include "platform/ui/RichEditCtrl.h"
#include "platform/ui/ToolTip.h"
#include "platform/ui/qt/ControlPainter.h"
#include "platform/ui/qt/CursorMapping.h"
#include "platform/ui/qt/KeyMapping.h"
#include "platform/ui/qt/QtText.h"

namespace zn::ui::qt {

namespace {
constexpr int kComboFieldHeight = 22;
}

WindowWidget::WindowWidget(HWND hwnd, QWidget* parent, InputGate& gate, bool topLevel)
    : QWidget(parent), m_hwnd(hwnd), m_gate(gate) {
    setMouseTracking(true);
    if (!topLevel) {
        setFocusPolicy(Qt::NoFocus);
    } else {
        setFocusPolicy(Qt::StrongFocus);
        setAttribute(Qt::WA_InputMethodEnabled);
        m_menuBar = std::make_unique<MenuBarMirror>(*this, hwnd, [this] { delivered(); });
    }
}

void WindowWidget::Follow(const CWnd& window) {
    m_following = true;
    CRect rect = window.GetRectInParent();
    QRect geometry(rect.left, rect.top, rect.Width(), rect.Height());
    // A combo box's rectangle includes its dropped list; only the field shows, so clicks
    // below it reach the controls there.
    if (dynamic_cast<const CComboBox*>(&window))
        geometry.setHeight(std::min(geometry.height(), kComboFieldHeight));
    if (auto* parent = dynamic_cast<WindowWidget*>(parentWidget()); parent && !isWindow())
        geometry.translate(0, parent->MenuHeight());
    if (isWindow()) {
        m_menuBar->Follow(window);
        geometry.setHeight(geometry.height() + MenuHeight());
        if (windowTitle() != ToQString(window.GetWindowTextW()))
            setWindowTitle(ToQString(window.GetWindowTextW()));
        if (geometry.size() != size())
            resize(geometry.size());
        if (geometry.topLeft() != pos())
            move(geometry.topLeft());
    } else if (geometry != this->geometry()) {
        setGeometry(geometry);
    }
    followScrollBar(window);
    setEnabled(window.IsWindowEnabled());
    const bool shown = (window.GetStyle() & WS_VISIBLE) != 0;
    if (shown != isVisibleTo(parentWidget()) || (isWindow() && shown != isVisible())) {
        setVisible(shown);
        // Keys reach our focused window through the top-level widget, so it takes Qt's focus.
        if (shown && isWindow())
            setFocus(Qt::ActiveWindowFocusReason);
    }
    m_following = false;
}

void WindowWidget::followScrollBar(const CWnd& window) {
    const auto* text = dynamic_cast<const CRichEditCtrl*>(&window);
    if (!text || !(window.GetStyle() & WS_VSCROLL)) {
        delete m_scrollBar;
        m_scrollBar = nullptr;
        return;
    }
    if (!m_scrollBar) {
        m_scrollBar = new QScrollBar(Qt::Vertical, this);
        QObject::connect(m_scrollBar, &QScrollBar::valueChanged, this, [this](int value) {
            CWnd* scrolled = Window();
            if (m_following || !scrolled)
                return;
            // The position in pixels; the scroll-bar message's 16 bits would not hold it.
            CPoint position{0, value};
            scrolled->SendMessage(EM_GETSCROLLPOS, 0, LPARAM(&position));
            position.y = value;
            scrolled->SendMessage(EM_SETSCROLLPOS, 0, LPARAM(&position));
            delivered();
            update();
        });
    }
    const richedit::Rect view = text->GetRect();
    const int page = std::max(1, view.bottom - view.top);
    const int extent = text->GetTextHeight();
    const int width = m_scrollBar->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    m_scrollBar->setGeometry(this->width() - width, 0, width, height());
    m_scrollBar->setRange(0, std::max(0, extent - page));
    m_scrollBar->setPageStep(page);
    m_scrollBar->setSingleStep(richedit::RichEditModel::kLineHeight);
    m_scrollBar->setValue(text->GetScrollPos().y);
    m_scrollBar->setVisible(extent > page);
}

void WindowWidget::paintEvent(QPaintEvent* event) {
    CWnd* window = Window();
    if (!window)
        return;
    QPainter painter(this);
    painter.setClipRegion(event->region());
    painter.translate(0, MenuHeight());
    PaintWindow(painter, *window, palette());
}

bool WindowWidget::admit(const QEvent& event) {
    if (!m_gate.waiting || !m_gate.delivered)
        return true;
    QCoreApplication::postEvent(this, event.clone());
    return false;
}

void WindowWidget::delivered() {
    m_gate.delivered = true;
    if (!m_gate.waiting && m_gate.refresh)
        m_gate.refresh();
}

void WindowWidget::chooseFromList(CWnd& combo) {
    auto* box = dynamic_cast<CComboBox*>(&combo);
    if (!box || box->GetCount() == 0)
        return;
    QMenu list;
    list.setMinimumWidth(width());
    for (int i = 0; i < box->GetCount(); ++i)
        list.addAction(ToQString(box->GetLBText(i)))->setData(i);
    QAction* chosen = list.exec(mapToGlobal(QPoint(0, height())));
    if (!chosen || !CWnd::IsWindow(m_hwnd))
        return;
    // The list's rows lie below the box, where the window system takes a click as a choice.
    const CPoint row = box->FindItemRect(box->GetLBText(chosen->data().toInt()))->CenterPoint();
    MouseEvent(combo, WM_LBUTTONDOWN, row, 0, MK_LBUTTON);
    if (CWnd::IsWindow(m_hwnd))
        MouseEvent(combo, WM_LBUTTONUP, row, 0, 0);
}

void WindowWidget::mouse(QMouseEvent* event, UINT message) {
    CWnd* window = Window();
    if (!window || !admit(*event))
        return;
    const QPoint at = event->position().toPoint() - QPoint(0, MenuHeight());
    MouseEvent(*window, message, {at.x(), at.y()}, ModifiersOf(event->modifiers()),
               MouseButtonsOf(event->buttons()));
    // The window under the pointer chose its cursor as the message went in.
    setCursor(ToQCursor(GetCursor()));
    if (message == WM_LBUTTONDOWN && dynamic_cast<CComboBox*>(window) && CWnd::IsWindow(m_hwnd))
        chooseFromList(*window);
    delivered();
}

void WindowWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        mouse(event, WM_LBUTTONDOWN);
    else if (event->button() == Qt::RightButton)
        mouse(event, WM_RBUTTONDOWN);
}

void WindowWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        mouse(event, WM_LBUTTONUP);
    else if (event->button() == Qt::RightButton)
        mouse(event, WM_RBUTTONUP);
}

void WindowWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    mouse(event, event->button() == Qt::LeftButton ? WM_LBUTTONDBLCLK : WM_RBUTTONDOWN);
}

void WindowWidget::mouseMoveEvent(QMouseEvent* event) {
    mouse(event, WM_MOUSEMOVE);
    showToolTip(event->globalPosition().toPoint());
}

void WindowWidget::showToolTip(QPoint where) {
    CWnd* window = Window();
    if (!window)
        return;
    // Tooltip controls decide from the mouse messages relayed to them whether a tip shows.
    for (CWnd* top : TopLevelWindows())
        if (auto* tips = dynamic_cast<CToolTipCtrl*>(top)) {
            const ZnsStringW tip = tips->TipFor(window);
            if (!tip.empty()) {
                QToolTip::showText(where, ToQString(tip), this);
                return;
            }
        }
    QToolTip::hideText();
}

void WindowWidget::wheelEvent(QWheelEvent* event) {
    CWnd* window = Window();
    if (!window || !admit(*event))
        return;
    WPARAM keys = MouseButtonsOf(event->buttons());
    if (event->modifiers() & Qt::ShiftModifier)
        keys |= MK_SHIFT;
    if (event->modifiers() & Qt::ControlModifier)
        keys |= MK_CONTROL;
    QPoint at = mapToGlobal(event->position().toPoint());
    DeliverInput({m_hwnd, WM_MOUSEWHEEL,
                  MAKEWPARAM(unsigned(keys), unsigned(event->angleDelta().y())),
                  MAKELPARAM(at.x(), at.y())});
    delivered();
}

void WindowWidget::keyPressEvent(QKeyEvent* event) {
    const unsigned modifiers = ModifiersOf(event->modifiers());
    const UINT key = VirtualKeyOf(event->key());
    CWnd* window = Window();
    if (!window || !admit(*event))
        return;
    if (event->key() == Qt::Key_F4 && modifiers == kModAlt) {
        // The frame's close, as the window manager gives it.
        window->SendMessage(WM_CLOSE);
    } else if (key) {
        const unsigned shift = event->key() == Qt::Key_Backtab ? kModShift : 0;
        std::u16string typed = event->text().isEmpty() || event->text()[0].unicode() < 0x20
                                   ? std::u16string()
                                   : ToU16(event->text());
        KeyPress(key, modifiers | shift, typed);
    } else if (!event->text().isEmpty() && !(modifiers & (kModCtrl | kModAlt))) {
        TypeText(ToU16(event->text()));
    } else {
        return;
    }
    delivered();
}

void WindowWidget::inputMethodEvent(QInputMethodEvent* event) {
    if (event->commitString().isEmpty() || !admit(*event))
        return;
    TypeText(ToU16(event->commitString()));
    delivered();
}

QVariant WindowWidget::inputMethodQuery(Qt::InputMethodQuery query) const {
    // Input methods put their candidates beside the caret of the focused text.
    auto* text = dynamic_cast<CRichEditCtrl*>(CWnd::GetFocus());
    if (query != Qt::ImCursorRectangle || !text || text->GetTopLevelParent() != Window())
        return QWidget::inputMethodQuery(query);
    const richedit::Point caret = text->PosFromChar(text->GetSelEnd());
    const CPoint at = text->ClientToScreen(CPoint{caret.x, caret.y});
    const CRect top = Window()->GetWindowRect();
    return QRect(at.x - top.left, at.y - top.top + MenuHeight(), 1,
                 richedit::RichEditModel::kLineHeight);
}

void WindowWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (m_menuBar)
        m_menuBar->Place();
    CWnd* window = Window();
    if (m_following || !window || !isWindow())
        return;
    const QSize client(width(), height() - MenuHeight());
    if (window->GetRectInParent().Width() != client.width() ||
        window->GetRectInParent().Height() != client.height()) {
        UserResize(*window, {client.width(), client.height()});
        delivered();
    }
}

void WindowWidget::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    CWnd* window = Window();
    if (m_following || !window || !isWindow())
        return;
    CRect rect = window->GetRectInParent();
    if (rect.left != x() || rect.top != y())
        window->MoveWindow(x(), y(), rect.Width(), rect.Height());
}

void WindowWidget::closeEvent(QCloseEvent* event) {
    // Our window decides whether it closes (a dialog may ask first); the widget follows.
    event->ignore();
    if (CWnd* window = Window()) {
        window->SendMessage(WM_CLOSE);
        delivered();
    }
}

bool WindowWidget::event(QEvent* event) {
    // Tab belongs to our dialogs' own navigation, not to Qt's focus chain.
    if (event->type() == QEvent::KeyPress) {
        keyPressEvent(static_cast<QKeyEvent*>(event));
        return true;
    }
    return QWidget::event(event);
}

} // namespace zn::ui::qt
