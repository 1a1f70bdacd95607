#include "imaging/adjustment.h"

namespace {

constexpr AdjustmentInfo kCatalogue[] = {
    {L"None", {L"", L"", L""}, {0, 0, 0}},
    {L"Brightness/contrast", {L"Brightness", L"Contrast", L""}, {50, 50, 0}},
    {L"Hue/saturation", {L"Hue", L"Saturation", L"Blend ratio"}, {50, 50, 0}},
    {L"Blur", {L"Radius", L"", L""}, {0, 0, 0}},
    {L"Sharpen", {L"Radius", L"Amount", L""}, {50, 0, 0}},
    {L"Black & white", {L"", L"", L""}, {0, 0, 0}},
};

} // namespace

std::span<const AdjustmentInfo> AdjustmentCatalogue() {
    return kCatalogue;
}

const AdjustmentInfo* FindAdjustment(const std::wstring& name) {
    for (const AdjustmentInfo& info : kCatalogue)
        if (name == info.name) return &info;
    return nullptr;
}

Adjustment NewAdjustment() {
    return Adjustment{};
}
