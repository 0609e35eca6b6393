#include "dtext/DTextTextSink.h"

#include "dtext/DTextDlg.h"

namespace dtext {

HRESULT CDTextTextSink::ReceiveText(const ZnsStringW& text, std::int32_t format) {
    if (!m_dialog)
        return E_HANDLE;
    return m_dialog->ReceiveText(text, format) ? S_OK : E_FAIL;
}

} // namespace dtext
