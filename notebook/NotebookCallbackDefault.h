// The stock dictionary callback: received text goes on the clipboard and is pasted into
// one target window, as if the user had pasted it there.
#pragma once

#include "host/ObjectImpl.h"
#include "notebook/DictionaryCallback.h"

class CNotebookCallbackDefault : public ZnObjectImpl<IDictionaryCallback> {
public:
    explicit CNotebookCallbackDefault(zn::ui::HWND target = nullptr) : m_target(target) {}

    ZnsGuid GetClassId() const override { return IDictionaryCallback::IID; }
    void SetTarget(zn::ui::HWND target) { m_target = target; }
    zn::ui::HWND GetTarget() const { return m_target; }

    // E_HANDLE without a target window.
    HRESULT ReceiveText(const ZnsStringW& text, std::int32_t format) override;

private:
    zn::ui::HWND m_target;
};
