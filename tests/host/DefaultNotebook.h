// An empty notebook as the host's default one, so that a window reading the default notebook
// as it opens (the calculator's notebook pane) finds one and has nothing to report.
#pragma once

#include <string>

#include "host/Services.h"
#include "notebook/NotebookDoc.h"

inline bool UseEmptyDefaultNotebook(const std::string& path) {
    notebook::CNotebookDoc doc;
    doc.NewNotebook(true);
    if (doc.SaveNotebook(zn::fromUtf8(path)) != 1)
        return false;
    gpZnDefParamManager->SetValue(
        7115, ZNSVariant(ZnsArray<ZnsStringW>{zn::fromUtf8(path), u"ntb"}));
    return true;
}
