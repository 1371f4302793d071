// The panel window over plain Win32: creation from the layout table, the event wiring of the
// nine buttons and Timer1, and the accessors the handlers use.
#include "Form1.h"
#include "Form1Layout.h"
#include "Form1Window.h"

#include "../window_groups/WindowSystem.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

namespace Form1 {

namespace {

constexpr UINT_PTR Timer1 = 1;
constexpr UINT Timer1Interval = 10;
constexpr DWORD Form1Style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU; // fixed single border
constexpr wchar_t Form1Class[] = L"Tessivar.Form1";
constexpr wchar_t Form1Title[] = L"Tessivar";

HWND Form1Window;
HFONT Form1Font;
HWND FocusBeforeDeactivation;

std::u16string GetWindowTextW(HWND window) {
    std::u16string text(static_cast<std::size_t>(::GetWindowTextLengthW(window)), u'\0');
    if (!text.empty()) {
        const int copied = ::GetWindowTextW(window, reinterpret_cast<wchar_t*>(text.data()),
                                            static_cast<int>(text.size() + 1));
        text.resize(static_cast<std::size_t>(copied < 0 ? 0 : copied));
    }
    return text;
}

HWND Control(int id) {
    return ::GetDlgItem(Form1Window, id);
}

void Command_Click(int row) {
    ToggleRow(row);
}

void Command9_Click() {
    ToggleAllRows();
}

void Timer1_Timer() {
    PollHotkeys();
}

LRESULT OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    // Only real button clicks count; Enter and Esc arrive as IDOK and IDCANCEL with no control.
    if (HIWORD(wParam) != BN_CLICKED || lParam == 0) {
        return 0;
    }
    if (id >= CommandId(1) && id <= CommandId(RowCount)) {
        Command_Click(id - CommandId(0));
    } else if (id == CommandId(9)) {
        Command9_Click();
    }
    return 0;
}

LRESULT CALLBACK Form1Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        return OnCommand(wParam, lParam);
    case WM_TIMER:
        if (wParam == Timer1) {
            Timer1_Timer();
        }
        return 0;
    case WM_CTLCOLORSTATIC:
        if (reinterpret_cast<HWND>(lParam) == Control(LabelId(9))) {
            auto* const dc = reinterpret_cast<HDC>(wParam);
            ::SetTextColor(dc, Label9Color);
            ::SetBkColor(dc, ::GetSysColor(COLOR_BTNFACE));
            return reinterpret_cast<LRESULT>(::GetSysColorBrush(COLOR_BTNFACE));
        }
        break;
    case WM_ACTIVATE:
        // Keep the focused control across deactivation, as a dialog does.
        if (LOWORD(wParam) == WA_INACTIVE) {
            FocusBeforeDeactivation = ::GetFocus();
        } else if (FocusBeforeDeactivation != nullptr &&
                   ::IsChild(window, FocusBeforeDeactivation)) {
            ::SetFocus(FocusBeforeDeactivation);
            return 0;
        }
        break;
    case WM_DESTROY:
        ::KillTimer(window, Timer1);
        ::PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

HFONT CreateMessageFont() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (!::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
        return static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    }
    return ::CreateFontIndirectW(&metrics.lfMessageFont);
}

void CreateControl(const ControlLayout& layout, HINSTANCE instance, int dpiX, int dpiY) {
    const wchar_t* className = L"STATIC";
    DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
    DWORD exStyle = 0;
    switch (layout.Kind) {
    case ControlKind::Label:
        style |= SS_LEFT | SS_NOPREFIX;
        break;
    case ControlKind::TitleBox:
        className = L"EDIT";
        style |= WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL;
        exStyle = WS_EX_CLIENTEDGE;
        break;
    case ControlKind::Button:
        className = L"BUTTON";
        style |= WS_TABSTOP | BS_PUSHBUTTON;
        break;
    }
    HWND control = ::CreateWindowExW(
        exStyle, className, reinterpret_cast<const wchar_t*>(layout.Text), style,
        TwipsToPixels(layout.Left, dpiX), TwipsToPixels(layout.Top, dpiY),
        TwipsToPixels(layout.Width, dpiX), TwipsToPixels(layout.Height, dpiY), Form1Window,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(layout.Id)), instance, nullptr);
    if (control == nullptr) {
        WindowSystem::FatalAppExitA("Tessivar: a control could not be created.");
    }
    ::SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(Form1Font), FALSE);
    if (layout.Kind == ControlKind::TitleBox) {
        ::SendMessageW(control, EM_SETLIMITTEXT, 0, 0); // no length limit of its own
    }
}

} // namespace

HWND Load(HINSTANCE instance, int showCommand) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = Form1Proc;
    windowClass.hInstance = instance;
    windowClass.hIcon = ::LoadIconW(instance, MAKEINTRESOURCEW(1));
    windowClass.hIconSm = static_cast<HICON>(
        ::LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON, ::GetSystemMetrics(SM_CXSMICON),
                     ::GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR));
    windowClass.hCursor = ::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    windowClass.lpszClassName = Form1Class;
    if (::RegisterClassExW(&windowClass) == 0) {
        WindowSystem::FatalAppExitA("Tessivar: the panel window class could not be registered.");
    }

    HDC screen = ::GetDC(nullptr);
    const int dpiX = ::GetDeviceCaps(screen, LOGPIXELSX);
    const int dpiY = ::GetDeviceCaps(screen, LOGPIXELSY);
    ::ReleaseDC(nullptr, screen);

    RECT frame{0, 0, TwipsToPixels(ClientWidthTwips, dpiX), TwipsToPixels(ClientHeightTwips, dpiY)};
    ::AdjustWindowRectEx(&frame, Form1Style, FALSE, 0);
    Form1Window = ::CreateWindowExW(0, Form1Class, Form1Title, Form1Style, CW_USEDEFAULT,
                                    CW_USEDEFAULT, frame.right - frame.left,
                                    frame.bottom - frame.top, nullptr, nullptr, instance, nullptr);
    if (Form1Window == nullptr) {
        WindowSystem::FatalAppExitA("Tessivar: the panel window could not be created.");
    }
    Form1Font = CreateMessageFont();
    for (const ControlLayout& layout : Form1Controls) {
        CreateControl(layout, instance, dpiX, dpiY);
    }
    if (::SetTimer(Form1Window, Timer1, Timer1Interval, nullptr) == 0) {
        WindowSystem::FatalAppExitA("Tessivar: Timer1 could not be started.");
    }
    ::ShowWindow(Form1Window, showCommand);
    ::SetFocus(Control(CommandId(1)));
    return Form1Window;
}

std::u16string GetTitleText(int row) {
    return GetWindowTextW(Control(TextId(row)));
}

std::u16string GetCommandCaption(int row) {
    return GetWindowTextW(Control(CommandId(row)));
}

void SetCommandCaption(int row, const std::u16string& caption) {
    if (!::SetWindowTextW(Control(CommandId(row)),
                          reinterpret_cast<const wchar_t*>(caption.c_str()))) {
        WindowSystem::FatalAppExitA("Tessivar: a caption could not be set.");
    }
}

void Hide() {
    ::ShowWindow(Form1Window, SW_HIDE);
}

void Show() {
    ::ShowWindow(Form1Window, SW_SHOW);
}

} // namespace Form1
