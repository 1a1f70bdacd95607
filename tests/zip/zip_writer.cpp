#include "zip_writer.h"

#include <zlib.h>

namespace ziptest {

namespace {

void Put16(std::string& out, uint16_t value) {
    out.push_back(static_cast<char>(value & 0xFF));
    out.push_back(static_cast<char>(value >> 8));
}

void Put32(std::string& out, uint32_t value) {
    Put16(out, static_cast<uint16_t>(value & 0xFFFF));
    Put16(out, static_cast<uint16_t>(value >> 16));
}

} // namespace

std::string RawDeflate(const std::string& data) {
    z_stream zs{};
    deflateInit2(&zs, 6, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
    std::string out(deflateBound(&zs, static_cast<uLong>(data.size())), '\0');
    zs.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
    zs.avail_in = static_cast<uInt>(data.size());
    zs.next_out = reinterpret_cast<Bytef*>(out.data());
    zs.avail_out = static_cast<uInt>(out.size());
    deflate(&zs, Z_FINISH);
    out.resize(zs.total_out);
    deflateEnd(&zs);
    return out;
}

uint32_t Crc32(const std::string& data) {
    return static_cast<uint32_t>(
        crc32(0, reinterpret_cast<const Bytef*>(data.data()), static_cast<uInt>(data.size())));
}

void PatchLe16(std::string& bytes, size_t at, uint16_t value) {
    bytes[at] = static_cast<char>(value & 0xFF);
    bytes[at + 1] = static_cast<char>(value >> 8);
}

void PatchLe32(std::string& bytes, size_t at, uint32_t value) {
    PatchLe16(bytes, at, static_cast<uint16_t>(value & 0xFFFF));
    PatchLe16(bytes, at + 2, static_cast<uint16_t>(value >> 16));
}

std::string ExtendedTimestamp(uint8_t flags, const std::vector<int32_t>& times) {
    std::string block = "UT";
    Put16(block, static_cast<uint16_t>(1 + 4 * times.size()));
    block.push_back(static_cast<char>(flags));
    for (int32_t t : times)
        Put32(block, static_cast<uint32_t>(t));
    return block;
}

std::string PseudoRandomText(size_t size, uint32_t seed) {
    static const char kWords[][8] = {"frame ", "photo ", "tile ", "mask ", "sepia ", "blur "};
    std::string text;
    uint32_t state = seed * 2654435761u + 1;
    while (text.size() < size) {
        state = state * 1103515245u + 12345u;
        text += kWords[(state >> 16) % 6];
        text.push_back(static_cast<char>('a' + (state >> 8) % 26));
    }
    text.resize(size);
    return text;
}

ZipLayout WriteZip(const std::vector<ZipItem>& items, const ZipOptions& options) {
    ZipLayout layout;
    std::string& out = layout.bytes;
    out = options.stub;
    const size_t base = out.size();
    struct Written {
        uint32_t crc, compressed, size, offset;
    };
    std::vector<Written> written;
    for (const ZipItem& item : items) {
        std::string payload;
        if (item.payload) {
            payload = *item.payload;
        } else {
            payload = item.method == 8 ? RawDeflate(item.content) : item.content;
        }
        Written w{};
        w.crc = item.declaredCrc.value_or(Crc32(item.content));
        w.compressed = static_cast<uint32_t>(payload.size());
        w.size = item.declaredSize.value_or(static_cast<uint32_t>(item.content.size()));
        if (item.sharesHeaderOf >= 0) {
            w.offset = written[static_cast<size_t>(item.sharesHeaderOf)].offset;
            layout.local.push_back(layout.local[static_cast<size_t>(item.sharesHeaderOf)]);
            written.push_back(w);
            continue;
        }
        w.offset = static_cast<uint32_t>(out.size() - base);
        layout.local.push_back(out.size());
        Put32(out, 0x04034B50);
        Put16(out, 20);
        Put16(out, item.flags);
        Put16(out, item.method);
        Put16(out, item.dosTime);
        Put16(out, item.dosDate);
        Put32(out, w.crc);
        Put32(out, w.compressed);
        Put32(out, w.size);
        Put16(out, static_cast<uint16_t>(item.name.size()));
        Put16(out, static_cast<uint16_t>(item.localExtra.size()));
        out += item.name;
        out += item.localExtra;
        out += payload;
        written.push_back(w);
    }
    const size_t directory = out.size();
    for (size_t i = 0; i < items.size(); ++i) {
        const ZipItem& item = items[i];
        const Written& w = written[i];
        layout.central.push_back(out.size());
        Put32(out, 0x02014B50);
        Put16(out, 20);
        Put16(out, 20);
        Put16(out, item.flags);
        Put16(out, item.method);
        Put16(out, item.dosTime);
        Put16(out, item.dosDate);
        Put32(out, w.crc);
        Put32(out, w.compressed);
        Put32(out, w.size);
        Put16(out, static_cast<uint16_t>(item.name.size()));
        Put16(out, static_cast<uint16_t>(item.centralExtra.size()));
        Put16(out, 0);
        Put16(out, 0);
        Put16(out, 0);
        Put32(out, item.externalAttributes);
        Put32(out, w.offset);
        out += item.name;
        out += item.centralExtra;
    }
    layout.end = out.size();
    Put32(out, 0x06054B50);
    Put16(out, 0);
    Put16(out, 0);
    Put16(out, static_cast<uint16_t>(items.size()));
    Put16(out, static_cast<uint16_t>(items.size()));
    Put32(out, static_cast<uint32_t>(layout.end - directory));
    Put32(out, static_cast<uint32_t>(directory - base));
    Put16(out, static_cast<uint16_t>(options.comment.size()));
    out += options.comment;
    return layout;
}

} // namespace ziptest
