// One fuzzer for the pure image code; the first byte picks what the rest feeds.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "imaging/cx_image.h"
#include "imaging/cx_mem_file.h"
#include "imaging/gaussian_blur.h"
#include "imaging/image_header.h"
#include "imaging/jpeg_exif.h"
#include "imaging/pixel_adjust.h"
#include "imaging/resample.h"
#include "imaging/target_size.h"

namespace {

struct Input {
    const std::uint8_t* data;
    std::size_t size;
    std::size_t at = 0;
    std::uint8_t Byte() { return at < size ? data[at++] : 0; }
    std::uint32_t U16() { return std::uint32_t(Byte()) << 8 | Byte(); }
};

void Headers(const std::vector<std::uint8_t>& bytes) {
    const ByteReader read = [&](std::uint64_t offset, void* buffer, std::size_t length) {
        if (offset >= bytes.size()) return std::size_t(0);
        const std::size_t n = std::min<std::uint64_t>(length, bytes.size() - offset);
        std::memcpy(buffer, bytes.data() + offset, n);
        return n;
    };
    DeclaredSize size;
    ReadDeclaredSize(read, &size);
    std::vector<std::uint8_t> segment;
    if (ReadJpegExifSegment(read, &segment)) {
        std::vector<std::uint8_t> copy = bytes;
        InsertJpegSegment(copy, segment);
        if (!HasJpegExifSegment(copy)) __builtin_trap();
    }
}

void Streams(Input& in) {
    CxMemFile memory;
    memory.Open();
    char buffer[512] = {}; // room for the largest Read or Write below
    for (int step = 0; step < 64 && in.at < in.size; ++step) {
        const std::uint8_t op = in.Byte() % 9;
        const std::int32_t value = std::int32_t(in.U16()) - 30000;
        switch (op) {
        case 0:
            memory.Write(buffer, 1 + in.Byte() % 8, std::size_t(in.U16() % 40));
            break;
        case 1:
            memory.Read(buffer, 1 + in.Byte() % 8, std::size_t(in.Byte() % 37));
            break;
        case 2:
            memory.Seek(value * 7, in.Byte() % 4);
            break;
        case 3:
            memory.PutC(in.Byte());
            break;
        case 4:
            memory.GetC();
            break;
        case 5:
            memory.GetS(buffer, std::int32_t(in.Byte() % 300));
            break;
        case 6:
            memory.Error();
            memory.Eof();
            memory.Size();
            memory.Tell();
            break;
        case 7: {
            CxMemFile copy(memory);
            copy.GetC();
        } break;
        case 8:
            memory.Close();
            memory.Open();
            break;
        }
    }
}

void Pixels(Input& in) {
    const int sw = 1 + in.Byte() % 48, sh = 1 + in.Byte() % 48;
    const int dw = 1 + in.Byte() % 64, dh = 1 + in.Byte() % 64;
    const int bytes = in.Byte() % 2 ? 3 : 4;
    std::vector<std::uint8_t> source(std::size_t(sw) * sh * bytes);
    for (auto& b : source)
        b = in.Byte();
    std::vector<std::uint8_t> out(std::size_t(dw) * dh * 4);
    ResampleArgbRows([&](int y) { return source.data() + std::size_t(y) * sw * bytes; }, sw, sh,
                     out.data(), dw, dh, dw * 4, bytes);
    const float radius = float(in.Byte()) / 4.0f;
    PixelPlane plane{out.data(), dw, dh, dw * 4, 4, 1 + in.Byte() % 4};
    GaussianBlur(plane, plane, radius);
    PixelPlane colour{out.data(), dw, dh, dw * 4, 4, 3};
    Sharpen(colour, radius, float(in.Byte()) / 100.0f);
    HueSaturation(colour, in.Byte() % 101, in.Byte() % 101, in.Byte() % 101);
    CxImage image;
    image.CreateFromArray(out.data(), std::uint32_t(dw), std::uint32_t(dh), 32,
                          std::uint32_t(dw) * 4, in.Byte() % 2);
    ShrinkTargetSize(in.U16() << 16 | in.U16(), in.U16() << 16 | in.U16(),
                     in.U16() << 16 | in.U16());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    Input in{data + 1, size - 1};
    switch (data[0] % 3) {
    case 0:
        Headers(std::vector<std::uint8_t>(data + 1, data + size));
        break;
    case 1:
        Streams(in);
        break;
    case 2:
        Pixels(in);
        break;
    }
    return 0;
}
