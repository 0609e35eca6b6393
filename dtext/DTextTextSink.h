// The dialog's end of the dictionary callback: text that the calculator and the notebook
// hand back goes into the dialog's text line. A tool may keep the callback after the
// dialog is gone, so the dialog detaches it when it closes.
#pragma once

#include "host/ObjectImpl.h"
#include "notebook/DictionaryCallback.h"

namespace dtext {

class CDTextDlg;

class CDTextTextSink : public ZnObjectImpl<IDictionaryCallback> {
public:
    explicit CDTextTextSink(CDTextDlg& dialog) : m_dialog(&dialog) {}

    ZnsGuid GetClassId() const override { return IDictionaryCallback::IID; }
    // E_HANDLE once the dialog is gone.
    HRESULT ReceiveText(const ZnsStringW& text, std::int32_t format) override;
    void Detach() { m_dialog = nullptr; }

private:
    CDTextDlg* m_dialog;
};

} // namespace dtext
