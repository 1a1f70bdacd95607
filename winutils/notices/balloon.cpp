#include <windows.h>
#include <commctrl.h>

#include "notices/balloon.h"

#include <string>

#include "frame/activation_context.h"
#include "notices/balloon_keys.h"

namespace {

constexpr wchar_t kCarrierClass[] = L"XBalloonMsg";
constexpr UINT_PTR kToolId = 10001;
constexpr UINT_PTR kTimerId = 1;
constexpr size_t kMaxText = 3998;
// Posted to the carrier: hiding from inside its own activation messages is done afterwards.
constexpr UINT kHideMessage = WM_APP + 1;

void HideAndForget();

struct BalloonState {
    BalloonState() = default;
    BalloonState(const BalloonState&) = delete;
    BalloonState& operator=(const BalloonState&) = delete;
    // At unload nothing may still point into this code: hooks, windows, the carrier's class.
    ~BalloonState() { HideAndForget(); }

    HWND owner = nullptr;
    HWND control = nullptr;
    bool hasAnchor = false;
    POINT anchor = {};
    int timeoutSeconds = 0;
    std::wstring text;
    HINSTANCE instance = nullptr;
    HWND carrier = nullptr;
    HWND tip = nullptr;
    HHOOK keyboardHook = nullptr;
    HHOOK mouseHook = nullptr;
    bool started = false;
    bool shown = false;
    bool redrawOwnerFrame = false;
};

BalloonState& State() {
    static BalloonState state;
    return state;
}

bool BalloonsAllowed() {
    DWORD value = 1, size = sizeof(value);
    LSTATUS status = RegGetValueW(
        HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced",
        L"EnableBalloonTips", RRF_RT_REG_DWORD, nullptr, &value, &size);
    return status != ERROR_SUCCESS || value != 0;
}

LRESULT CALLBACK KeyboardHook(int code, WPARAM wParam, LPARAM lParam) {
    BalloonState& state = State();
    bool press = (lParam & 0x80000000) == 0;
    if (code != HC_ACTION || !press || !state.shown)
        return CallNextHookEx(state.keyboardHook, code, wParam, lParam);
    switch (ClassifyBalloonKey(static_cast<unsigned>(wParam))) {
    case BalloonKey::kHideAndSwallow:
        HideBalloonMsg();
        return 1;
    case BalloonKey::kPass:
        return CallNextHookEx(state.keyboardHook, code, wParam, lParam);
    case BalloonKey::kPassThenHide:
    default: {
        LRESULT result = CallNextHookEx(state.keyboardHook, code, wParam, lParam);
        HideBalloonMsg();
        return result;
    }
    }
}

LRESULT CALLBACK MouseHook(int code, WPARAM wParam, LPARAM lParam) {
    BalloonState& state = State();
    LRESULT result = CallNextHookEx(state.mouseHook, code, wParam, lParam);
    if (code == HC_ACTION && state.shown) {
        switch (wParam) {
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_NCLBUTTONDOWN:
        case WM_NCRBUTTONDOWN:
        case WM_NCMBUTTONDOWN:
        case WM_MOUSEWHEEL:
            HideBalloonMsg();
            break;
        default:
            break;
        }
    }
    return result;
}

POINT AnchorPoint(const BalloonState& state, bool balloons) {
    if (state.hasAnchor) return state.anchor;
    RECT rc = {};
    GetWindowRect(state.control, &rc);
    if (balloons) return POINT{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
    return POINT{rc.left, rc.bottom};
}

void StartBalloon(HWND carrier) {
    BalloonState& state = State();
    bool balloons = BalloonsAllowed();
    INITCOMMONCONTROLSEX classes = {sizeof(classes), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&classes);
    DWORD style = WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX | TTS_NOANIMATE | TTS_NOFADE | TTS_CLOSE |
                  (balloons ? TTS_BALLOON : 0);
    state.tip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, style, CW_USEDEFAULT,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, state.owner, nullptr,
                                state.instance, nullptr);
    if (!state.tip) return;
    TTTOOLINFOW tool = {};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.uFlags = TTF_TRACK | (balloons ? TTF_CENTERTIP : 0);
    tool.hwnd = state.owner;
    tool.uId = kToolId;
    tool.hinst = state.instance;
    tool.lpszText = state.text.data();
    SendMessageW(state.tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageW(state.tip, TTM_SETMAXTIPWIDTH, 0, 32000);
    SendMessageW(state.tip, TTM_SETDELAYTIME, TTDT_INITIAL, 1);
    SendMessageW(state.tip, TTM_SETDELAYTIME, TTDT_AUTOPOP, 1);
    SendMessageW(state.tip, TTM_SETDELAYTIME, TTDT_RESHOW, 1);
    SendMessageW(state.tip, TTM_SETTITLEW, TTI_INFO, reinterpret_cast<LPARAM>(L""));
    POINT at = AnchorPoint(state, balloons);
    SendMessageW(state.tip, TTM_TRACKPOSITION, 0, MAKELPARAM(at.x, at.y));
    SendMessageW(state.tip, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));

    DWORD thread = GetCurrentThreadId();
    if (!state.keyboardHook)
        state.keyboardHook = SetWindowsHookExW(WH_KEYBOARD, KeyboardHook, nullptr, thread);
    if (!state.mouseHook) state.mouseHook = SetWindowsHookExW(WH_MOUSE, MouseHook, nullptr, thread);
    if (state.timeoutSeconds > 0)
        SetTimer(carrier, kTimerId, static_cast<UINT>(state.timeoutSeconds) * 1000, nullptr);
    state.shown = true;
}

// Everything the balloon holds goes with its carrier, however the carrier is destroyed (the
// owner takes its owned windows with it).
void OnCarrierDestroyed(HWND carrier) {
    BalloonState& state = State();
    KillTimer(carrier, kTimerId);
    if (state.tip) {
        SendMessageW(state.tip, TTM_POP, 0, 0);
        DestroyWindow(state.tip);
        state.tip = nullptr;
    }
    if (state.keyboardHook) UnhookWindowsHookEx(state.keyboardHook);
    if (state.mouseHook) UnhookWindowsHookEx(state.mouseHook);
    state.keyboardHook = state.mouseHook = nullptr;
    state.shown = false;
    state.carrier = nullptr;
    if (IsWindow(state.owner)) {
        if (state.redrawOwnerFrame)
            SetWindowPos(state.owner, nullptr, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE |
                             SWP_FRAMECHANGED);
        UpdateWindow(state.owner);
    }
    state.redrawOwnerFrame = false;
}

LRESULT CALLBACK CarrierProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    BalloonState& state = State();
    switch (message) {
    case WM_WINDOWPOSCHANGED:
        if (!state.started) {
            state.started = true;
            StartBalloon(hwnd);
        }
        break;
    case WM_TIMER:
        if (wParam == kTimerId) HideBalloonMsg();
        return 0;
    case WM_ACTIVATEAPP:
        // The carrier never takes the activation itself; the user going to another program
        // is its activation change.
        if (!wParam) PostMessageW(hwnd, kHideMessage, 0, 0);
        break;
    case WM_ACTIVATE:
        state.redrawOwnerFrame = LOWORD(wParam) != WA_INACTIVE;
        PostMessageW(hwnd, kHideMessage, 0, 0);
        break;
    case WM_MOUSEACTIVATE:
        PostMessageW(hwnd, kHideMessage, 0, 0);
        return MA_NOACTIVATE;
    case WM_KILLFOCUS:
    case WM_SYSCOMMAND:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_COMMAND:
    case WM_ENTERMENULOOP:
        PostMessageW(hwnd, kHideMessage, 0, 0);
        break;
    case kHideMessage:
        if (hwnd == state.carrier) HideBalloonMsg();
        return 0;
    case WM_DESTROY:
        OnCarrierDestroyed(hwnd);
        break;
    default:
        break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

bool RegisterCarrierClass(HINSTANCE instance) {
    WNDCLASSEXW existing = {};
    existing.cbSize = sizeof(existing);
    if (GetClassInfoExW(instance, kCarrierClass, &existing)) return true;
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof(wc);
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = CarrierProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = kCarrierClass;
    return RegisterClassExW(&wc) != 0;
}

void HideAndForget() {
    BalloonState& state = State();
    HideBalloonMsg();
    if (state.keyboardHook) UnhookWindowsHookEx(state.keyboardHook);
    if (state.mouseHook) UnhookWindowsHookEx(state.mouseHook);
    state.keyboardHook = state.mouseHook = nullptr;
    if (state.instance) UnregisterClassW(kCarrierClass, state.instance);
}

} // namespace

void ShowBalloonMsg(std::wstring_view text, HWND control, HWND owner, HINSTANCE instance,
                    int timeoutSeconds, const RECT* anchor) {
    if (text.empty() || !IsWindow(control) || !IsWindow(owner)) return;
    HideBalloonMsg();
    BalloonState& state = State();
    state.owner = owner;
    state.control = control;
    state.hasAnchor = anchor != nullptr;
    state.anchor = anchor ? POINT{anchor->left, anchor->top} : POINT{};
    state.timeoutSeconds = timeoutSeconds;
    state.text = text.substr(0, kMaxText);
    state.instance = instance;
    state.started = false;
    state.redrawOwnerFrame = false;
    if (!RegisterCarrierClass(instance)) return;
    // The tip is made while the carrier is shown: with the library's common controls.
    CActivationScope controls;
    // Kept from taking the activation: keys must still reach the focused control.
    state.carrier =
        CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, kCarrierClass, L"", WS_POPUP, 30000,
                        30000, 10, 10, owner, nullptr, instance, nullptr);
    if (state.carrier)
        SetWindowPos(state.carrier, nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void HideBalloonMsg() {
    BalloonState& state = State();
    if (state.carrier) {
        KillTimer(state.carrier, kTimerId);
        if (state.tip) SendMessageW(state.tip, TTM_POP, 0, 0);
        DestroyWindow(state.carrier);
    }
    state.carrier = nullptr;
    state.shown = false;
}

HWND BalloonTipWindow() {
    return State().shown ? State().tip : nullptr;
}
