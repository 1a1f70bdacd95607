// The image core's working bitmap: 24-bit colour rows stored bottom-up (row 0 is the bottom row,
// bytes blue, green, red, each row padded to 4 bytes) and an optional alpha plane of one byte
// per pixel, also bottom-up.
#pragma once
#include <cstdint>

#include "imaging/image_core_api.h"

struct CxColor {
    std::uint8_t blue = 0;
    std::uint8_t green = 0;
    std::uint8_t red = 0;
    std::uint8_t alpha = 0;
};

class KV_IMAGE_CORE_API CxImage {
  public:
    CxImage();                     // empty
    CxImage(const CxImage& other); // deep copy of pixels, selection and alpha plane
    CxImage& operator=(const CxImage& other);
    virtual ~CxImage();

    // bitsPerPixel 24, or 32 for 24 colour bits plus an alpha plane filled with 255. Fails
    // (keeping the last-error text) for a zero size, more than 256 MiB of colour data, or when
    // memory runs out; the image is empty then.
    bool Create(std::uint32_t width, std::uint32_t height, std::uint32_t bitsPerPixel);
    // From 24- or 32-bit pixels (blue, green, red[, alpha]); with flip, array row i becomes
    // image row height - 1 - i, so a top-down array lands the right way up.
    bool CreateFromArray(const std::uint8_t* pixels, std::uint32_t width, std::uint32_t height,
                         std::uint32_t bitsPerPixel, std::uint32_t bytesPerLine, bool flip);
    void Destroy();
    // Takes over from's pixels; from is left empty.
    bool Transfer(CxImage& from);

    bool IsValid() const { return bits_ != nullptr; }
    std::uint32_t GetWidth() const { return width_; }
    std::uint32_t GetHeight() const { return height_; }
    std::uint32_t GetBpp() const { return bitsPerPixel_; }
    // Bytes per colour row: ((width x bpp + 31) / 32) x 4.
    std::uint32_t GetEffWidth() const { return effWidth_; }
    // Colour row (0 is the bottom row); null when empty or out of range.
    std::uint8_t* GetBits(std::uint32_t row = 0) const;

    bool AlphaIsValid() const { return alpha_ != nullptr; }
    bool AlphaCreate(); // a plane filled with 255, when there is none
    void AlphaDelete();
    std::uint8_t* AlphaGetPointer(std::uint32_t x = 0, std::uint32_t y = 0) const;
    std::uint8_t AlphaGetMax() const { return alphaMax_; }

    bool IsInside(std::int32_t x, std::int32_t y) const;
    // Outside the image: all zero. Without an alpha plane the alpha reads 255.
    CxColor GetPixelColor(std::int32_t x, std::int32_t y, bool getAlpha = true) const;
    void SetPixelColor(std::int32_t x, std::int32_t y, CxColor color, bool setAlpha = false);

    // There is never a selection here, so operations cover the whole image.
    bool SelectionIsValid() const { return selection_ != nullptr; }

    const char* GetLastError() const { return lastError_; }
    std::uint8_t GetJpegQuality() const { return jpegQuality_; }
    std::int32_t GetXDpi() const { return xDpi_; }
    std::int32_t GetYDpi() const { return yDpi_; }
    std::int32_t GetBackgroundIndex() const { return backgroundIndex_; }
    bool IsEnabled() const { return enabled_; }
    std::int32_t GetProgress() const { return progress_; }
    std::int32_t GetEscape() const { return escape_; }

  private:
    void SetLastError(const char* text);
    void CopyFrom(const CxImage& other);

    std::uint32_t width_ = 0;
    std::uint32_t height_ = 0;
    std::uint32_t bitsPerPixel_ = 0;
    std::uint32_t effWidth_ = 0;
    std::uint8_t* bits_ = nullptr;
    std::uint8_t* alpha_ = nullptr;
    std::uint8_t* selection_ = nullptr;
    std::int32_t progress_ = 0;
    std::int32_t escape_ = 0;
    std::uint8_t jpegQuality_ = 90;
    std::int32_t xDpi_ = 96;
    std::int32_t yDpi_ = 96;
    std::int32_t backgroundIndex_ = -1;
    std::uint8_t alphaMax_ = 255;
    bool enabled_ = true;
    char lastError_[256] = {};
};
