// A window of the headless window system: handle, class, id, text, style bits, rectangle,
// parent, owner and children, and a virtual window procedure that receives every message.
// Controls and dialogs derive from it and override the procedure or its handlers, the way
// dialog code always did; a GUI backend renders this state and feeds input into it.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/text/ZnsString.h"
#include "platform/ui/DisplayList.h"
#include "platform/ui/Messages.h"

namespace zn::ui {

class CMenu;

// SetWindowPos places for the window: above every window, or back among the others.
inline const HWND HWND_TOPMOST = reinterpret_cast<HWND>(std::intptr_t(-1));
inline const HWND HWND_NOTOPMOST = reinterpret_cast<HWND>(std::intptr_t(-2));

// What the message loop hands to PreTranslateMessage before the target sees it.
struct MSG {
    HWND hwnd = nullptr;
    UINT message = WM_NULL;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};

class CWnd {
public:
    CWnd();
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    // Creates the window of this object. `rect` is in the parent's client pixels (screen
    // pixels for a top-level window). Sends WM_CREATE; false when the window refused it.
    bool CreateEx(std::uint32_t exStyle, std::u16string_view className, std::u16string_view text,
                  std::uint32_t style, const CRect& rect, CWnd* parent, int id,
                  CWnd* owner = nullptr);
    bool Create(std::u16string_view className, std::u16string_view text, std::uint32_t style,
                const CRect& rect, CWnd* parent, int id) {
        return CreateEx(0, className, text, style, rect, parent, id);
    }
    // Takes over the existing child `id` of `parent` (made from a dialog template): this
    // object becomes that window, with its handle, id, text, style and rectangle.
    bool SubclassDlgItem(int id, CWnd* parent);
    // Makes a child of a registered window class (a dialog item) that this window owns;
    // null when the class is unknown or the child refused creation.
    CWnd* CreateOwnedChild(std::u16string_view className, std::u16string_view text,
                           std::uint32_t style, const CRect& rect, int id,
                           std::uint32_t exStyle = 0);
    // Destroys the window and its children (WM_DESTROY to each); the object stays.
    void DestroyWindow();

    HWND GetSafeHwnd() const { return m_hWnd; }
    HWND m_hWnd = nullptr;
    static CWnd* FromHandle(HWND hwnd);
    static bool IsWindow(HWND hwnd) { return FromHandle(hwnd) != nullptr; }

    const std::u16string& GetClassName() const { return m_className; }
    int GetDlgCtrlID() const { return m_id; }
    void SetDlgCtrlID(int id) { m_id = id; }
    CWnd* GetDlgItem(int id) const;
    // The first descendant with this id, searched depth first.
    CWnd* FindDescendant(int id) const;

    void SetWindowTextW(std::u16string_view text);
    ZnsStringW GetWindowTextW() const;
    int GetWindowTextLengthW() const;
    void SetDlgItemTextW(int id, std::u16string_view text);
    ZnsStringW GetDlgItemTextW(int id) const;
    // Check states of button items; CheckRadioButton checks `id` and clears the others of
    // first..last.
    void CheckDlgButton(int id, int check);
    int IsDlgButtonChecked(int id) const;
    void CheckRadioButton(int first, int last, int id);
    // The checked button of first..last, 0 when none.
    int GetCheckedRadioButton(int first, int last) const;

    std::uint32_t GetStyle() const { return m_style; }
    std::uint32_t GetExStyle() const { return m_exStyle; }
    void ModifyStyle(std::uint32_t remove, std::uint32_t add);
    void ModifyStyleEx(std::uint32_t remove, std::uint32_t add);

    // Visibility and enabled state live in the style bits, as they always did.
    bool ShowWindow(int command);
    bool IsWindowVisible() const; // this and every ancestor visible
    bool EnableWindow(bool enable = true);
    bool IsWindowEnabled() const { return !(m_style & WS_DISABLED); }

    // Rectangles: the window on the screen, the client area in its own coordinates, and the
    // window in its parent's client coordinates (what MoveWindow takes, and what
    // GetWindowRect followed by the parent's ScreenToClient gives).
    CRect GetWindowRect() const;
    CRect GetClientRect() const { return {0, 0, m_rect.Width(), m_rect.Height()}; }
    CRect GetRectInParent() const { return m_rect; }
    void MoveWindow(const CRect& rect, bool repaint = true);
    void MoveWindow(int x, int y, int width, int height, bool repaint = true) {
        MoveWindow(CRect{x, y, x + width, y + height}, repaint);
    }
    // Moves, sizes and shows or hides in one call (SWP_* flags say what to leave alone).
    bool SetWindowPos(int x, int y, int width, int height, UINT flags);
    // The same, and unless SWP_NOZORDER is given, `insertAfter` HWND_TOPMOST raises the
    // window above all others (WS_EX_TOPMOST) and HWND_NOTOPMOST puts it back among them.
    // The headless system keeps no other stacking order.
    bool SetWindowPos(HWND insertAfter, int x, int y, int width, int height, UINT flags);
    // Converts between this window's client coordinates and the screen's.
    CPoint ClientToScreen(CPoint point) const;
    CPoint ScreenToClient(CPoint point) const;
    CRect ClientToScreen(const CRect& rect) const;
    CRect ScreenToClient(const CRect& rect) const;

    CWnd* GetParent() const { return m_parent; }
    // The owner of a top-level window (or the parent of a child): who gets its notices.
    CWnd* GetOwner() const { return m_owner ? m_owner : m_parent; }
    void SetOwner(CWnd* owner) { m_owner = owner; }
    CWnd* GetTopLevelParent() const;
    const std::vector<CWnd*>& GetChildren() const { return m_children; }
    bool IsChild(const CWnd* other) const; // other is a descendant

    // The icons of a top-level window, by resource number (-1: none); returns the previous.
    int SetIcon(int icon, bool big);
    int GetIcon(bool big) const { return big ? m_bigIcon : m_smallIcon; }

    // The menu bar of a top-level window (not owned).
    void SetMenu(CMenu* menu) { m_menu = menu; }
    CMenu* GetMenu() const { return m_menu; }

    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    bool PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    LRESULT SendDlgItemMessage(int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    // Sends the message to every descendant, parents before their children.
    void SendMessageToDescendants(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

    CWnd* SetFocus();
    static CWnd* GetFocus();
    CWnd* SetCapture();
    static CWnd* GetCapture();
    static void ReleaseCapture();

    // The message loop offers every input message to the target and its ancestors first;
    // answering true consumes it.
    virtual bool PreTranslateMessage(MSG& msg);

    // Commands in the framework's manner: WM_COMMAND reaches OnCommand, which lets a control
    // handle its own notification (OnChildNotify) and then routes the id through
    // OnCmdMsg. A window answers the ids it knows through OnCommandId handlers; overriding
    // OnCmdMsg is how a window offers commands to another target first.
    virtual bool OnCmdMsg(UINT id, int code);
    void OnCommandId(UINT id, std::function<void()> handler);
    void OnCommandRange(UINT first, UINT last, std::function<void(UINT)> handler);
    void OnNotifyCode(UINT id, int code, std::function<LRESULT(NMHDR*)> handler);

    // Items a user can point at inside a control (list entries, tree items, grid cells,
    // toolbar buttons), by their text: the rectangle to click, in client coordinates.
    virtual std::optional<CRect> FindItemRect(std::u16string_view item) const;

    // Painting in the system's manner: invalidating collects an update rectangle (null: the
    // whole client area); WM_PAINT comes only while it is not empty, from UpdateWindow or
    // when the message queue runs dry. BeginPaint takes the rectangle and validates it;
    // EndPaint keeps what was drawn as the window's picture for a renderer.
    void InvalidateRect(const CRect* rect, bool erase = true);
    void Invalidate(bool erase = true) { InvalidateRect(nullptr, erase); }
    bool GetUpdateRect(CRect* rect) const;
    void UpdateWindow();
    void BeginPaint(PAINTSTRUCT* ps);
    void EndPaint(const PAINTSTRUCT* ps, DisplayList painted);
    const DisplayList& GetPaintedDisplayList() const { return m_painted; }
    // Lays what a client DC drew over the picture, until the next WM_PAINT replaces it.
    void DrawOverPicture(DisplayList drawn);

    // Lets docked children (control bars) take their strips of the client area, as every
    // WM_SIZE does; answers the rectangle left over for the window's main content.
    CRect RepositionBars();

    // Minimum size a user may drag the window to (also WM_GETMINMAXINFO's default).
    void SetMinTrackSize(CSize size) { m_minTrackSize = size; }

protected:
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Handlers the default window procedure dispatches to.
    virtual bool OnCommand(WPARAM wParam, LPARAM lParam);
    virtual bool OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result);
    // A control sees its own WM_COMMAND/WM_NOTIFY before its parent; true consumes it.
    virtual bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    virtual int OnCreate() { return 0; }
    virtual void OnDestroy() {}
    virtual void OnSize(UINT /*type*/, int /*cx*/, int /*cy*/) {}
    // The default paints nothing and only validates.
    virtual void OnPaint();
    virtual void OnClose() { DestroyWindow(); }
    // Called after the window is gone (MFC's PostNcDestroy): self-deleting windows delete
    // themselves here.
    virtual void PostNcDestroy() {}
    // Gives the focus back to the window inside this top-level window that had it last,
    // when that one can still take it; true when the focus is inside this window after.
    bool RestoreLastFocus();

    friend LRESULT DispatchToWindow(CWnd* wnd, UINT message, WPARAM wParam, LPARAM lParam);

private:
    void adoptState(CWnd& from);
    void detachFromParent();

    std::u16string m_className;
    ZnsStringW m_text;
    std::uint32_t m_style = 0;
    std::uint32_t m_exStyle = 0;
    int m_id = 0;
    CRect m_rect;
    CWnd* m_parent = nullptr;
    CWnd* m_owner = nullptr;
    std::vector<CWnd*> m_children;
    CMenu* m_menu = nullptr;
    HWND m_lastFocus = nullptr; // of a top-level window: the descendant focused last
    int m_bigIcon = -1;
    int m_smallIcon = -1;
    CSize m_minTrackSize;
    CRect m_updateRect;
    bool m_eraseOnPaint = false;
    DisplayList m_painted;
    std::map<UINT, std::function<void()>> m_commandHandlers;
    std::vector<std::pair<std::pair<UINT, UINT>, std::function<void(UINT)>>> m_rangeHandlers;
    std::map<std::pair<UINT, int>, std::function<LRESULT(NMHDR*)>> m_notifyHandlers;
    // Children the window system made from a class name (dialog items) and owns.
    std::vector<std::unique_ptr<CWnd>> m_ownedChildren;
};

// Runs a message through the target's window procedure (what SendMessage does).
LRESULT DispatchToWindow(CWnd* wnd, UINT message, WPARAM wParam, LPARAM lParam);

LRESULT SendMessage(HWND hwnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
bool PostMessage(HWND hwnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
// Dispatches every posted message, then gives the idle update (WM_IDLEUPDATECMDUI) and
// paints every visible window with an update rectangle; answers how many posted messages
// were dispatched.
int PumpMessages();
// Paints every visible window with an update rectangle (WM_PAINT), as an idle loop does.
void PaintInvalidWindows();
// Sends the message to every window: each top-level window, then its descendants.
void BroadcastToWindows(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
// Dispatches one posted message; false when the queue was empty.
bool PumpOneMessage();
// Drops every posted message (a new test, a new session).
void ClearMessageQueue();

// A message number unique to `name` for the life of the process, the same for every
// caller that asks with the same name (case-insensitive, as the system does).
UINT RegisterWindowMessageW(std::u16string_view name);

// Window classes by name: dialog templates name the class of each item and the window
// system makes the C++ object for it. Built-in classes: "Button", "Edit", "Static",
// "ComboBox", "ListBox", "SysTreeView32", "ToolbarWindow32", "tooltips_class32".
using WindowFactory = std::function<std::unique_ptr<CWnd>()>;
void RegisterWindowClass(std::u16string_view className, WindowFactory factory);
std::unique_ptr<CWnd> MakeWindowOfClass(std::u16string_view className);

// The top-level window that has the user's attention (the last shown or activated one).
CWnd* GetActiveWindow();
void SetActiveWindow(CWnd* wnd);
// Every live top-level window, oldest first.
std::vector<CWnd*> TopLevelWindows();

} // namespace zn::ui
