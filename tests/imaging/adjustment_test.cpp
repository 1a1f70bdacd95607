#include "imaging/adjustment.h"

#include <gtest/gtest.h>

#include <functional>

#include "imaging/pixel_adjust.h"
#include "test_images.h"

using namespace imagingtest;

namespace {

TEST(AdjustmentCatalogue, NamesLabelsAndDefaultsInListOrder) {
    struct Entry {
        std::wstring name, label1, label2, label3;
        int d1, d2, d3;
    };
    const Entry expected[] = {
        {L"None", L"", L"", L"", 0, 0, 0},
        {L"Brightness/contrast", L"Brightness", L"Contrast", L"", 50, 50, 0},
        {L"Hue/saturation", L"Hue", L"Saturation", L"Blend ratio", 50, 50, 0},
        {L"Blur", L"Radius", L"", L"", 0, 0, 0},
        {L"Sharpen", L"Radius", L"Amount", L"", 50, 0, 0},
        {L"Black & white", L"", L"", L"", 0, 0, 0},
    };
    const auto catalogue = AdjustmentCatalogue();
    ASSERT_EQ(catalogue.size(), std::size(expected));
    for (std::size_t i = 0; i < catalogue.size(); ++i) {
        const AdjustmentInfo& info = catalogue[i];
        const Entry& e = expected[i];
        EXPECT_EQ(info.name, e.name);
        EXPECT_EQ(info.labels[0], e.label1);
        EXPECT_EQ(info.labels[1], e.label2);
        EXPECT_EQ(info.labels[2], e.label3);
        EXPECT_EQ(info.defaults[0], e.d1);
        EXPECT_EQ(info.defaults[1], e.d2);
        EXPECT_EQ(info.defaults[2], e.d3);
        EXPECT_EQ(FindAdjustment(e.name), &info);
    }
    EXPECT_EQ(FindAdjustment(L"blur"), nullptr); // exact names only
    const Adjustment fresh = NewAdjustment();
    EXPECT_EQ(fresh.name, L"None");
    EXPECT_EQ(fresh.param1 | fresh.param2 | fresh.param3, 0);
}

TEST(BrightnessContrast, TableEdgeCases) {
    struct Case {
        int brightness, contrast;
        std::function<int(int)> expected;
    };
    const Case cases[] = {
        {50, 50, [](int v) { return v; }},
        {100, 50, [](int) { return 255; }},
        {75, 50, [](int v) { return std::min(v + 127, 255); }}, // 25 x 255 / 50 = 127
        {50, 0, [](int) { return 128; }},
        {0, 50, [](int v) { return std::max(v - 255, 0); }},
        {50, 100, [](int v) { return std::clamp(2 * v - 128, 0, 255); }}, // 191: 254
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.brightness << ", " << c.contrast);
        const auto table = BrightnessContrastTable(c.brightness, c.contrast);
        for (int v = 0; v < 256; ++v)
            ASSERT_EQ(table[v], c.expected(v)) << v;
    }
    const auto steep = BrightnessContrastTable(50, 100);
    EXPECT_EQ(steep[128], 128);
    EXPECT_EQ(steep[191], 254);
}

TEST(RgbToHsl, OnTheByteScale) {
    struct Case {
        RgbColor rgb;
        HslColor hsl;
    };
    const Case cases[] = {
        {{255, 0, 0}, {0, 255, 128}},     {{0, 255, 0}, {85, 255, 128}},
        {{0, 0, 255}, {170, 255, 128}},   {{90, 90, 90}, {170, 0, 90}},
        {{0, 0, 0}, {170, 0, 0}},         {{255, 255, 255}, {170, 0, 255}},
        {{255, 0, 128}, {235, 255, 128}}, // hue wraps below 0
        {{100, 150, 50}, {64, 128, 100}},
    };
    for (const Case& c : cases) {
        const HslColor hsl = RgbToHsl(c.rgb);
        EXPECT_EQ(hsl.hue, c.hsl.hue);
        EXPECT_EQ(hsl.saturation, c.hsl.saturation);
        EXPECT_EQ(hsl.lightness, c.hsl.lightness);
    }
}

// Applies an adjustment to a copy of the pixels through a bitmap.
Pixels Adjusted(const Pixels& pixels, const Adjustment& adjustment) {
    BitmapPtr bitmap = BitmapFromPixels(pixels);
    ApplyAdjustment(bitmap.get(), adjustment);
    return PixelsOf(*bitmap);
}

Pixels OneColour(int r, int g, int b, int a = 255) {
    Pixels p{3, 2, std::vector<std::uint8_t>(3 * 2 * 4)};
    for (std::size_t i = 0; i < p.bytes.size(); i += 4) {
        p.bytes[i] = std::uint8_t(b);
        p.bytes[i + 1] = std::uint8_t(g);
        p.bytes[i + 2] = std::uint8_t(r);
        p.bytes[i + 3] = std::uint8_t(a);
    }
    return p;
}

TEST(BlackAndWhite, PrimaryColoursGiveTheirWeights) {
    struct Case {
        int r, g, b, gray;
    };
    const Case cases[] = {
        {255, 0, 0, 76}, {0, 255, 0, 150}, {0, 0, 255, 28}, {0, 0, 0, 0}, {100, 100, 100, 100}};
    for (const Case& c : cases) {
        const Pixels out = Adjusted(OneColour(c.r, c.g, c.b, 77), {L"Black & white", 0, 0, 0});
        EXPECT_EQ(out.bytes, OneColour(c.gray, c.gray, c.gray, 77).bytes)
            << c.r << "," << c.g << "," << c.b;
    }
}

TEST(HueSaturation, BlendZeroChangesNothingAndFullBlendTintsByLightness) {
    const Pixels random = RandomPixels(50, 30, 5, true);
    for (int hue : {0, 33, 100})
        for (int saturation : {0, 70, 100})
            EXPECT_EQ(Adjusted(random, {L"Hue/saturation", hue, saturation, 0}).bytes,
                      random.bytes);
    // With a blend of 100 the result depends on lightness only: gray 100 and a colour of
    // lightness 100 come out alike, in the chosen hue (0: red, so green equals blue).
    const Adjustment tint{L"Hue/saturation", 0, 80, 100};
    const Pixels gray = Adjusted(OneColour(100, 100, 100), tint);
    const Pixels colour = Adjusted(OneColour(100, 150, 50), tint); // lightness 100
    EXPECT_EQ(gray.bytes, colour.bytes);
    const std::uint8_t* p = gray.At(0, 0);
    EXPECT_GT(p[2], p[1]);
    EXPECT_EQ(p[1], p[0]);
    EXPECT_EQ(p[3], 255);
    const RgbColor expected = HslToRgb({0, 80 * 255 / 100, 100});
    EXPECT_EQ(p[2], expected.red);
    EXPECT_EQ(p[1], expected.green);
}

TEST(ApplyAdjustment, NoneReturnsNullAndOthersTheBitmap) {
    const Pixels random = RandomPixels(20, 10, 7, true);
    BitmapPtr bitmap = BitmapFromPixels(random);
    EXPECT_EQ(ApplyAdjustment(bitmap.get(), NewAdjustment()), nullptr);
    EXPECT_EQ(ApplyAdjustment(bitmap.get(), {L"None", 100, 100, 100}), nullptr);
    EXPECT_EQ(ApplyAdjustment(bitmap.get(), {L"Posterize", 10, 20, 30}), bitmap.get());
    EXPECT_EQ(ApplyAdjustment(bitmap.get(), {L"blur", 100, 0, 0}), bitmap.get());
    EXPECT_EQ(PixelsOf(*bitmap).bytes, random.bytes); // unknown names change nothing
    EXPECT_EQ(ApplyAdjustment(nullptr, {L"Blur", 10, 0, 0}), nullptr);
}

TEST(ApplyAdjustment, DefaultsLeaveThePictureExceptBlackAndWhite) {
    const Pixels random = RandomPixels(40, 25, 8, true);
    for (const AdjustmentInfo& info : AdjustmentCatalogue()) {
        const std::wstring name = info.name;
        if (name == L"Black & white") continue;
        SCOPED_TRACE(testing::Message() << std::string(name.begin(), name.end()));
        const Adjustment atDefaults{name, info.defaults[0], info.defaults[1], info.defaults[2]};
        EXPECT_EQ(Adjusted(random, atDefaults).bytes, random.bytes);
    }
    // A blur of radius 0 and a sharpen of amount 0 whatever the other slider.
    EXPECT_EQ(Adjusted(random, {L"Blur", 0, 100, 100}).bytes, random.bytes);
    EXPECT_EQ(Adjusted(random, {L"Sharpen", 100, 0, 100}).bytes, random.bytes);
}

TEST(ApplyAdjustment, AlphaNeverChanges) {
    const Pixels random = RandomPixels(64, 48, 9, true);
    const Adjustment adjustments[] = {
        {L"Brightness/contrast", 80, 90, 0},
        {L"Hue/saturation", 30, 100, 60},
        {L"Hue/saturation", 70, 40, 100},
        {L"Blur", 100, 0, 0},
        {L"Sharpen", 60, 100, 0},
        {L"Black & white", 0, 0, 0},
    };
    for (const Adjustment& a : adjustments) {
        SCOPED_TRACE(testing::Message() << std::string(a.name.begin(), a.name.end()));
        const Pixels out = Adjusted(random, a);
        bool colourChanged = false;
        for (std::size_t i = 0; i < out.bytes.size(); ++i) {
            if (i % 4 == 3)
                ASSERT_EQ(out.bytes[i], random.bytes[i]) << i;
            else
                colourChanged |= out.bytes[i] != random.bytes[i];
        }
        EXPECT_TRUE(colourChanged);
    }
}

TEST(ApplyAdjustment, SlidersOutsideTheirRangeAreHeldTo0To100) {
    const Pixels random = RandomPixels(30, 20, 10, false);
    EXPECT_EQ(Adjusted(random, {L"Blur", 2000000000, 0, 0}).bytes,
              Adjusted(random, {L"Blur", 100, 0, 0}).bytes);
    EXPECT_EQ(Adjusted(random, {L"Brightness/contrast", -5, 500, 0}).bytes,
              Adjusted(random, {L"Brightness/contrast", 0, 100, 0}).bytes);
}

} // namespace
