// Layout frames: plain textured backgrounds the photos are laid on.
#include <algorithm>
#include <cmath>

#include "frames.h"
#include "shading.h"

namespace {

// Slightly darker towards the corners, as a photographed board would be.
float Vignette(float x, float y, int w, int h, float strength) {
    const float ex = (x - w / 2.0f) / (w * 0.7f), ey = (y - h / 2.0f) / (h * 0.7f);
    return 1 - strength * (ex * ex + ey * ey);
}

FrameArt Start(const wchar_t* title, int width, int height) {
    FrameArt art;
    art.title = title;
    art.file = FrameFile::Jpeg;
    art.canvas = Canvas(width, height);
    return art;
}

} // namespace

FrameArt OakBoard() {
    const int W = 2400, H = 1600;
    const float plank = 200;
    FrameArt art = Start(L"Oak Board", W, H);
    const Rgb dark{0.56f, 0.38f, 0.21f}, light{0.84f, 0.66f, 0.44f};
    const WoodFields fields(W, H, 5);
    for (int y = 0; y < H; ++y) {
        const int row = int(y / plank);
        const float yy = y + 0.5f - row * plank;
        // Where this plank is butted against the next one.
        const float joint = 500 + Random01(row, 1, 77) * 1400;
        for (int x = 0; x < W; ++x) {
            const float fx = x + 0.5f;
            const int piece = fx < joint ? 0 : 1;
            const std::uint32_t seed = std::uint32_t(row * 2 + piece) * 31u + 5u;
            const float tone = 0.9f + 0.18f * Random01(row, piece, 79);
            const float phase = Random01(row, piece, 81) * 10;
            Rgb c = Wood(fx, y + 0.5f, seed, fields, dark, light, 0.02f, phase) * tone;
            // Grooves between planks, lit on their lower lip.
            const float toEdge = std::min(yy, plank - yy);
            const float toJoint = std::fabs(fx - joint);
            const float groove = std::min(toEdge, toJoint);
            if (groove < 2.5f)
                c = c * (0.38f + 0.25f * groove);
            else if (yy < 6 && toJoint >= 2.5f)
                c = c * 1.08f;
            c = c * Vignette(fx, y + 0.5f, W, H, 0.25f);
            art.canvas.Set(x, y, c);
        }
    }
    // One large picture and two beside it.
    art.layout = {L"50,50,560,h-100", L"650,50,300,(h-140)/2", L"650,(h-140)/2+90,300,(h-140)/2"};
    return art;
}

FrameArt Linen() {
    const int W = 2000, H = 1500;
    const float period = 6;
    FrameArt art = Start(L"Linen", W, H);
    const Rgb base{0.88f, 0.83f, 0.73f};
    const Field mottle(W, H, 8, 8,
                       [](float x, float y) { return Fbm(x * 0.002f, y * 0.002f, 3, 39); });
    for (int y = 0; y < H; ++y) {
        const float fy = y + 0.5f;
        const int j = int(fy / period);
        const float vy = fy / period - j;
        for (int x = 0; x < W; ++x) {
            const float fx = x + 0.5f;
            const int i = int(fx / period);
            const float vx = fx / period - i;
            // Uneven threads: thickness and colour drift along each one.
            const float warpSlub = ValueNoise(i * 1.7f, fy * 0.012f, 31);
            const float weftSlub = ValueNoise(fx * 0.012f, j * 1.7f, 37);
            const bool warpOnTop = ((i + j) & 1) == 0;
            const float across = warpOnTop ? vx : vy;
            const float slub = warpOnTop ? warpSlub : weftSlub;
            const float round = std::sin(across * kPi);
            const float shade = 0.72f + 0.28f * std::pow(round, 0.7f + slub);
            Rgb c = base * (shade * (0.93f + 0.12f * slub));
            c = c * (0.95f + 0.1f * mottle.At(fx, fy));
            c = c * Vignette(fx, fy, W, H, 0.18f);
            art.canvas.Set(x, y, c);
        }
    }
    return art;
}

FrameArt Slate() {
    const int W = 1600, H = 2200;
    FrameArt art = Start(L"Slate", W, H);
    const Rgb base{0.20f, 0.23f, 0.26f}, chalk{0.62f, 0.64f, 0.66f};
    // Layers of the stone run across; cleavage ripples follow them.
    const Field strata(W, H, 8, 2,
                       [](float x, float y) { return Fbm(x * 0.0015f, y * 0.007f, 5, 51); });
    const Field dust(W, H, 4, 4,
                     [](float x, float y) { return Fbm(x * 0.0035f, y * 0.0025f, 4, 57); });
    for (int y = 0; y < H; ++y) {
        const float fy = y + 0.5f;
        for (int x = 0; x < W; ++x) {
            const float fx = x + 0.5f;
            const float layer = strata.At(fx, fy);
            const float ripple = std::sin(fy * 0.018f + layer * 9.0f);
            const float fine = ValueNoise(fx * 0.25f, fy * 0.25f, 53);
            const float speck = Random01(x, y, 55) - 0.5f;
            Rgb c = base * (0.78f + 0.42f * layer + 0.05f * ripple + 0.06f * fine + 0.05f * speck);
            // A trace of chalk dust wiped across.
            const float wiped = Clamp01((dust.At(fx, fy) - 0.56f) * 3.0f);
            c = Mix(c, chalk, wiped * 0.12f);
            c = c * Vignette(fx, fy, W, H, 0.3f);
            art.canvas.Set(x, y, c);
        }
    }
    return art;
}

FrameArt KraftPaper() {
    const int W = 2400, H = 1600;
    FrameArt art = Start(L"Kraft Paper", W, H);
    const Rgb base{0.73f, 0.56f, 0.37f};
    const Field mottling(W, H, 4, 4,
                         [](float x, float y) { return Fbm(x * 0.003f, y * 0.003f, 4, 61); });
    const Field specks(W, H, 4, 4,
                       [](float x, float y) { return ValueNoise(x * 0.02f, y * 0.02f, 69); });
    const float angles[3] = {0.3f, 1.4f, 2.5f};
    float cosA[3], sinA[3];
    for (int k = 0; k < 3; ++k)
        cosA[k] = std::cos(angles[k]), sinA[k] = std::sin(angles[k]);
    for (int y = 0; y < H; ++y) {
        const float fy = y + 0.5f;
        for (int x = 0; x < W; ++x) {
            const float fx = x + 0.5f;
            const float mottle = mottling.At(fx, fy);
            // Short fibres lying in a few directions.
            float fibre = 0;
            for (int k = 0; k < 3; ++k) {
                const float u = fx * cosA[k] + fy * sinA[k], v = -fx * sinA[k] + fy * cosA[k];
                const float n = ValueNoise(u * 0.06f, v * 0.8f, 63 + k);
                fibre += Clamp01((n - 0.8f) * 5.0f) - Clamp01((0.15f - n) * 5.0f) * 0.6f;
            }
            const float grain = Random01(x, y, 65) - 0.5f;
            Rgb c = base * (0.9f + 0.12f * mottle + 0.03f * fibre + 0.03f * grain);
            // Darker flecks of bark, small and irregular.
            const float fleck = ValueNoise(fx * 0.35f, fy * 0.35f, 67);
            const float where = specks.At(fx, fy);
            c = c * (1 - 0.4f * SmoothStep(0.93f, 0.99f, fleck) * SmoothStep(0.6f, 0.8f, where));
            c = c * Vignette(fx, fy, W, H, 0.2f);
            art.canvas.Set(x, y, c);
        }
    }
    return art;
}
