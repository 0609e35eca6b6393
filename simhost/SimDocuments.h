// The open drawing as a document (its file, edit permission, the object its view shows) and
// the document manager that knows which one is active.
#pragma once

#include <memory>

#include "host/Documents.h"
#include "simhost/Drawing.h"

namespace simhost {

class SimDocument : public IZnDocument {
public:
    SimDocument(std::unique_ptr<Drawing> drawing, ZnsStringW path);

    Drawing& GetDrawing() { return *m_drawing; }
    void SetPath(ZnsStringW path) { m_path = std::move(path); }
    // The object the view was last asked to show (null while none) and its factor.
    const znsWorkID& ShownObject() const { return m_shown; }
    double ShownFactor() const { return m_shownFactor; }
    int RefreshCount() const { return m_refreshes; }
    // The objects the user selected before a command started.
    std::vector<znsWorkID>& Selection() { return m_selection; }

    bool AcceptsEdits() const override { return m_drawing->AcceptsEdits(); }
    znsWorkID GetCurrentSpace() const override { return m_drawing->CurrentSpace(); }
    ZnsStringW GetPath() const override { return m_path; }
    HRESULT ShowObject(const znsWorkID& id, double factor) override;
    void Refresh() override { ++m_refreshes; }

private:
    std::unique_ptr<Drawing> m_drawing;
    ZnsStringW m_path;
    znsWorkID m_shown;
    double m_shownFactor = 0.0;
    int m_refreshes = 0;
    std::vector<znsWorkID> m_selection;
};

class SimDocManager : public IZnDocManager {
public:
    IZnDocument* GetActiveDocument() override { return m_active.get(); }
    SimDocument* Active() { return m_active.get(); }
    // Replaces the active document (the old one closes).
    void SetActive(std::unique_ptr<SimDocument> document) { m_active = std::move(document); }

private:
    std::unique_ptr<SimDocument> m_active;
};

} // namespace simhost
