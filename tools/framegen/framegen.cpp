// Paints the frames the browser installs and writes them, with their alpha masks and layout
// files, into the folder given on the command line. Deterministic: the same files every run.
#include <windows.h>
#include <objidl.h>

#include <algorithm>
namespace Gdiplus {
using std::max;
using std::min;
} // namespace Gdiplus
#include <gdiplus.h>

#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "frames.h"

namespace {

bool WriteUtf8(const std::wstring& path, const std::wstring& text) {
    std::string bytes = "\xEF\xBB\xBF";
    const int n = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), int(text.size()), nullptr, 0,
                                      nullptr, nullptr);
    std::string utf8(size_t(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), int(text.size()), utf8.data(), n, nullptr,
                        nullptr);
    bytes += utf8;
    FILE* file = _wfopen(path.c_str(), L"wb");
    if (!file) return false;
    const bool ok = fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return fclose(file) == 0 && ok;
}

// The layout file as the layout definer writes it.
std::wstring LayoutText(const std::vector<std::wstring>& rects) {
    std::wstring text = L"<PhotoFrameMask>";
    for (const std::wstring& rect : rects)
        text += L"\r\n<Window rect='" + rect + L"' />";
    return text + L"\r\n</PhotoFrameMask>";
}

bool Write(const FrameArt& art, const std::wstring& folder) {
    const std::wstring base = folder + L"\\" + art.title;
    bool ok = true;
    switch (art.file) {
    case FrameFile::Png:
        ok = SavePng(art.canvas, base + L".png");
        break;
    case FrameFile::JpegWithMask:
        ok = SaveJpeg(art.canvas, base + L".jpg", 92) &&
             SaveAlphaJpeg(art.canvas, base + L"_alpha.jpg", 95);
        break;
    case FrameFile::Jpeg:
        ok = SaveJpeg(art.canvas, base + L".jpg", 90);
        break;
    }
    if (ok && !art.layout.empty()) ok = WriteUtf8(base + L".xml", LayoutText(art.layout));
    if (!ok) fwprintf(stderr, L"framegen: cannot write %ls\n", base.c_str());
    return ok;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) {
        fwprintf(stderr, L"usage: framegen <photoframes folder>\n");
        return 2;
    }
    std::wstring folder = argv[1];
    // A Unix path from the build: Wine's drive Z: is the Unix root.
    if (!folder.empty() && folder[0] == L'/') {
        for (wchar_t& c : folder)
            if (c == L'/') c = L'\\';
        folder = L"Z:" + folder;
    }
    CreateDirectoryW(folder.c_str(), nullptr);
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    if (Gdiplus::GdiplusStartup(&token, &input, nullptr) != Gdiplus::Ok) return 1;
    using Painter = FrameArt (*)();
    const Painter painters[] = {ClassicGold, WalnutDuo, FilmStrip, VignetteOval,
                                OakBoard,    Linen,     Slate,     KraftPaper};
    // Painting dominates; two workers share it, the files are written in a fixed order.
    std::vector<FrameArt> arts(std::size(painters));
    auto paint = [&](size_t first) {
        for (size_t i = first; i < arts.size(); i += 2)
            arts[i] = painters[i]();
    };
    std::thread other(paint, 1);
    paint(0);
    other.join();
    bool ok = true;
    for (const FrameArt& art : arts)
        ok = Write(art, folder) && ok;
    Gdiplus::GdiplusShutdown(token);
    return ok ? 0 : 1;
}
