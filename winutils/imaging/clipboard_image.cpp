#include "imaging/clipboard_image.h"

#include <windows.h>

#include "frame/gdiplus_startup.h"
#include "imaging/gdiplus_owners.h"
#include "imaging/image_encoder.h"

namespace {

// Closes the clipboard when the scope ends.
class CClipboardScope {
  public:
    explicit CClipboardScope(HWND owner) : open_(OpenClipboard(owner) != FALSE) {}
    CClipboardScope(const CClipboardScope&) = delete;
    CClipboardScope& operator=(const CClipboardScope&) = delete;
    ~CClipboardScope() { Close(); }
    bool IsOpen() const { return open_; }
    void Close() {
        if (open_) CloseClipboard();
        open_ = false;
    }

  private:
    bool open_;
};

} // namespace

bool SaveClipboardImage(const std::wstring& path) {
    if (!IsClipboardFormatAvailable(CF_DIB) && !IsClipboardFormatAvailable(CF_DIBV5) &&
        !IsClipboardFormatAvailable(CF_BITMAP))
        return false;
    CClipboardScope clipboard(GetFocus());
    if (!clipboard.IsOpen()) return false;
    BitmapPtr bitmap;
    // The clipboard keeps the handle; GDI+ copies its pixels.
    if (HBITMAP handle = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP))) {
        if (EnsureGdiplus()) bitmap.reset(Gdiplus::Bitmap::FromHBITMAP(handle, nullptr));
    }
    clipboard.Close(); // before the slow encode
    if (!bitmap || bitmap->GetLastStatus() != Gdiplus::Ok) return false;
    return SaveBitmapToFile(*bitmap, path);
}
