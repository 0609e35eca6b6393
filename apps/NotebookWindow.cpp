#include "apps/NotebookWindow.h"

#include "apps/WindowRun.h"
#include "notebook/NotebookDlg.h"
#include "platform/text/ZnsString.h"

int RunNotebookWindow(const std::string& file, const std::optional<std::string>& script,
                      const std::string& scriptName) {
    return RunWindowWithUser("reqpad notebook ui", script, scriptName, [&] {
        notebook::CNotebook dialog;
        // Recorded now, opened as the window comes up.
        dialog.LoadNotebook(zn::fromUtf8(file), notebook::kOpen);
        dialog.DoModal();
    });
}
