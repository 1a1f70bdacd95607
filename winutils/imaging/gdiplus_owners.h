// Owners for GDI+ objects: the wrapper classes free their native object in their destructors.
#pragma once
#include <memory>

#include "frame/gdiplus_include.h"

using BitmapPtr = std::unique_ptr<Gdiplus::Bitmap>;
using ImagePtr = std::unique_ptr<Gdiplus::Image>;
using GraphicsPtr = std::unique_ptr<Gdiplus::Graphics>;
using BrushPtr = std::unique_ptr<Gdiplus::Brush>;
using PenPtr = std::unique_ptr<Gdiplus::Pen>;
using GraphicsPathPtr = std::unique_ptr<Gdiplus::GraphicsPath>;
using RegionPtr = std::unique_ptr<Gdiplus::Region>;
using FontPtr = std::unique_ptr<Gdiplus::Font>;

// Locked pixels of a bitmap, unlocked (and written back in write modes) when destroyed.
class CBitmapLock {
  public:
    // mode: Gdiplus::ImageLockModeRead, ImageLockModeWrite or both. A null area locks it all.
    CBitmapLock(Gdiplus::Bitmap& bitmap, unsigned mode,
                Gdiplus::PixelFormat format = PixelFormat32bppARGB,
                const Gdiplus::Rect* area = nullptr);
    CBitmapLock(const CBitmapLock&) = delete;
    CBitmapLock& operator=(const CBitmapLock&) = delete;
    ~CBitmapLock();

    bool Locked() const { return locked_; }
    unsigned char* Scan0() const { return static_cast<unsigned char*>(data_.Scan0); }
    int Stride() const { return data_.Stride; } // negative for bottom-up buffers
    int Width() const { return static_cast<int>(data_.Width); }
    int Height() const { return static_cast<int>(data_.Height); }
    unsigned char* Row(int y) const { return Scan0() + static_cast<std::ptrdiff_t>(y) * Stride(); }

  private:
    Gdiplus::Bitmap& bitmap_;
    Gdiplus::BitmapData data_{};
    bool locked_ = false;
};
