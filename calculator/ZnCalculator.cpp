#include "calculator/ZnCalculator.h"

#include "calculator/KLVBCalcDlg.h"
#include "module/ModuleIds.h"
#include "resources/ModuleResources.h"

using namespace zn::ui;

HRESULT CZnCalculator::Factory(IZnObject** out) {
    if (!out)
        return E_INVALIDARG;
    *out = static_cast<IZnObject*>(new CZnCalculator);
    return S_OK;
}

ZnsGuid CZnCalculator::GetClassId() const {
    return CLSID_ZnCalculator;
}

CZnCalculator::~CZnCalculator() {
    if (!m_dialog)
        return;
    // The window must not outlive the object that it reports its end to.
    m_dialog->SetOnFinalDestroy({});
    m_dialog->DestroyWindow();
}

void CZnCalculator::SetResultSink(IDictionaryCallback* sink) {
    m_sink = sink;
    if (m_dialog)
        m_dialog->SetResultSink(sink);
}

HWND CZnCalculator::Show(HWND parent) {
    CWnd* owner = CWnd::FromHandle(parent);
    if (!owner)
        return nullptr;
    res::ModuleResourceScope resources;
    if (!m_dialog) {
        auto* dialog = new CKLVBCalcDlg(owner, true);
        dialog->SetResultSink(m_sink.get());
        // A window that failed half-way was destroyed, and the dialog went with it.
        bool gone = false;
        dialog->SetOnFinalDestroy([&gone] { gone = true; });
        if (!dialog->CreateModeless(owner)) {
            if (!gone)
                delete dialog;
            return nullptr;
        }
        // The result stays with the object after the window has gone.
        dialog->SetOnFinalDestroy([this] {
            m_lastResult = m_dialog->ResultText();
            m_dialog = nullptr;
        });
        m_dialog = dialog;
    }
    m_dialog->ShowWindow(SW_SHOW);
    SetActiveWindow(m_dialog);
    return m_dialog->GetSafeHwnd();
}

bool CZnCalculator::GetResult(ZnsStringW* result) {
    if (m_dialog)
        m_lastResult = m_dialog->ResultText();
    if (result)
        *result = m_lastResult;
    return m_dialog != nullptr;
}

bool CZnCalculator::SetUp(const ZnsStringW& value, const ZnsStringW* title, bool insertEnabled,
                          bool groupShown) {
    if (!m_dialog)
        return false;
    res::ModuleResourceScope resources;
    m_dialog->SetUp(value, title, insertEnabled, groupShown);
    return true;
}

void CZnCalculator::SetNotebook(std::int32_t selection, std::int32_t shown) {
    if (!m_dialog)
        return;
    m_dialog->NotebookPane()->SetSelection(selection);
    m_dialog->ShowNotebook(shown != 0);
}

void CZnCalculator::Close() {
    if (m_dialog)
        m_dialog->PostMessage(WM_CLOSE);
}

void CZnCalculator::SetGroupCaption(const ZnsStringW& caption) {
    if (m_dialog)
        m_dialog->SetGroupCaption(caption);
}

HWND CZnCalculator::GetWindow() const {
    return m_dialog ? m_dialog->GetSafeHwnd() : nullptr;
}

ZnPtr<IZnDiviRuveulator> OpenCalculator(CWnd& owner, IDictionaryCallback* sink) {
    IZnObject* made = nullptr;
    CZnCalculator::Factory(&made);
    auto calculator = ZnPtr<CZnCalculator>::Adopt(dynamic_cast<CZnCalculator*>(made));
    calculator->SetResultSink(sink);
    if (!calculator->Show(owner.GetSafeHwnd()))
        return {};
    return ZnPtr<IZnDiviRuveulator>(calculator.get());
}
