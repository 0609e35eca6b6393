// OldFlow: the text is edited in this module's editor dialog and placed when the user
// accepts it; a text made for the run leaves the drawing again when the user does not.
#include "editor/ImpTxtDlg.h"
#include "editor/References.h"
#include "editor/ReqpadDlg.h"
#include "host/Context.h"
#include "host/Services.h"
#include "module/AcadToRtf.h"
#include "module/Exports.h"
#include "requirements/AttachToDrawing.h"
#include "requirements/EditFlows.h"
#include "requirements/FlowScope.h"
#include "requirements/TextImport.h"
#include "requirements/TextSearch.h"
#include "resources/StringTable.h"

namespace {

using namespace requirements;

constexpr std::uint32_t kBaseInserts = 0x43C0;
constexpr std::uint32_t kInsertMaterial = 0x20;
constexpr std::uint32_t kInsertOption = 0x2000;
constexpr std::uint32_t kInsertPlace = 0x1000;
constexpr std::uint32_t kInsertReferences = 0x418;
constexpr std::uint32_t kHostWithoutMaterial = 0x4000000;

bool isParameters(std::int32_t mode) {
    return mode == kTTModeOldParameters || mode == kTTModeParameters;
}

// One run's memory: whether the text was made for it, and what the host's own requirements
// or the imported texts left for the placement.
struct Run {
    bool isNew = false;
    bool attached = false;
    bool removeSources = true;
    ZnsArray<znsWorkID> sources;
    ZnsStringW nativeText;
    ZnsArray<ZnsPoint3> corners;
};

void cancelText(const znsWorkID& id) {
    if (gpZnObjManager && !id.IsNull())
        gpZnObjManager->Cancel(id);
}

ZnPtr<IZnTText> createWithNativeText(Run& run, std::int32_t mode, const znsWorkID& format) {
    ZnPtr<IZnTText> text = CreateText(mode, format);
    if (!text)
        return {};
    run.isNew = true;
    if (!run.nativeText.empty()) {
        ZnsArray<ZnsLink> links;
        GetOldPositionLinks(&links);
        ZnsStringW rtf;
        module::ConvertAcadToRtfThroughLoader(rtf, run.nativeText, &links);
        text->SetContentAndLinks(rtf, links);
    }
    return text;
}

// 6 or 7 when the run goes on; any other answer of the question cancels it.
int importSelection(Run& run, std::int32_t mode, zn::ui::CWnd* parent, ZnsStringW& content) {
    std::vector<SelectedText> texts = SelectedHostTexts();
    if (texts.empty())
        return zn::ui::IDNO;
    editor::CImpTxtDlg question(parent);
    question.m_removeSource = 1;
    question.m_ttMode = isParameters(mode) ? 0 : 1;
    const int answer = static_cast<int>(question.DoModal());
    if (answer != zn::ui::IDYES)
        return answer;
    ImportedText imported = ImportTexts(texts, isParameters(mode));
    content = imported.rtf;
    run.corners.insert(run.corners.end(), imported.corners.begin(), imported.corners.end());
    run.sources = imported.sources;
    run.removeSources = question.m_removeSource != 0;
    return answer;
}

bool onCurrentFormat(IZnTText& text) {
    znsWorkID own;
    text.GetFormat(own);
    ZnPtr<IZnObject> current = module::MainFormat(znsWorkID::Null());
    return current && !own.IsNull() && current->GetId() == own;
}

std::uint32_t allowedInserts(IZnTText& text, bool place) {
    std::uint32_t flags = kBaseInserts;
    if (!gpZnContext || !(gpZnContext->GetFlags() & kHostWithoutMaterial))
        flags |= kInsertMaterial;
    if (text.GetOption())
        flags |= kInsertOption;
    if (place)
        flags |= kInsertPlace;
    return flags;
}

void placeAfterEditing(IZnTText& text, Run& run, std::int32_t mode, int end, bool place) {
    if ((end == editor::ReqpadDlg::kResultPlace && place) ||
        (run.isNew && mode == kTTModeOldParameters)) {
        text.Place(kTTPlaceAsk);
    } else if (text.GetColumnTextCount() == 0 || end == editor::ReqpadDlg::kResultPlace) {
        ZnsPoint3 first, second;
        const bool framed = text.GetFormatColumnFrame(0, first, second) == 0;
        text.Place(!framed && place ? kTTPlaceRectangle : kTTPlaceAuto);
    } else {
        text.Update();
    }
}

} // namespace

std::int32_t OldFlow(znsWorkID& object, std::int32_t mode, std::int32_t* item,
                     std::int32_t place, void* window, const znsWorkID& format) {
    FlowScope scope;
    const std::int32_t result = -1;
    Run run;
    if (object.IsNull()) {
        if (mode == kTTModeOldConditions)
            if (ZnPtr<IZnTText> found = FindText(mode, format, item != nullptr))
                object = found->GetId();
        if (object.IsNull() && gpZnNativeGate)
            gpZnNativeGate->GetNativeRequirements(run.sources, run.nativeText, run.corners);
    }
    if (object.IsNull())
        if (ZnPtr<IZnTText> created = createWithNativeText(run, mode, format))
            object = created->GetId();

    ZnPtr<IZnTText> text = OpenText(object);
    if (!text)
        return result;
    run.attached = AttachToDrawing(*text) == 1;
    if (!DocumentAcceptsEdits())
        return result;
    ZnsStringW content = text->GetContent();
    text->ValidateLinks();
    ZnsArray<ZnsLink> links;
    text->GetLinks(links);

    auto* parent = static_cast<zn::ui::CWnd*>(
        window ? window : (gpZnContext ? gpZnContext->GetMainWindow() : nullptr));
    if (run.isNew && run.nativeText.empty()) {
        const int answer = importSelection(run, mode, parent, content);
        if (answer != zn::ui::IDYES && answer != zn::ui::IDNO) {
            cancelText(object);
            return answer;
        }
    }
    bool placeAsked = place != 0;
    if (mode == kTTModeOldConditions && onCurrentFormat(*text))
        placeAsked = false;

    std::uint32_t inserts = allowedInserts(*text, placeAsked);
    editor::ReqpadDlg dialog(parent);
    // The control names the text in what it tells the user (the dropped-links notice).
    dialog.editor.SetObject(static_cast<const IZnEntity*>(text.get()));
    ZnsArray<znsWorkID> referring;
    ZnsArray<std::int32_t> numbers;
    if (mode == kTTModeOldConditions) {
        editor::CollectReferringObjects(referring, numbers);
        dialog.SetReferencedItems(numbers);
        dialog.SetTitle(res::LoadStringW(32844), 0);
        inserts |= kInsertReferences;
    } else {
        dialog.SetTitle(res::LoadStringW(32845), 1);
    }
    dialog.SetContent(content, editor::kContentRtf, &links);
    dialog.SetAllowedInserts(inserts);
    if (item)
        dialog.m_item = *item;
    dialog.DoModal();
    const int end = dialog.m_result;
    if (end != editor::ReqpadDlg::kResultOk && end != editor::ReqpadDlg::kResultPlace) {
        if (run.isNew || run.attached)
            cancelText(object);
        return result;
    }

    dialog.GetContent(content, &links);
    if (mode == kTTModeOldConditions) {
        dialog.GetReferencedItems(numbers);
        editor::WriteBackItemNumbers(referring, numbers);
    }
    if (item)
        *item = dialog.m_item;
    if (!run.corners.empty()) {
        for (std::size_t n = 0; n + 1 < run.corners.size(); n += 2)
            text->LayoutInRectangle(run.corners[n], run.corners[n + 1],
                                    isParameters(mode) ? 1 : 0, 0);
        run.isNew = false;
        if (run.removeSources && gpZnObjManager)
            for (const znsWorkID& source : run.sources)
                gpZnObjManager->Erase(source);
    }
    text->SetContentAndLinks(content, links);
    placeAfterEditing(*text, run, mode, end, placeAsked);
    return result;
}
