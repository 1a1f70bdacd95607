// Renders every frame kind with generated photos, a tiling, a signature stamp and crop shading
// into PNG files under out/gallery/.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "automation.h"
#include "compose/frame_image.h"
#include "compose/frame_render.h"
#include "compose/photo_tiling.h"
#include "compose/rect_expression.h"
#include "compose/signature_stamp.h"
#include "imaging/bitmap_file.h"
#include "imaging/image_encoder.h"
#include "sample_pictures.h"

namespace {

std::wstring g_folder;
int g_failures = 0;

void Save(Gdiplus::Bitmap* bitmap, const std::wstring& name) {
    const std::wstring path = g_folder + L"\\" + name + L".png";
    const bool saved = IsUsableBitmap(bitmap) && SaveBitmapToFile(*bitmap, path);
    std::printf("%s %s\n", saved ? "wrote" : "FAILED", kvtest::Utf8(path).c_str());
    if (!saved) ++g_failures;
}

BitmapPtr Render(Gdiplus::Bitmap& frame, const std::vector<Gdiplus::Bitmap*>& photos,
                 const wchar_t* kind, const std::vector<WindowRecord>& windows,
                 Gdiplus::Bitmap* signature = nullptr, int seed = 0,
                 const Adjustment* adjustment = nullptr) {
    RenderRequest request;
    request.frame = &frame;
    request.photos = photos;
    request.frameKind = kind;
    request.windows = &windows;
    request.signature = signature;
    request.seed = seed;
    request.adjustment = adjustment;
    return RenderFrame(request);
}

// A precut frame as the catalogue ships it: the picture and its "_alpha.jpg" companion.
BitmapPtr MakePrecutFrame(const std::vector<WindowRecord>& windows) {
    const std::wstring dir = kvtest::MakeTempDir(L"gallery-frame");
    BitmapPtr picture = gallery::MakeFramePicture(1500, 1000);
    BitmapPtr mask = CreateArgbBitmap(1500, 1000);
    {
        Gdiplus::Graphics graphics(mask.get());
        graphics.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
        graphics.Clear(Gdiplus::Color(255, 255, 255, 255));
        Gdiplus::SolidBrush black(Gdiplus::Color(255, 0, 0, 0));
        for (const WindowRecord& window : windows) {
            const WindowRect r = EvaluateWindowRect(window.rect, 1500, 1000, 0, false);
            graphics.FillEllipse(&black, r.left, r.top, r.right - r.left, r.bottom - r.top);
        }
    }
    SaveBitmapToFile(*picture, dir + L"\\oval.jpg");
    SaveBitmapToFile(*mask, dir + L"\\oval_alpha.jpg");
    return LoadFrameImage(dir + L"\\oval.jpg");
}

} // namespace

int wmain() {
    g_folder = kvtest::OutDir() + L"\\gallery";
    CreateDirectoryW(kvtest::OutDir().c_str(), nullptr);
    CreateDirectoryW(g_folder.c_str(), nullptr);

    std::vector<BitmapPtr> owned;
    std::vector<Gdiplus::Bitmap*> photos;
    for (int i = 0; i < 6; ++i) {
        const bool portrait = i == 1 || i == 4;
        owned.push_back(gallery::MakeScene(portrait ? 1200 : 1800, portrait ? 1600 : 1200, i));
        photos.push_back(owned.back().get());
    }
    BitmapPtr signature = gallery::MakeSignature(600, 200);

    // Precut: transparent ovals from the companion mask.
    const std::vector<WindowRecord> ovals = {{0, L"60,80,420,h-160", 0},
                                             {-40, L"520,80,420,h-160", 0}};
    BitmapPtr precut = MakePrecutFrame(ovals);
    if (precut)
        Save(Render(*precut, photos, L"precut", ovals).get(), L"precut");
    else
        ++g_failures;

    // Shaped windows cut into an opaque frame.
    BitmapPtr wood = gallery::MakeFramePicture(1500, 1000);
    const std::vector<WindowRecord> three = {
        {0, L"40,40,440,h-80", 0}, {0, L"520,40,440,h/2-60", 0}, {50, L"520,h/2+20,440,h/2-60", 0}};
    Save(Render(*wood, photos, L"Rectangle", three).get(), L"shaped-rectangle");
    Save(Render(*wood, photos, L"Rounded rectangle", three).get(), L"shaped-rounded");
    Save(Render(*wood, photos, L"Ellipse", three).get(), L"shaped-ellipse");
    Adjustment bw = NewAdjustment();
    bw.name = L"Black & white";
    Save(Render(*wood, photos, L"Rounded rectangle", three, nullptr, 0, &bw).get(),
         L"shaped-rounded-black-and-white");

    // Photo paper on a board, upright and with random tilts, signed.
    BitmapPtr board = gallery::MakeBoard(1600, 1000);
    const std::vector<WindowRecord> cards = {
        {0, L"30,60,300,400", 0}, {0, L"350,100,300,400", 0}, {0, L"670,60,300,400", 0}};
    Save(Render(*board, photos, L"Photo paper", cards, signature.get()).get(),
         L"photo-paper-upright");
    Save(Render(*board, photos, L"Photo paper", cards, signature.get(), 2024).get(),
         L"photo-paper-tilted");

    // Six photos, three per row.
    Save(TilePhotos(photos, 2, 3).get(), L"tiled-six");

    // A signature stamped into a photo, and the shading around a crop selection.
    BitmapPtr stamped = gallery::MakeScene(1800, 1200, 3);
    RelativeRect whole;
    StampSignature(*stamped, *signature, whole);
    Save(stamped.get(), L"signature-stamp");
    BitmapPtr shaded = gallery::MakeScene(1800, 1200, 5);
    const RelativeRect selection{0.2f, 0.1f, 0.5f, 0.4f};
    ShadeOutside(*shaded, selection);
    Save(shaded.get(), L"crop-shading");
    BitmapPtr cropped = CropBitmap(*owned[5], selection);
    Save(cropped.get(), L"crop");

    return g_failures ? 1 : 0;
}
