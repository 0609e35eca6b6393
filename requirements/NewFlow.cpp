// NewFlow: the text goes to the newer editor component of the sibling module, which edits
// and places it on its own.
#include "host/ClassIds.h"
#include "host/Component.h"
#include "host/Services.h"
#include "requirements/AttachToDrawing.h"
#include "requirements/EditFlows.h"
#include "requirements/TextSearch.h"

std::int32_t NewFlow(znsWorkID& object, std::int32_t mode, std::int32_t* item, std::int32_t,
                     void*, const znsWorkID& format) {
    using namespace requirements;
    if (object.IsNull() && !format.IsNull()) {
        if (ZnPtr<IZnTText> found = FindText(kTTModeConditions, format, item != nullptr)) {
            found->SetFormat(format);
            AttachToDrawing(*found);
            object = found->GetId();
            found->SetMode(mode);
        }
    }
    bool created = false;
    if (object.IsNull())
        if (ZnPtr<IZnTText> text = CreateText(mode, format)) {
            object = text->GetId();
            created = true;
        }
    // The component runs even without an object: it then tells the user why.
    ZnPtr<IZnComponentLauncher> launcher =
        ZnCreate<IZnComponentLauncher>(CLSID_ZnComponentLauncher);
    if (launcher && SUCCEEDED(launcher->Load(u"ZnNMod.dll", u"ZnNMod.Reqpador"))) {
        launcher->SetObjectList({object});
        launcher->Run(gpZnContext ? gpZnContext->GetMainWindow() : nullptr);
    } else if (created && gpZnObjManager) {
        // Without the editor nobody would ever fill the new text: it leaves the drawing.
        gpZnObjManager->Cancel(object);
        object = znsWorkID::Null();
    }
    return 1;
}
