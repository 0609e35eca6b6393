#include "apps/gui/RunGui.h"

#include <iostream>

#include <QApplication>
#include <QTimer>

#include "apps/HostShell.h"
#include "apps/gui/GuiScript.h"
#include "apps/gui/MainWindow.h"
#include "platform/text/CodePage.h"
#include "platform/ui/qt/QtUserAgent.h"

namespace gui {

int RunGui(const GuiOptions& options) {
    zn::setInterfaceLanguage(options.language);
    int argc = 1;
    char name[] = "reqpad";
    char* argv[] = {name, nullptr};
    // The window backend shows the module's dialogs over the main window and answers its
    // message boxes and file dialogs; the sheet answers the picks.
    return zn::ui::qt::RunWithQt(argc, argv, [&](zn::ui::qt::QtUserAgent& windows) {
        try {
            MainWindow window(&windows);
            windows.SetMainWidget(&window);
            window.show();
            if (options.drawing.empty())
                window.RunLine(QStringLiteral("new"));
            else
                window.OpenDrawing(QString::fromStdString(options.drawing));
            if (!options.script.empty())
                QTimer::singleShot(0, &window, [&] {
                    QApplication::exit(RunScript(window, options.script));
                });
            return QApplication::exec() == 0 ? 0 : 2;
        } catch (const ShellError& e) {
            std::cerr << "reqpad gui: " << e.what() << '\n';
            return 2;
        }
    });
}

} // namespace gui
