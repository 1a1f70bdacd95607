// Feeds arbitrary bytes to the text decoders and the path, domain and list rules, checking the
// properties they promise (no sanitizer report, round trips, no separators lost or invented).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "common/domains.h"
#include "common/module_layout.h"
#include "common/paths.h"
#include "common/strings.h"
#include "common/text_encoding.h"

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

bool HasSurrogate(std::wstring_view text) {
    for (wchar_t c : text)
        if ((c & 0xF800) == 0xD800) return true;
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);

    size_t mark = 0;
    DetectByteOrderMark(bytes, mark);
    Check(mark <= bytes.size());
    std::wstring utf16 = DecodeUtf16Le(bytes);
    Check(utf16.size() <= size / 2);
    std::wstring utf8 = DecodeUtf8(bytes);
    Check(utf8.size() <= size * 2);
    // Decoded text survives a round trip through the encoder.
    Check(DecodeUtf8(EncodeUtf8(utf8)) == utf8);
    if (!HasSurrogate(utf16)) Check(DecodeUtf8(EncodeUtf8(utf16)) == utf16);
    Check(CollapseCrLf(ExpandLineFeeds(utf16)) == CollapseCrLf(utf16));

    // The same bytes as 16-bit text for the string rules (wchar_t is 32-bit here: keep 16).
    std::wstring text;
    for (size_t i = 0; i + 1 < size; i += 2)
        text += wchar_t(data[i] | (data[i + 1] << 8));
    std::wstring parent = ParentFolder(text);
    Check(parent.size() <= text.size());
    Check(FileNameOf(text, true).size() <= FileNameOf(text, false).size());
    Check(RemoveExtension(text).size() <= text.size());
    Check(EndsWithSeparator(AddTrailingSeparator(text)) || text.empty());
    Check(SamePath(text, text));
    JoinPath(parent, FileNameOf(text));
    ExtensionOf(text, true);
    IsNumber(text);
    ModuleFolderFor(text);
    InstallFolderFor(text);

    std::wstring domain = RegistrableDomain(text);
    Check(domain.size() <= text.size());
    IsEmailAddress(text);

    // Lists: split the text into list, separator and item at the first two NULs.
    size_t first = text.find(L'\0');
    size_t second = first == std::wstring::npos ? first : text.find(L'\0', first + 1);
    if (second != std::wstring::npos) {
        std::wstring list = text.substr(0, first);
        std::wstring separator = text.substr(first + 1, second - first - 1);
        std::wstring item = text.substr(second + 1);
        bool contained = ListContains(list, separator, item);
        std::wstring removed = list;
        bool didRemove = ListRemove(removed, separator, item);
        Check(contained == didRemove || separator.empty());
        Check(removed.size() <= list.size());
        if (!separator.empty() && !item.empty() && item.find_first_of(separator) == item.npos)
            Check(ListContains(ListAppend(list, separator, item), separator, item));
    }
    return 0;
}
