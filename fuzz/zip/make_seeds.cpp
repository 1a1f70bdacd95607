// Writes the fuzzer's seed archives (with the tests' zip writer) into the folder given.
#include "zip_writer.h"

#include <fstream>
#include <string>
#include <vector>

using ziptest::ZipItem;

namespace {

void Save(const std::string& folder, const std::string& name, const std::string& bytes) {
    std::ofstream(folder + "/" + name, std::ios::binary) << bytes;
}

ZipItem Item(std::string name, std::string content, uint16_t method) {
    ZipItem item;
    item.name = std::move(name);
    item.content = std::move(content);
    item.method = method;
    return item;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    const std::string folder = argv[1];
    const std::string text = ziptest::PseudoRandomText(600, 7);

    Save(folder, "deflated.zip", ziptest::WriteZip({Item("frame.xml", text, 8)}).bytes);
    Save(folder, "stored.zip", ziptest::WriteZip({Item("a.txt", "hello", 0)}).bytes);

    ZipItem folderEntry = Item("frames/", "", 0);
    folderEntry.externalAttributes = 0x10;
    ZipItem timed = Item("frames/photo.jpg", text.substr(0, 200), 8);
    timed.localExtra = ziptest::ExtendedTimestamp(7, {1600000000, 1600000100, 1500000000});
    timed.externalAttributes = 0x21;
    Save(folder, "tree.zip", ziptest::WriteZip({folderEntry, timed, Item("b", "", 8)}).bytes);

    ziptest::ZipOptions stub;
    stub.stub = std::string(100, 'M');
    stub.comment = "frames of the week";
    Save(folder, "stub.zip", ziptest::WriteZip({Item("c.txt", "x", 8)}, stub).bytes);

    ZipItem unicode = Item("\xC3\xA4pfel/\xF0\x9F\x96\xBC.png", "u", 0);
    ZipItem described = Item("d.txt", text.substr(0, 50), 8);
    described.flags = 8;
    Save(folder, "names.zip", ziptest::WriteZip({unicode, described}).bytes);

    ZipItem shared = Item("e.txt", "shared data", 8);
    ZipItem again = shared;
    again.name = "f.txt";
    again.sharesHeaderOf = 0;
    Save(folder, "shared.zip", ziptest::WriteZip({shared, again}).bytes);
    return 0;
}
