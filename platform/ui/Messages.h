// The message set of the window system, declared once with fixed numbers: window
// messages, control messages and notifications, the user messages of the module's
// controls, virtual-key codes, styles and the other flag words that travel with them.
// The numbers are the Windows ones, so code written against them reads as dialog code.
#pragma once

#include "platform/ui/Types.h"

namespace zn::ui {

// Window messages.
inline constexpr UINT WM_NULL = 0x0000;
inline constexpr UINT WM_CREATE = 0x0001;
inline constexpr UINT WM_DESTROY = 0x0002;
inline constexpr UINT WM_MOVE = 0x0003;
inline constexpr UINT WM_SIZE = 0x0005;
inline constexpr UINT WM_ACTIVATE = 0x0006;
inline constexpr UINT WM_SETFOCUS = 0x0007;
inline constexpr UINT WM_KILLFOCUS = 0x0008;
inline constexpr UINT WM_ENABLE = 0x000A;
inline constexpr UINT WM_SETREDRAW = 0x000B;
inline constexpr UINT WM_SETTEXT = 0x000C;
inline constexpr UINT WM_GETTEXT = 0x000D;
inline constexpr UINT WM_GETTEXTLENGTH = 0x000E;
inline constexpr UINT WM_PAINT = 0x000F;
inline constexpr UINT WM_CLOSE = 0x0010;
// Sent by painting when the update area is to be erased; WPARAM is the CDC*.
inline constexpr UINT WM_ERASEBKGND = 0x0014;
inline constexpr UINT WM_SYSCOLORCHANGE = 0x0015;
inline constexpr UINT WM_SHOWWINDOW = 0x0018;
inline constexpr UINT WM_SETCURSOR = 0x0020;
// Hit-test code of WM_SETCURSOR's LPARAM low word: the pointer is over the client area.
inline constexpr UINT HTCLIENT = 1;
inline constexpr UINT WM_GETMINMAXINFO = 0x0024;
inline constexpr UINT WM_NOTIFY = 0x004E;
inline constexpr UINT WM_HELP = 0x0053;
inline constexpr UINT WM_CONTEXTMENU = 0x007B;
inline constexpr UINT WM_KEYDOWN = 0x0100;
inline constexpr UINT WM_KEYUP = 0x0101;
inline constexpr UINT WM_CHAR = 0x0102;
inline constexpr UINT WM_INITDIALOG = 0x0110;
inline constexpr UINT WM_COMMAND = 0x0111;
inline constexpr UINT WM_TIMER = 0x0113;
inline constexpr UINT WM_HSCROLL = 0x0114;
inline constexpr UINT WM_VSCROLL = 0x0115;
inline constexpr UINT WM_INITMENUPOPUP = 0x0117;
inline constexpr UINT WM_MOUSEMOVE = 0x0200;
inline constexpr UINT WM_LBUTTONDOWN = 0x0201;
inline constexpr UINT WM_LBUTTONUP = 0x0202;
inline constexpr UINT WM_LBUTTONDBLCLK = 0x0203;
inline constexpr UINT WM_RBUTTONDOWN = 0x0204;
inline constexpr UINT WM_RBUTTONUP = 0x0205;
// HIWORD(WPARAM): the wheel's turn, WHEEL_DELTA per notch, positive away from the user.
inline constexpr UINT WM_MOUSEWHEEL = 0x020A;
inline constexpr int WHEEL_DELTA = 120;
inline constexpr UINT WM_EXITSIZEMOVE = 0x0232;
// A resized window asks each child to take its docked strip of the client area; LPARAM
// carries the SIZEPARENTPARAMS whose rectangle each bar shrinks.
inline constexpr UINT WM_SIZEPARENT = 0x0361;
// The loop ran dry: windows (control bars above all) bring their state up to date.
// WPARAM: whether commands nobody handles are shown disabled.
inline constexpr UINT WM_IDLEUPDATECMDUI = 0x0363;
inline constexpr UINT WM_CUT = 0x0300;
inline constexpr UINT WM_COPY = 0x0301;
inline constexpr UINT WM_PASTE = 0x0302;
inline constexpr UINT WM_CLEAR = 0x0303;
inline constexpr UINT WM_UNDO = 0x0304;
inline constexpr UINT WM_DRAWCLIPBOARD = 0x0308;
inline constexpr UINT WM_CHANGECBCHAIN = 0x030D;
inline constexpr UINT WM_USER = 0x0400;
inline constexpr UINT WM_APP = 0x8000;
// Registered messages are handed out from here on (RegisterWindowMessageW).
inline constexpr UINT kFirstRegisteredMessage = 0xC000;

// Messages private to the module's controls, with the numbers their code relies on.
// The rich-edit control asks its owner class to add entries to the context menu it is
// building; LPARAM carries the menu.
inline constexpr UINT ZNM_CONTEXTMENU_BUILD = 3057; // 0xBF1
// A private query the notebook answers with 1.
inline constexpr UINT ZNM_NOTEBOOK_QUERY = 0x7101;

// Whether a WM_COMMAND is a command (0: a menu, a button or a toolbar button, whose handle
// then comes in lParam; 1: an accelerator) rather than a control's notification.
constexpr bool IsCommandCode(WPARAM wParam) {
    return HIWORD(wParam) <= 1;
}

// Notification codes carried in WM_COMMAND / WM_NOTIFY.
inline constexpr int BN_CLICKED = 0;
inline constexpr int BN_DOUBLECLICKED = 5;
inline constexpr int EN_SETFOCUS = 0x0100;
inline constexpr int EN_KILLFOCUS = 0x0200;
inline constexpr int EN_CHANGE = 0x0300;
inline constexpr int CBN_SELCHANGE = 1;
inline constexpr int CBN_DBLCLK = 2;
inline constexpr int CBN_SETFOCUS = 3;
inline constexpr int CBN_KILLFOCUS = 4;
inline constexpr int CBN_EDITCHANGE = 5;
inline constexpr int LBN_SELCHANGE = 1;
inline constexpr int LBN_DBLCLK = 2;
// The notebook tells its parent it copied a transfer to the clipboard; the editor
// dialog takes the same code as a paste request.
inline constexpr int ZNN_CLIPBOARD_TRANSFER = 0x537; // 1335
inline constexpr int EN_SELCHANGE = 0x0702;
inline constexpr int EN_PROTECTED = 0x0704;
inline constexpr int NM_CLICK = -2;
inline constexpr int NM_DBLCLK = -3;
inline constexpr int NM_RCLICK = -5;
inline constexpr int NM_SETFOCUS = -7;
inline constexpr int NM_KILLFOCUS = -8;
inline constexpr int TVN_SELCHANGED = -402;
inline constexpr int TVN_ITEMEXPANDED = -406;
inline constexpr int TVN_BEGINDRAG = -407;
inline constexpr int TVN_DELETEITEM = -409;
inline constexpr int TVN_BEGINLABELEDIT = -410;
inline constexpr int TVN_ENDLABELEDIT = -411;
inline constexpr int GVN_BEGINLABELEDIT = -601;
inline constexpr int GVN_ENDLABELEDIT = -602;
inline constexpr int GVN_SELCHANGED = -603;

// Control messages.
inline constexpr UINT EM_GETSEL = 0x00B0;
inline constexpr UINT EM_SETSEL = 0x00B1;
inline constexpr UINT EM_GETMODIFY = 0x00B8;
inline constexpr UINT EM_SETMODIFY = 0x00B9;
inline constexpr UINT EM_REPLACESEL = 0x00C2;
inline constexpr UINT EM_LIMITTEXT = 0x00C5;
inline constexpr UINT EM_SETREADONLY = 0x00CF;
inline constexpr UINT BM_GETCHECK = 0x00F0;
inline constexpr UINT BM_SETCHECK = 0x00F1;
inline constexpr UINT BM_CLICK = 0x00F5;
inline constexpr UINT CB_ADDSTRING = 0x0143;
inline constexpr UINT CB_DELETESTRING = 0x0144;
inline constexpr UINT CB_GETCOUNT = 0x0146;
inline constexpr UINT CB_GETCURSEL = 0x0147;
inline constexpr UINT CB_GETLBTEXT = 0x0148;
inline constexpr UINT CB_GETLBTEXTLEN = 0x0149;
inline constexpr UINT CB_INSERTSTRING = 0x014A;
inline constexpr UINT CB_RESETCONTENT = 0x014B;
inline constexpr UINT CB_FINDSTRING = 0x014C;
inline constexpr UINT CB_SELECTSTRING = 0x014D;
inline constexpr UINT CB_SETCURSEL = 0x014E;
inline constexpr UINT CB_GETITEMDATA = 0x0150;
inline constexpr UINT CB_SETITEMDATA = 0x0151;
inline constexpr UINT CB_FINDSTRINGEXACT = 0x0158;
inline constexpr UINT LB_ADDSTRING = 0x0180;
inline constexpr UINT LB_SETCURSEL = 0x0186;
inline constexpr UINT LB_GETCURSEL = 0x0188;
inline constexpr UINT LB_GETCOUNT = 0x018B;
inline constexpr UINT WM_GETDLGCODE = 0x0087;
// Rich-edit messages.
inline constexpr UINT EM_GETRECT = 0x00B2;
inline constexpr UINT EM_SETRECT = 0x00B3;
inline constexpr UINT EM_LINESCROLL = 0x00B6;
inline constexpr UINT EM_SCROLLCARET = 0x00B7;
inline constexpr UINT EM_LINELENGTH = 0x00C1;
inline constexpr UINT EM_GETLINE = 0x00C4;
inline constexpr UINT EM_GETFIRSTVISIBLELINE = 0x00CE;
inline constexpr UINT EM_EXLINEFROMCHAR = 0x0436;
inline constexpr UINT EM_GETSELTEXT = 0x043E;
inline constexpr UINT EM_SELECTIONTYPE = 0x0442;
inline constexpr UINT EM_STREAMIN = 0x0449;
inline constexpr UINT EM_STREAMOUT = 0x044A;
inline constexpr UINT EM_GETTEXTRANGE = 0x044B;
inline constexpr UINT EM_FINDTEXTEXW = 0x047C;
inline constexpr UINT EM_GETSCROLLPOS = 0x04DD;
inline constexpr UINT EM_SETSCROLLPOS = 0x04DE;
inline constexpr UINT EM_GETLINECOUNT = 0x00BA;
inline constexpr UINT EM_LINEINDEX = 0x00BB;
inline constexpr UINT EM_CANUNDO = 0x00C6;
inline constexpr UINT EM_UNDO = 0x00C7;
inline constexpr UINT EM_LINEFROMCHAR = 0x00C9;
inline constexpr UINT EM_EMPTYUNDOBUFFER = 0x00CD;
inline constexpr UINT EM_POSFROMCHAR = 0x00D6;
inline constexpr UINT EM_CHARFROMPOS = 0x00D7;
inline constexpr UINT EM_EXGETSEL = 0x0434;
inline constexpr UINT EM_EXSETSEL = 0x0437;
inline constexpr UINT EM_GETCHARFORMAT = 0x043A;
inline constexpr UINT EM_GETEVENTMASK = 0x043B;
inline constexpr UINT EM_GETPARAFORMAT = 0x043D;
inline constexpr UINT EM_SETCHARFORMAT = 0x0444;
inline constexpr UINT EM_SETEVENTMASK = 0x0445;
inline constexpr UINT EM_SETPARAFORMAT = 0x0447;
// lParam 1: no word wrap; 0: lines wrap at the formatting rectangle.
inline constexpr UINT EM_SETTARGETDEVICE = 0x0448;

// WM_GETDLGCODE answers: which keys a control keeps from the dialog's own navigation.
inline constexpr LRESULT DLGC_WANTARROWS = 0x0001;
inline constexpr LRESULT DLGC_WANTTAB = 0x0002;
// The control takes EM_SETSEL: the dialog selects all its text when it moves the focus there.
inline constexpr LRESULT DLGC_HASSETSEL = 0x0008;
inline constexpr LRESULT DLGC_WANTALLKEYS = 0x0004;
inline constexpr LRESULT DLGC_WANTCHARS = 0x0080;
inline constexpr LRESULT DLGC_DEFPUSHBUTTON = 0x0010;
inline constexpr LRESULT DLGC_BUTTON = 0x2000;

// Standard command identifiers.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDABORT = 3;
inline constexpr int IDRETRY = 4;
inline constexpr int IDIGNORE = 5;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;

// Window styles.
inline constexpr std::uint32_t WS_OVERLAPPED = 0x00000000;
inline constexpr std::uint32_t WS_POPUP = 0x80000000;
inline constexpr std::uint32_t WS_CHILD = 0x40000000;
inline constexpr std::uint32_t WS_MINIMIZE = 0x20000000;
inline constexpr std::uint32_t WS_VISIBLE = 0x10000000;
inline constexpr std::uint32_t WS_DISABLED = 0x08000000;
inline constexpr std::uint32_t WS_CLIPSIBLINGS = 0x04000000;
inline constexpr std::uint32_t WS_CLIPCHILDREN = 0x02000000;
inline constexpr std::uint32_t WS_MAXIMIZE = 0x01000000;
inline constexpr std::uint32_t WS_CAPTION = 0x00C00000;
inline constexpr std::uint32_t WS_BORDER = 0x00800000;
inline constexpr std::uint32_t WS_VSCROLL = 0x00200000;
inline constexpr std::uint32_t WS_HSCROLL = 0x00100000;
inline constexpr std::uint32_t WS_SYSMENU = 0x00080000;
inline constexpr std::uint32_t WS_THICKFRAME = 0x00040000;
inline constexpr std::uint32_t WS_GROUP = 0x00020000;
inline constexpr std::uint32_t WS_TABSTOP = 0x00010000;
inline constexpr std::uint32_t WS_MINIMIZEBOX = 0x00020000;
inline constexpr std::uint32_t WS_MAXIMIZEBOX = 0x00010000;
inline constexpr std::uint32_t WS_EX_CLIENTEDGE = 0x00000200;
inline constexpr std::uint32_t WS_EX_TOPMOST = 0x00000008;
// The window's children take part in its parent dialog's keyboard navigation.
inline constexpr std::uint32_t WS_EX_CONTROLPARENT = 0x00010000;
inline constexpr std::uint32_t DS_MODALFRAME = 0x80;
inline constexpr std::uint32_t DS_CONTROL = 0x400;
// Button styles.
inline constexpr std::uint32_t BS_PUSHBUTTON = 0x0;
inline constexpr std::uint32_t BS_DEFPUSHBUTTON = 0x1;
inline constexpr std::uint32_t BS_CHECKBOX = 0x2;
inline constexpr std::uint32_t BS_AUTOCHECKBOX = 0x3;
inline constexpr std::uint32_t BS_RADIOBUTTON = 0x4;
inline constexpr std::uint32_t BS_3STATE = 0x5;
inline constexpr std::uint32_t BS_AUTO3STATE = 0x6;
inline constexpr std::uint32_t BS_GROUPBOX = 0x7;
inline constexpr std::uint32_t BS_AUTORADIOBUTTON = 0x9;
inline constexpr std::uint32_t BS_TYPEMASK = 0xF;
inline constexpr std::uint32_t BS_BITMAP = 0x80;
inline constexpr std::uint32_t BS_MULTILINE = 0x2000;
inline constexpr std::uint32_t BS_FLAT = 0x8000;
// Edit styles.
inline constexpr std::uint32_t ES_LEFT = 0x0;
inline constexpr std::uint32_t ES_CENTER = 0x1;
inline constexpr std::uint32_t ES_RIGHT = 0x2;
inline constexpr std::uint32_t ES_MULTILINE = 0x4;
inline constexpr std::uint32_t ES_AUTOVSCROLL = 0x40;
inline constexpr std::uint32_t ES_AUTOHSCROLL = 0x80;
inline constexpr std::uint32_t ES_NOHIDESEL = 0x100;
inline constexpr std::uint32_t ES_READONLY = 0x800;
inline constexpr std::uint32_t ES_WANTRETURN = 0x1000;
inline constexpr std::uint32_t ES_NUMBER = 0x2000;
inline constexpr std::uint32_t ES_SAVESEL = 0x8000;
// Static styles.
inline constexpr std::uint32_t SS_LEFT = 0x0;
inline constexpr std::uint32_t SS_CENTER = 0x1;
inline constexpr std::uint32_t SS_RIGHT = 0x2;
inline constexpr std::uint32_t SS_BITMAP = 0xE;
inline constexpr std::uint32_t SS_ETCHEDHORZ = 0x10;
inline constexpr std::uint32_t SS_ETCHEDFRAME = 0x12;
// Combo box styles.
inline constexpr std::uint32_t CBS_SIMPLE = 0x1;
inline constexpr std::uint32_t CBS_DROPDOWN = 0x2;
inline constexpr std::uint32_t CBS_DROPDOWNLIST = 0x3;
inline constexpr std::uint32_t CBS_TYPEMASK = 0x3;
inline constexpr std::uint32_t CBS_AUTOHSCROLL = 0x40;
inline constexpr std::uint32_t CBS_SORT = 0x100;
inline constexpr std::uint32_t CBS_HASSTRINGS = 0x200;
// List box styles.
inline constexpr std::uint32_t LBS_NOTIFY = 0x1;
inline constexpr std::uint32_t LBS_SORT = 0x2;
// Tree view styles.
inline constexpr std::uint32_t TVS_HASBUTTONS = 0x1;
inline constexpr std::uint32_t TVS_HASLINES = 0x2;
inline constexpr std::uint32_t TVS_LINESATROOT = 0x4;
inline constexpr std::uint32_t TVS_EDITLABELS = 0x8;
inline constexpr std::uint32_t TVS_DISABLEDRAGDROP = 0x10;
inline constexpr std::uint32_t TVS_SHOWSELALWAYS = 0x20;
// Toolbar styles.
inline constexpr std::uint32_t TBSTYLE_TOOLTIPS = 0x100;
inline constexpr std::uint32_t TBSTYLE_FLAT = 0x800;

// Virtual-key codes.
inline constexpr UINT VK_BACK = 0x08;
inline constexpr UINT VK_TAB = 0x09;
inline constexpr UINT VK_RETURN = 0x0D;
inline constexpr UINT VK_SHIFT = 0x10;
inline constexpr UINT VK_CONTROL = 0x11;
inline constexpr UINT VK_MENU = 0x12;
inline constexpr UINT VK_ESCAPE = 0x1B;
inline constexpr UINT VK_SPACE = 0x20;
inline constexpr UINT VK_PRIOR = 0x21;
inline constexpr UINT VK_NEXT = 0x22;
inline constexpr UINT VK_END = 0x23;
inline constexpr UINT VK_HOME = 0x24;
inline constexpr UINT VK_LEFT = 0x25;
inline constexpr UINT VK_UP = 0x26;
inline constexpr UINT VK_RIGHT = 0x27;
inline constexpr UINT VK_DOWN = 0x28;
inline constexpr UINT VK_INSERT = 0x2D;
inline constexpr UINT VK_DELETE = 0x2E;
inline constexpr UINT VK_F1 = 0x70;
inline constexpr UINT VK_F2 = 0x71;
inline constexpr UINT VK_F3 = 0x72;
inline constexpr UINT VK_F10 = 0x79;
inline constexpr UINT VK_F12 = 0x7B;
inline constexpr UINT VK_APPS = 0x5D; // the context-menu key

// Mouse-message key state (WPARAM of mouse messages).
inline constexpr WPARAM MK_LBUTTON = 0x1;
inline constexpr WPARAM MK_RBUTTON = 0x2;
inline constexpr WPARAM MK_SHIFT = 0x4;
inline constexpr WPARAM MK_CONTROL = 0x8;

// ShowWindow commands.
inline constexpr int SW_HIDE = 0;
inline constexpr int SW_SHOWNORMAL = 1;
inline constexpr int SW_SHOWMINIMIZED = 2;
inline constexpr int SW_SHOWMAXIMIZED = 3;
inline constexpr int SW_SHOW = 5;
inline constexpr int SW_RESTORE = 9;

// SetWindowPos flags.
inline constexpr UINT SWP_NOSIZE = 0x1;
inline constexpr UINT SWP_NOMOVE = 0x2;
inline constexpr UINT SWP_NOZORDER = 0x4;
inline constexpr UINT SWP_SHOWWINDOW = 0x40;
inline constexpr UINT SWP_HIDEWINDOW = 0x80;

// Check states of buttons and menu items.
inline constexpr int BST_UNCHECKED = 0;
inline constexpr int BST_CHECKED = 1;
inline constexpr int BST_INDETERMINATE = 2;

// Scroll-bar requests of WM_VSCROLL / WM_HSCROLL (LOWORD(WPARAM)); with the thumb ones
// HIWORD(WPARAM) is the position.
inline constexpr int SB_LINEUP = 0;
inline constexpr int SB_LINEDOWN = 1;
inline constexpr int SB_PAGEUP = 2;
inline constexpr int SB_PAGEDOWN = 3;
inline constexpr int SB_THUMBPOSITION = 4;
inline constexpr int SB_THUMBTRACK = 5;
inline constexpr int SB_TOP = 6;
inline constexpr int SB_BOTTOM = 7;

// Size types of WM_SIZE.
inline constexpr WPARAM SIZE_RESTORED = 0;
inline constexpr WPARAM SIZE_MINIMIZED = 1;
inline constexpr WPARAM SIZE_MAXIMIZED = 2;

constexpr int CB_ERR = -1;
constexpr int LB_ERR = -1;

// The header every WM_NOTIFY carries.
struct NMHDR {
    HWND hwndFrom = nullptr;
    std::uintptr_t idFrom = 0;
    int code = 0;
};

// WM_SIZEPARENT: the client area not yet taken by docked bars.
struct SIZEPARENTPARAMS {
    CRect rect;
};

// What BeginPaint hands out: the rectangle that needs painting.
struct PAINTSTRUCT {
    CRect rcPaint;
    bool fErase = false;
};

// WM_GETMINMAXINFO: the window system fills the defaults; a window may raise the minimum.
struct MINMAXINFO {
    CPoint ptMaxSize;
    CPoint ptMaxPosition;
    CPoint ptMinTrackSize;
    CPoint ptMaxTrackSize;
};

} // namespace zn::ui
