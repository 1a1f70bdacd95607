#include "imaging/cx_image.h"

#include <cstdlib>
#include <cstring>

namespace {
constexpr std::uint64_t kMaxPixelBits = std::uint64_t(1) << 31; // 256 MiB of pixel data

std::uint8_t* Duplicate(const std::uint8_t* data, std::size_t size) {
    if (!data) return nullptr;
    auto* copy = static_cast<std::uint8_t*>(std::malloc(size));
    if (copy) std::memcpy(copy, data, size);
    return copy;
}
} // namespace

CxImage::CxImage() = default;

CxImage::CxImage(const CxImage& other) {
    CopyFrom(other);
}

CxImage& CxImage::operator=(const CxImage& other) {
    if (this != &other) {
        Destroy();
        CopyFrom(other);
    }
    return *this;
}

CxImage::~CxImage() {
    Destroy();
}

void CxImage::SetLastError(const char* text) {
    std::strncpy(lastError_, text, sizeof lastError_ - 1);
    lastError_[sizeof lastError_ - 1] = '\0';
}

void CxImage::CopyFrom(const CxImage& other) {
    width_ = other.width_;
    height_ = other.height_;
    bitsPerPixel_ = other.bitsPerPixel_;
    effWidth_ = other.effWidth_;
    progress_ = other.progress_;
    escape_ = other.escape_;
    jpegQuality_ = other.jpegQuality_;
    xDpi_ = other.xDpi_;
    yDpi_ = other.yDpi_;
    backgroundIndex_ = other.backgroundIndex_;
    alphaMax_ = other.alphaMax_;
    enabled_ = other.enabled_;
    std::memcpy(lastError_, other.lastError_, sizeof lastError_);
    const std::size_t pixels = std::size_t(width_) * height_;
    bits_ = Duplicate(other.bits_, std::size_t(effWidth_) * height_);
    alpha_ = Duplicate(other.alpha_, pixels);
    selection_ = Duplicate(other.selection_, pixels);
    if ((other.bits_ && !bits_) || (other.alpha_ && !alpha_) || (other.selection_ && !selection_)) {
        Destroy();
        SetLastError("CxImage::Create can't allocate memory");
    }
}

void CxImage::Destroy() {
    std::free(bits_);
    std::free(alpha_);
    std::free(selection_);
    bits_ = alpha_ = selection_ = nullptr;
    width_ = height_ = bitsPerPixel_ = effWidth_ = 0;
}

bool CxImage::Create(std::uint32_t width, std::uint32_t height, std::uint32_t bitsPerPixel) {
    Destroy();
    if (width == 0 || height == 0) {
        SetLastError("CxImage::Create : width and height must be greater than zero");
        return false;
    }
    if (bitsPerPixel != 24 && bitsPerPixel != 32) {
        SetLastError("CxImage::Create : bits per pixel must be 24 or 32");
        return false;
    }
    // The limit is on the colour rows: a 32-bit request keeps 24 colour bits, its alpha plane
    // comes on top.
    constexpr std::uint64_t kColourBits = 24;
    const std::uint64_t pixels = std::uint64_t(width) * height; // exact in 64 bits
    if (pixels > UINT64_MAX / kColourBits || ((pixels * kColourBits) & ~7ull) > kMaxPixelBits) {
        SetLastError("CXIMAGE_MAX_MEMORY exceeded");
        return false;
    }
    const std::uint32_t effWidth = ((width * 24 + 31) / 32) * 4;
    bits_ = static_cast<std::uint8_t*>(std::calloc(std::size_t(effWidth) * height, 1));
    if (!bits_) {
        SetLastError("CxImage::Create can't allocate memory");
        return false;
    }
    width_ = width;
    height_ = height;
    bitsPerPixel_ = 24;
    effWidth_ = effWidth;
    if (bitsPerPixel == 32 && !AlphaCreate()) {
        Destroy();
        SetLastError("CxImage::Create can't allocate memory");
        return false;
    }
    return true;
}

bool CxImage::CreateFromArray(const std::uint8_t* pixels, std::uint32_t width, std::uint32_t height,
                              std::uint32_t bitsPerPixel, std::uint32_t bytesPerLine, bool flip) {
    if (!pixels || (bitsPerPixel != 24 && bitsPerPixel != 32) ||
        std::uint64_t(bytesPerLine) < std::uint64_t(width) * (bitsPerPixel / 8)) {
        Destroy();
        return false;
    }
    if (!Create(width, height, bitsPerPixel)) return false;
    const std::uint32_t step = bitsPerPixel / 8;
    for (std::uint32_t i = 0; i < height; ++i) {
        const std::uint8_t* in = pixels + std::size_t(i) * bytesPerLine;
        const std::uint32_t row = flip ? height - 1 - i : i;
        std::uint8_t* out = GetBits(row);
        std::uint8_t* alpha = alpha_ ? alpha_ + std::size_t(row) * width : nullptr;
        for (std::uint32_t x = 0; x < width; ++x, in += step, out += 3) {
            out[0] = in[0];
            out[1] = in[1];
            out[2] = in[2];
            if (alpha) alpha[x] = in[3];
        }
    }
    return true;
}

bool CxImage::Transfer(CxImage& from) {
    if (this == &from) return false;
    Destroy();
    width_ = from.width_;
    height_ = from.height_;
    bitsPerPixel_ = from.bitsPerPixel_;
    effWidth_ = from.effWidth_;
    bits_ = from.bits_;
    alpha_ = from.alpha_;
    selection_ = from.selection_;
    from.bits_ = from.alpha_ = from.selection_ = nullptr;
    from.Destroy();
    return true;
}

std::uint8_t* CxImage::GetBits(std::uint32_t row) const {
    if (!bits_ || row >= height_) return nullptr;
    return bits_ + std::size_t(row) * effWidth_;
}

bool CxImage::AlphaCreate() {
    if (alpha_) return true;
    if (!bits_) return false;
    const std::size_t size = std::size_t(width_) * height_;
    alpha_ = static_cast<std::uint8_t*>(std::malloc(size));
    if (!alpha_) return false;
    std::memset(alpha_, 255, size);
    return true;
}

void CxImage::AlphaDelete() {
    std::free(alpha_);
    alpha_ = nullptr;
}

std::uint8_t* CxImage::AlphaGetPointer(std::uint32_t x, std::uint32_t y) const {
    if (!alpha_ || x >= width_ || y >= height_) return nullptr;
    return alpha_ + std::size_t(y) * width_ + x;
}

bool CxImage::IsInside(std::int32_t x, std::int32_t y) const {
    return bits_ && x >= 0 && y >= 0 && std::uint32_t(x) < width_ && std::uint32_t(y) < height_;
}

CxColor CxImage::GetPixelColor(std::int32_t x, std::int32_t y, bool getAlpha) const {
    CxColor color;
    if (!IsInside(x, y)) return color;
    const std::uint8_t* p = GetBits(std::uint32_t(y)) + std::size_t(x) * 3;
    color.blue = p[0];
    color.green = p[1];
    color.red = p[2];
    if (getAlpha) color.alpha = alpha_ ? *AlphaGetPointer(std::uint32_t(x), std::uint32_t(y)) : 255;
    return color;
}

void CxImage::SetPixelColor(std::int32_t x, std::int32_t y, CxColor color, bool setAlpha) {
    if (!IsInside(x, y)) return;
    std::uint8_t* p = GetBits(std::uint32_t(y)) + std::size_t(x) * 3;
    p[0] = color.blue;
    p[1] = color.green;
    p[2] = color.red;
    if (setAlpha && alpha_) *AlphaGetPointer(std::uint32_t(x), std::uint32_t(y)) = color.alpha;
}
