#include "apps/gui/GuiScript.h"

#include <fstream>
#include <iostream>

#include "apps/gui/MainWindow.h"

namespace gui {

int RunScript(MainWindow& window, const std::string& path) {
    window.SetUnattended(true);
    std::ifstream in(path);
    if (!in) {
        std::cerr << "cannot read " << path << '\n';
        return 2;
    }
    QMetaObject::Connection echo = QObject::connect(
        &window, &MainWindow::logged,
        [](const QString& text) { std::cout << text.toStdString() << std::endl; });
    int status = 0;
    std::string line;
    for (int number = 1; status == 0 && window.isVisible() && std::getline(in, line); ++number) {
        if (!window.RunLine(QString::fromStdString(line))) {
            std::cerr << path << ":" << number << ": " << window.LastError().toStdString() << '\n';
            status = 2;
        }
    }
    QObject::disconnect(echo);
    return status;
}

} // namespace gui
