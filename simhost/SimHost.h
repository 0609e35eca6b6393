// The reference CAD host in one object: it builds every service, fills the platform's global
// service pointers for the modules it loads, registers its own classes and the stand-ins of
// the sibling modules, and offers what a user does with drawings: new, open, save, render,
// run a command. One SimHost lives at a time.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "simhost/ClassRegistry.h"
#include "simhost/DefaultParams.h"
#include "simhost/DrawingFile.h"
#include "simhost/Notifier.h"
#include "simhost/SettingsStore.h"
#include "simhost/SimContext.h"
#include "simhost/SimDocuments.h"
#include "simhost/SimObjManager.h"
#include "simhost/SimServices.h"
#include "simhost/TextStyles.h"

namespace simhost {

struct SheetChoice {
    std::string sheet = "A3";
    std::optional<bool> landscape; // default: portrait for A4, landscape for the others
    double scale = 1.0;
};

enum class SheetOutput { Svg, Dxf, Pdf };

class SimHost {
public:
    // `settingsPath` empty: the settings file under the user's configuration folder.
    explicit SimHost(const std::string& settingsPath = {});
    ~SimHost();
    SimHost(const SimHost&) = delete;
    SimHost& operator=(const SimHost&) = delete;

    const TextStyles& Styles() const { return m_styles; }
    ClassRegistry& Classes() { return m_classes; }
    SimContext& Context() { return m_context; }
    SimObjManager& ObjManager() { return m_objManager; }
    SimNativeGate& NativeGate() { return m_nativeGate; }
    SimDocManager& Documents() { return m_documents; }
    DefaultParams& Defaults() { return m_defaults; }
    Notifier& Notifications() { return m_notifier; }
    SettingsStore& Settings() { return m_settings; }

    // The active drawing; null before `NewDrawing` or `Open`.
    Drawing* ActiveDrawing();

    // A new drawing with a format of the chosen sheet in its sheet space; an error text when
    // the sheet cannot be made (the active drawing is then kept).
    std::optional<std::string> NewDrawing(const SheetChoice& choice);
    FileResult Open(const std::string& path);
    FileResult Save(const std::string& path);
    // The sheet space in one of the output formats, the sheet size taken from its format (A3
    // landscape without one); empty without a drawing. Throws std::runtime_error when the
    // output cannot be made.
    std::string RenderSheet(SheetOutput output = SheetOutput::Svg);
    // Runs a registered command the way the host's command line does; E_INVALIDARG when no
    // command has that name.
    HRESULT RunCommand(std::u16string_view name);

private:
    void registerHostClasses();
    // Fills the platform's service pointers with this host's services, or clears them.
    void installServices(bool install);

    TextStyles m_styles;
    ClassRegistry m_classes;
    Notifier m_notifier;
    SettingsStore m_settings;
    SimContext m_context;
    SimDocManager m_documents;
    SimObjManager m_objManager;
    SimNativeGate m_nativeGate;
    SimStyleManager m_styleManager;
    SimFormatManager m_formatManager;
    DefaultParams m_defaults;
};

} // namespace simhost
