#include "photoloft/frame_mask.h"

#include "common/strings.h"

FrameMask MakeDefaultFrameMask(std::wstring_view title) {
    FrameMask mask;
    mask.name = std::wstring(title);
    WindowRecord whole;
    whole.rect = L"0,0,w,h";
    mask.windows.push_back(whole);
    return mask;
}

std::wstring MaskKey(std::wstring_view titleOrName) {
    return AsciiLower(titleOrName);
}
