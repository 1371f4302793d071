// Process entry: load the panel and run the event loop until the panel is closed.
#include "../panel/Form1Window.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previousInstance*/, PWSTR /*commandLine*/,
                    int showCommand) {
    HWND form1 = Form1::Load(instance, showCommand);
    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        // The dialog manager gives the panel Tab order and the Alt access keys.
        if (!::IsDialogMessageW(form1, &message)) {
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
    }
    return static_cast<int>(message.wParam);
}
