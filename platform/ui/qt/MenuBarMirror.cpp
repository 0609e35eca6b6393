// A window's menu bar as a QMenuBar, rebuilt only when its titles change.
#include "platform/ui/qt/MenuBarMirror.h"

#include <QMenuBar>

#include "platform/ui/Menu.h"
#include "platform/ui/qt/QtDialogs.h"
#include "platform/ui/qt/QtText.h"

namespace zn::ui::qt {

MenuBarMirror::MenuBarMirror(QWidget& host, HWND window, std::function<void()> chosen)
    : m_host(host), m_window(window), m_chosen(std::move(chosen)) {}

int MenuBarMirror::Height() const {
    return m_bar && !m_bar->isHidden() ? m_bar->sizeHint().height() : 0;
}

void MenuBarMirror::Follow(const CWnd& window) {
    QStringList titles;
    if (CMenu* menu = window.GetMenu())
        for (int i = 0; i < menu->GetMenuItemCount(); ++i)
            titles << ToQString(menu->GetMenuString(UINT(i), MF_BYPOSITION));
    if (titles == m_titles && m_bar)
        return;
    m_titles = titles;
    delete m_bar;
    m_bar = nullptr;
    if (titles.isEmpty())
        return;
    m_bar = new QMenuBar(&m_host);
    for (int i = 0; i < titles.size(); ++i) {
        QMenu* popup = m_bar->addMenu(titles[i]);
        QObject::connect(popup, &QMenu::aboutToShow, popup, [this, popup, i] {
            popup->clear();
            CWnd* owner = CWnd::FromHandle(m_window);
            CMenu* menu = owner ? owner->GetMenu() : nullptr;
            if (!menu || i >= menu->GetMenuItemCount())
                return;
            CMenu items = menu->GetSubMenu(i);
            owner->SendMessage(WM_INITMENUPOPUP, 0, LPARAM(&items));
            FillMenu(*popup, items);
        });
        QObject::connect(popup, &QMenu::triggered, popup, [this](QAction* action) {
            if (CWnd* owner = CWnd::FromHandle(m_window)) {
                owner->SendMessage(WM_COMMAND, MAKEWPARAM(action->data().toUInt(), 0), 0);
                m_chosen();
            }
        });
    }
    m_bar->show();
    Place();
}

void MenuBarMirror::Place() {
    if (m_bar)
        m_bar->setGeometry(0, 0, m_host.width(), m_bar->sizeHint().height());
}

} // namespace zn::ui::qt
