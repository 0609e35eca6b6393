#include "simhost/SimHost.h"

#include <new>

#include "host/Services.h"
#include "platform/loader/Loader.h"
#include "simhost/Annotation.h"
#include "simhost/ComponentLauncher.h"
#include "simhost/Dimension.h"
#include "simhost/DxfRenderer.h"
#include "simhost/PdfRenderer.h"
#include "simhost/PositionRecord.h"
#include "simhost/SheetFormat.h"
#include "simhost/SiblingStandIns.h"
#include "simhost/SingleLineText.h"
#include "simhost/Specification.h"
#include "simhost/SvgRenderer.h"
#include "simhost/TextMeasuring.h"

namespace simhost {

namespace {

// The notebook object (kind 4) is the requirements module's: handed out while it is loaded.
HRESULT makeNotebook(IZnObject** out) {
    using Factory = HRESULT (*)(IZnObject**);
    auto factory = reinterpret_cast<Factory>(zn::loader::GetProcAddress(
        zn::loader::GetModuleHandleW(u"ReqpadDll.dll"), "ZNS_CreateNotebook"));
    *out = nullptr;
    return factory ? factory(out) : E_FAIL;
}

} // namespace

SimHost::SimHost(const std::string& settingsPath)
    : m_settings(settingsPath), m_context(m_notifier, m_settings),
      m_objManager(m_classes, m_documents), m_styleManager(m_styles, m_documents),
      m_formatManager(m_documents), m_defaults([this]() -> std::map<std::int32_t, ZNSVariant>* {
          Drawing* drawing = ActiveDrawing();
          return drawing ? &drawing->DefaultValues() : nullptr;
      }) {
    // The settings are the host's file: a failed write is told as the framework tells file
    // errors, without stopping the dialog that wrote.
    m_settings.SetWriteFailureListener([this](const zn::CFileException& error) {
        const ZnsStringW text = error.GetErrorMessage();
        // Outside any module's resources the framework's texts are not at hand.
        m_notifier.ShowMessage(
            text.empty() ? error.m_strFileName + u": " + zn::fromUtf8(error.what()) : text, 0);
    });
    registerHostClasses();
    installServices(true);
    RegisterSpecificationModule(m_documents);
    RegisterSiblingStandIns();
}

SimHost::~SimHost() {
    UnregisterSiblingStandIns();
    UnregisterSpecificationModule();
    m_documents.SetActive(nullptr);
    installServices(false);
}

void SimHost::installServices(bool install) {
    auto ours = [install](auto* service) { return install ? service : nullptr; };
    gpZnContext = ours(&m_context);
    gpZnObjManager = ours(&m_objManager);
    gpZnNativeGate = ours(&m_nativeGate);
    gpZnDocManager = ours(&m_documents);
    gpZnStyleManager = ours(&m_styleManager);
    gpZnFormatManager = ours(&m_formatManager);
    gpZnDefParamManager = ours(&m_defaults);
    gpZnNotificator = ours(&m_notifier);
}

void SimHost::registerHostClasses() {
    auto add = [&](ZnsGuid id, std::function<HRESULT(IZnObject**)> factory, const char16_t* name) {
        m_classes.Register({id, std::move(factory), name, -1, ZnsStringW(name), false});
    };
    add(CLSID_ZnFormat, &SheetFormat::Factory, u"Format");
    add(CLSID_ZnPositionMark, &Annotation::PositionMarkFactory, u"PositionMark");
    add(CLSID_ZnView, &Annotation::ViewFactory, u"View");
    add(CLSID_ZnSection, &Annotation::SectionFactory, u"Section");
    add(CLSID_ZnPositionRecord, &PositionRecord::Factory, u"PositionRecord");
    add(CLSID_ZnSingleLineText, &SingleLineText::Factory, u"SingleLineText");
    add(CLSID_ZnDimension, &Dimension::Factory, u"Dimension");
    add(CLSID_ZnComponentLauncher, &ComponentLauncher::Factory, u"ComponentLauncher");
    add(CLSID_ZnNotebook, &makeNotebook, u"Notebook");
    add(
        CLSID_ZnTextObject,
        [this](IZnObject** out) {
            *out = new (std::nothrow) TextObject(m_styles);
            return S_OK;
        },
        u"TextObject");
    add(
        CLSID_ZnTextSplitter,
        [this](IZnObject** out) {
            *out = new (std::nothrow) TextSplitter(m_styles);
            return S_OK;
        },
        u"TextSplitter");
}

Drawing* SimHost::ActiveDrawing() {
    SimDocument* document = m_documents.Active();
    return document ? &document->GetDrawing() : nullptr;
}

std::optional<std::string> SimHost::NewDrawing(const SheetChoice& choice) {
    ZnPtr<SheetFormat> format = ZnPtr<SheetFormat>::Adopt(new SheetFormat);
    bool landscape =
        choice.landscape.value_or(!zn::equalsNoCaseAscii(zn::fromUtf8(choice.sheet), u"A4"));
    if (!format->SetSheet(choice.sheet, landscape))
        return "no sheet " + choice.sheet + (landscape ? " in landscape" : "") +
               ": the sheets are A0 to A3 in either orientation and A4 portrait";
    if (!(choice.scale > 0))
        return "the scale must be a positive number";
    format->SetScale(choice.scale);
    auto drawing = std::make_unique<Drawing>(m_styles);
    drawing->Append(format.get(), nullptr);
    drawing->SetModified(false);
    m_documents.SetActive(std::make_unique<SimDocument>(std::move(drawing), ZnsStringW()));
    return std::nullopt;
}

FileResult SimHost::Open(const std::string& path) {
    std::unique_ptr<Drawing> drawing;
    FileResult result = LoadDrawing(path, m_classes, m_styles, drawing);
    if (!result)
        return result;
    m_documents.SetActive(std::make_unique<SimDocument>(std::move(drawing), zn::fromUtf8(path)));
    for (const RegisteredSink& sink : std::vector<RegisteredSink>(m_context.Sinks()))
        sink.sink->OnEndLoad(0);
    return result;
}

FileResult SimHost::Save(const std::string& path) {
    SimDocument* document = m_documents.Active();
    if (!document) {
        FileResult result;
        result.error = "no drawing is open";
        return result;
    }
    for (const RegisteredSink& sink : std::vector<RegisteredSink>(m_context.Sinks()))
        sink.sink->OnBeforeSave();
    FileResult result = SaveDrawing(document->GetDrawing(), path);
    if (result)
        document->SetPath(zn::fromUtf8(path));
    return result;
}

std::string SimHost::RenderSheet(SheetOutput output) {
    Drawing* drawing = ActiveDrawing();
    if (!drawing)
        return {};
    SheetPage page;
    if (const SheetFormat* sheet = CurrentSheet(*drawing))
        page = {sheet->Width() * sheet->Scale(), sheet->Height() * sheet->Scale(), sheet->Scale()};
    switch (output) {
    case SheetOutput::Dxf:
        return RenderDxf(*drawing, m_styles, page);
    case SheetOutput::Pdf:
        return RenderPdf(*drawing, m_styles, page);
    case SheetOutput::Svg:
        break;
    }
    return RenderSvg(*drawing, m_styles, page);
}

HRESULT SimHost::RunCommand(std::u16string_view name) {
    znsCmd* command = m_context.FindCommand(name);
    if (!command)
        return E_INVALIDARG;
    if (Drawing* drawing = ActiveDrawing())
        drawing->BeginCommand();
    return command->Execute(&m_context);
}

} // namespace simhost
