#include "zip/entry_data.h"
#include "zip/zip_codes.h"

#include <zlib.h>

#include <algorithm>
#include <memory>

namespace {

int CopyStored(ByteSource& source, const EntryData& data, ByteSink& sink, uLong& crc) {
    if (data.compressedSize != data.uncompressedSize) return kZipReadWrite;
    auto buffer = std::make_unique<uint8_t[]>(kZipPieceSize);
    uint64_t pos = data.offset;
    uint32_t left = data.uncompressedSize;
    while (left > 0) {
        const size_t n = std::min<size_t>(kZipPieceSize, left);
        if (!source.ReadAt(pos, buffer.get(), n)) return kZipReadWrite;
        crc = crc32(crc, buffer.get(), static_cast<uInt>(n));
        if (!sink.Write(buffer.get(), n)) return kZipReadWrite;
        pos += n;
        left -= static_cast<uint32_t>(n);
    }
    return kZipOk;
}

struct InflateState {
    z_stream stream{};
    bool ready = false;
    ~InflateState() {
        if (ready) inflateEnd(&stream);
    }
};

int CopyDeflated(ByteSource& source, const EntryData& data, ByteSink& sink, uLong& crc) {
    // Some writers leave empty entries without any deflate bytes.
    if (data.compressedSize == 0 && data.uncompressedSize == 0) return kZipOk;
    InflateState state;
    z_stream& zs = state.stream;
    if (inflateInit2(&zs, -MAX_WBITS) != Z_OK) return kZipReadWrite;
    state.ready = true;

    auto input = std::make_unique<uint8_t[]>(kZipPieceSize);
    auto output = std::make_unique<uint8_t[]>(kZipPieceSize);
    uint64_t readPos = data.offset;
    uint32_t inLeft = data.compressedSize;
    uint32_t outLeft = data.uncompressedSize;
    for (;;) {
        if (zs.avail_in == 0 && inLeft > 0) {
            const size_t n = std::min<size_t>(kZipPieceSize, inLeft);
            if (!source.ReadAt(readPos, input.get(), n)) return kZipReadWrite;
            readPos += n;
            inLeft -= static_cast<uint32_t>(n);
            zs.next_in = input.get();
            zs.avail_in = static_cast<uInt>(n);
        }
        // Once the declared size is out, one more byte of room shows whether the stream ends
        // there; a byte produced into it means the stream is longer than declared.
        const uInt room =
            outLeft > 0 ? static_cast<uInt>(std::min<size_t>(kZipPieceSize, outLeft)) : 1;
        zs.next_out = output.get();
        zs.avail_out = room;
        const uInt availIn = zs.avail_in;
        const int ret = inflate(&zs, Z_NO_FLUSH);
        const uInt produced = room - zs.avail_out;
        if (produced > outLeft) return kZipReadWrite;
        if (produced > 0) {
            crc = crc32(crc, output.get(), produced);
            if (!sink.Write(output.get(), produced)) return kZipReadWrite;
            outLeft -= produced;
        }
        if (ret == Z_STREAM_END) return outLeft == 0 ? kZipOk : kZipReadWrite;
        if (ret != Z_OK && ret != Z_BUF_ERROR) return kZipReadWrite;
        const bool progress = produced > 0 || zs.avail_in != availIn;
        // Without progress more input is the only way on; none left means a cut-off stream.
        if (!progress && (zs.avail_in > 0 || inLeft == 0)) return kZipReadWrite;
    }
}

} // namespace

int CopyEntryData(ByteSource& source, const EntryData& data, ByteSink& sink, bool& crcMatched) {
    crcMatched = false;
    uLong crc = crc32(0, nullptr, 0);
    int code = kZipReadWrite;
    if (data.method == kMethodStored) {
        code = CopyStored(source, data, sink, crc);
    } else if (data.method == kMethodDeflated) {
        code = CopyDeflated(source, data, sink, crc);
    }
    if (code == kZipOk) crcMatched = crc == data.crc;
    return code;
}
