// The calculator object: a modeless calculator window for a caller that wants its results
// back through a dictionary callback. The host makes it by the calculator class; the
// editor's Tools > Calculator opens it with OpenCalculator.
#pragma once

#include "host/ObjectImpl.h"
#include "notebook/DictionaryCallback.h"
#include "platform/ui/Window.h"

class CKLVBCalcDlg;

class IZnDiviRuveulator : public virtual IZnObject {
public:
    static constexpr ZnsGuid IID = ZnsPlatformGuid(0x00000006, 0x0013);

    // Keeps `sink` (or none) and hands it to the window when there is one.
    virtual void SetResultSink(IDictionaryCallback* sink) = 0;
    // Shows and activates the window, creating it owned by `parent` the first time; none
    // when `parent` names no window or the window could not be made.
    virtual zn::ui::HWND Show(zn::ui::HWND parent) = 0;
    // With the window: the shown result, which is also kept, and true. Without: the result
    // kept last ("0" before any) and false.
    virtual bool GetResult(ZnsStringW* result) = 0;
    // False without the window. `title` null keeps the window's title.
    virtual bool SetUp(const ZnsStringW& value, const ZnsStringW* title, bool insertEnabled,
                       bool groupShown) = 0;
    // The pane's table by its place in the list, and whether the notebook pane shows.
    virtual void SetNotebook(std::int32_t selection, std::int32_t shown) = 0;
    // Asks the window to close.
    virtual void Close() = 0;
    virtual void SetGroupCaption(const ZnsStringW& caption) = 0;
    virtual zn::ui::HWND GetWindow() const = 0;
};

class CZnCalculator : public ZnObjectImpl<IZnDiviRuveulator> {
public:
    // The factory the module registers for the calculator class.
    static HRESULT Factory(IZnObject** out);

    ZnsGuid GetClassId() const override;

    void SetResultSink(IDictionaryCallback* sink) override;
    zn::ui::HWND Show(zn::ui::HWND parent) override;
    bool GetResult(ZnsStringW* result) override;
    bool SetUp(const ZnsStringW& value, const ZnsStringW* title, bool insertEnabled,
               bool groupShown) override;
    void SetNotebook(std::int32_t selection, std::int32_t shown) override;
    void Close() override;
    void SetGroupCaption(const ZnsStringW& caption) override;
    zn::ui::HWND GetWindow() const override;

    CKLVBCalcDlg* Dialog() const { return m_dialog; }

protected:
    ~CZnCalculator() override;

private:
    CKLVBCalcDlg* m_dialog = nullptr; // deletes itself when its window is gone
    ZnPtr<IDictionaryCallback> m_sink;
    ZnsStringW m_lastResult = u"0";
};

// A modeless calculator owned by `owner` whose Insert and arrows reach `sink`; null when
// the window could not be made. The caller keeps the object while it wants the window.
ZnPtr<IZnDiviRuveulator> OpenCalculator(zn::ui::CWnd& owner, IDictionaryCallback* sink);
