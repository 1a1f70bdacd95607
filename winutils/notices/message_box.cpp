#include <windows.h>

#include "notices/message_box.h"

#include <algorithm>

#include "common/handles.h"
#include "frame/activation_context.h"
#include "frame/app.h"
#include "lang/translate.h"
#include "notices/text_wrap.h"
#include "notices/x_dialog_template.h"

namespace {

constexpr int kWrapWidth = 360;

// A caption from the host program's string table, else the translated English default.
std::wstring ButtonCaption(UINT id, std::wstring_view english) {
    wchar_t buffer[100] = {};
    if (LoadStringW(GetModuleHandleW(nullptr), id, buffer, 100) > 0) return buffer;
    return TranslateText(english);
}

// Measures in the message font on a screen-compatible device context.
class MessageFontDC {
  public:
    MessageFontDC() : dc_(CreateCompatibleDC(nullptr)), font_(CreateMessageFont()) {
        old_ = SelectObject(dc_.get(), font_.get());
    }
    ~MessageFontDC() { SelectObject(dc_.get(), old_); }
    HDC get() const { return dc_.get(); }
    HFONT font() const { return font_.get(); }
    int Width(std::wstring_view text) const {
        SIZE size = {};
        GetTextExtentPoint32W(dc_.get(), text.data(), static_cast<int>(text.size()), &size);
        return size.cx;
    }

  private:
    UniqueMemoryDC dc_;
    UniqueFont font_;
    HGDIOBJ old_;
};

} // namespace

HFONT CreateMessageFont() {
    NONCLIENTMETRICSW metrics = {};
    metrics.cbSize = sizeof(metrics);
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
        // Older systems know the structure without its last member.
        metrics.cbSize = sizeof(metrics) - sizeof(metrics.iPaddedBorderWidth);
        SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0);
    }
    return CreateFontIndirectW(&metrics.lfMessageFont);
}

std::wstring WrapMessageText(std::wstring_view text, std::wstring_view separator) {
    MessageFontDC measure;
    return WrapText(text, separator, kWrapWidth,
                    [&](std::wstring_view piece) { return measure.Width(piece); });
}

int ShowInfoMessage(std::wstring_view text) {
    std::wstring message = TranslateText(text);
    // Newer systems break long lines in their message box themselves.
    if (LOBYTE(LOWORD(GetVersion())) < 6) message = WrapMessageText(message);
    CActivationScope controls;
    return MessageBoxW(GetActiveWindow(), message.c_str(), TheApp().AppName(),
                       MB_OK | MB_ICONINFORMATION);
}

int XMessageBox(HWND owner, std::wstring_view text, std::wstring_view caption) {
    if (!owner) owner = GetLastActivePopup(GetActiveWindow());
    std::wstring message = WrapMessageText(text);
    std::wstring title = caption.empty() ? TranslateText(L"Error") : std::wstring(caption);
    std::wstring ok = ButtonCaption(9001, L"OK");
    std::wstring dontTell = ButtonCaption(9011, L"Don't tell me again");

    MessageFontDC measure;
    int cx = GetSystemMetrics(SM_CXICON), cy = GetSystemMetrics(SM_CYICON);
    RECT textRect = {0, 0, GetSystemMetrics(SM_CXSCREEN) / 2 - cx + 84, 0};
    DrawTextW(measure.get(), message.c_str(), static_cast<int>(message.size()), &textRect,
              DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS);
    int w = textRect.right - textRect.left, h = textRect.bottom - textRect.top;
    int extent = std::max(h + 21, cy + 10);
    int width = std::max(w + cx + 44, 122);
    int checkWidth = measure.Width(dontTell) * 4 / 3;

    HICON icon = LoadIconW(nullptr, IDI_INFORMATION);
    CActivationScope controls;
    CXDialogTemplate dialog(owner, title, measure.font(), icon);
    dialog.AddItem(0x82, SS_ICON, 1000, RECT{8, 8, 8 + cx + 2, 8 + cy + 2}, L"");
    dialog.AddItem(0x82, SS_LEFT | SS_NOPREFIX, 1001,
                   RECT{24 + cx, 16, 24 + cx + w + 12, 16 + h + 5}, message);
    int buttonLeft = (width - 90) / 2;
    dialog.AddItem(0x80, BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP, IDOK,
                   RECT{buttonLeft, extent + 10, buttonLeft + 90, extent + 36}, ok);
    dialog.AddItem(0x80, BS_AUTOCHECKBOX | WS_TABSTOP, CXDialogTemplate::kCheckBoxId,
                   RECT{17, extent + 48, 17 + checkWidth, extent + 64}, dontTell);
    dialog.SetClientSize(std::max(width, 17 + checkWidth), extent + 72);
    return dialog.DoModal();
}
