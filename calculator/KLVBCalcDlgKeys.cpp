// The calculator's keyboard: while it is the active window a thread keyboard hook turns
// key presses into its commands, and an activation hook puts that hook in place when the
// calculator becomes active and takes it away when another window does. Characters typed
// into the keypad reach the same buttons.
#include "calculator/CalcDlgIds.h"
#include "calculator/KLVBCalcDlg.h"
#include "platform/ui/Input.h"

using namespace zn::ui;
using namespace calcdlg;

namespace {

// Keypad keys of the number block.
constexpr UINT VK_NUMPAD0 = 0x60, VK_NUMPAD9 = 0x69, VK_MULTIPLY = 0x6A, VK_ADD = 0x6B,
               VK_SUBTRACT = 0x6D, VK_DECIMAL = 0x6E, VK_DIVIDE = 0x6F;

constexpr int kDigitButtons[] = {IDC_DIGIT_0, IDC_DIGIT_1, IDC_DIGIT_2, IDC_DIGIT_3, IDC_DIGIT_4,
                                 IDC_DIGIT_5, IDC_DIGIT_6, IDC_DIGIT_7, IDC_DIGIT_8, IDC_DIGIT_9};

bool held(UINT key) {
    return GetKeyState(int(key)) < 0;
}

// The button of a character of the keypad, 0 for any other character.
int buttonOfCharacter(char16_t ch) {
    if (ch >= u'0' && ch <= u'9')
        return kDigitButtons[ch - u'0'];
    switch (ch) {
    case u'(':
        return IDC_OPEN;
    case u')':
        return IDC_CLOSE_PAREN;
    case u'*':
        return IDC_MULTIPLY;
    case u'+':
        return IDC_ADD;
    case u'-':
        return IDC_SUBTRACT;
    case u'/':
        return IDC_DIVIDE;
    case u',':
    case u'.':
        return IDC_POINT;
    default:
        return 0;
    }
}

} // namespace

void CKLVBCalcDlg::installHooks() {
    if (!m_activationHook)
        m_activationHook = SetWindowsHookEx(WH_CBT, [this](int code, WPARAM wParam, LPARAM lParam) {
            HHOOK self = m_activationHook;
            if (code == HCBT_ACTIVATE) {
                if (HWND(wParam) == m_hWnd)
                    installKeyboardHook();
                else
                    removeKeyboardHook();
            }
            return CallNextHookEx(self, code, wParam, lParam);
        });
    installKeyboardHook();
}

void CKLVBCalcDlg::removeHooks() {
    removeKeyboardHook();
    if (m_activationHook)
        UnhookWindowsHookEx(std::exchange(m_activationHook, nullptr));
}

void CKLVBCalcDlg::installKeyboardHook() {
    if (m_keyboardHook)
        return;
    m_keyboardHook = SetWindowsHookEx(WH_KEYBOARD, [this](int code, WPARAM wParam, LPARAM lParam) {
        HHOOK self = m_keyboardHook;
        if (code == HC_ACTION && !(lParam & kKeyReleased) && onKeyDown(UINT(wParam)))
            return LRESULT(1);
        return CallNextHookEx(self, code, wParam, lParam);
    });
}

void CKLVBCalcDlg::removeKeyboardHook() {
    if (m_keyboardHook)
        UnhookWindowsHookEx(std::exchange(m_keyboardHook, nullptr));
}

// True when the key was the calculator's: it goes no further.
bool CKLVBCalcDlg::onKeyDown(UINT key) {
    const bool ctrl = held(VK_CONTROL), shift = held(VK_SHIFT), alt = held(VK_MENU);
    if (alt)
        return false;
    if (ctrl) {
        switch (key) {
        case VK_RETURN:
            command(IDC_INSERT);
            return true;
        case VK_UP:
            command(IDC_ARROW_UP);
            return true;
        case VK_DOWN:
            command(IDC_ARROW_DOWN);
            return true;
        case VK_LEFT:
            command(IDC_ARROW_LEFT);
            return true;
        case VK_RIGHT:
            command(IDC_ARROW_RIGHT);
            return true;
        case 'C':
        case VK_INSERT:
            command(ID_EDIT_COPY);
            return true;
        case 'V':
            command(ID_EDIT_PASTE);
            return true;
        default:
            return false;
        }
    }
    if (shift && key == VK_INSERT) {
        command(ID_EDIT_PASTE);
        return true;
    }
    if (shift)
        return false;
    switch (key) {
    case VK_F1:
        command(ID_HELP_TOPICS);
        return true;
    case VK_ESCAPE:
        command(IDC_CLEAR);
        return true;
    case VK_DELETE:
        // In the expression edit Delete deletes, as it does in any edit.
        if (m_engine.ExpressionMode())
            return false;
        command(IDC_CLEAR_ENTRY);
        return true;
    case VK_BACK:
        if (m_engine.ExpressionMode())
            return false;
        command(IDC_BACKSPACE);
        return true;
    case VK_RETURN:
        command(IDC_EQUALS);
        return true;
    case VK_SPACE:
        return true;
    case VK_MULTIPLY:
        command(IDC_MULTIPLY);
        return true;
    case VK_ADD:
        command(IDC_ADD);
        return true;
    case VK_SUBTRACT:
        command(IDC_SUBTRACT);
        return true;
    case VK_DIVIDE:
        command(IDC_DIVIDE);
        return true;
    case VK_DECIMAL:
        command(IDC_POINT);
        return true;
    default:
        break;
    }
    if (key >= '0' && key <= '9') {
        command(buttonOfCharacter(char16_t(key)));
        return true;
    }
    if (key >= VK_NUMPAD0 && key <= VK_NUMPAD9) {
        command(kDigitButtons[key - VK_NUMPAD0]);
        return true;
    }
    return false;
}

bool CKLVBCalcDlg::onCharacter(char16_t ch) {
    // Typed into the expression edit, a character is part of the formula.
    if (m_engine.ExpressionMode())
        return false;
    const int button = buttonOfCharacter(ch);
    if (!button)
        return false;
    command(button);
    return true;
}

bool CKLVBCalcDlg::PreTranslateMessage(MSG& msg) {
    if (msg.message == WM_CHAR && onCharacter(char16_t(msg.wParam)))
        return true;
    return CxDialog::PreTranslateMessage(msg);
}

// A command from the keyboard acts as its button or menu item would, and not at all while
// that button is disabled.
void CKLVBCalcDlg::command(int id) {
    if (CWnd* button = GetDlgItem(id); button && !button->IsWindowEnabled())
        return;
    SendMessage(WM_COMMAND, WPARAM(id), 0);
}
