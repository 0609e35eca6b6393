// The notebook object callers get from the host's object manager: it opens the notebook
// window modal or modeless, with a file, mode flags and a dictionary callback that
// receives the transferred text.
#pragma once

#include <cstdint>

#include "host/ObjectImpl.h"
#include "notebook/DictionaryCallback.h"

namespace notebook {

class CNotebook;

class IZnNotebook : public virtual IZnObject {
public:
    static constexpr ZnsGuid IID = ZnsPlatformGuid(0x00000005, 0x0014);

    virtual HRESULT SetCallback(IDictionaryCallback* callback) = 0;
    virtual HRESULT SetFileName(const ZnsStringW& path) = 0;
    virtual HRESULT SetFlags(std::uint32_t flags) = 0;
    // E_FAIL when there is no notebook.
    virtual HRESULT GetLastText(ZnsStringW* text) = 0;
    virtual HRESULT SetSpare(std::int32_t spare) = 0;
    virtual HRESULT SetModal(bool modal) = 0;
    virtual zn::ui::HWND ShowModeless(zn::ui::HWND parent) = 0;
    virtual std::int32_t RunModal(zn::ui::HWND parent) = 0;
    virtual zn::ui::HWND GetWindow() = 0;
    virtual HRESULT Close() = 0;
};

class CZnNotebook : public ZnObjectImpl<IZnNotebook> {
public:
    CZnNotebook() = default;
    ZnsGuid GetClassId() const override { return IZnNotebook::IID; }

    HRESULT SetCallback(IDictionaryCallback* callback) override;
    HRESULT SetFileName(const ZnsStringW& path) override;
    HRESULT SetFlags(std::uint32_t flags) override;
    HRESULT GetLastText(ZnsStringW* text) override;
    HRESULT SetSpare(std::int32_t spare) override;
    HRESULT SetModal(bool modal) override;
    zn::ui::HWND ShowModeless(zn::ui::HWND parent) override;
    std::int32_t RunModal(zn::ui::HWND parent) override;
    zn::ui::HWND GetWindow() override;
    HRESULT Close() override;

    IDictionaryCallback* GetCallback() const { return m_callback.get(); }
    // The self-deleting notebook is gone.
    void NotebookGone(CNotebook* notebook);

protected:
    ~CZnNotebook() override;

private:
    CNotebook* makeNotebook(zn::ui::HWND parent);

    ZnPtr<IDictionaryCallback> m_callback;
    ZnsStringW m_fileName;
    std::uint32_t m_flags = 0x40;
    std::int32_t m_spare = 0;
    CNotebook* m_notebook = nullptr;
};

// The factory the object manager calls for a notebook object (kind 4): the new object's
// IZnObject part, with the one reference the caller holds.
IZnObject* CreateZnNotebook();

// A notebook object as the host's object manager hands it out; null without one.
ZnPtr<IZnNotebook> NewNotebookObject();

} // namespace notebook
