#include "apps/gui/RunGui.h"

#include <iostream>

#include <QApplication>

#include "apps/HostShell.h"
#include "apps/gui/MainWindow.h"
#include "platform/text/CodePage.h"

namespace gui {

int RunGui(const GuiOptions& options) {
    zn::setInterfaceLanguage(options.language);
    int argc = 1;
    char name[] = "reqpad";
    char* argv[] = {name, nullptr};
    QApplication application(argc, argv);
    try {
        MainWindow window;
        window.show();
        if (!options.drawing.empty())
            window.OpenDrawing(QString::fromStdString(options.drawing));
        return application.exec() == 0 ? 0 : 2;
    } catch (const ShellError& e) {
        std::cerr << "reqpad gui: " << e.what() << '\n';
        return 2;
    }
}

} // namespace gui
