// Frames with their own windows: cut by the alpha channel or by a grey-level mask image.
#include <algorithm>
#include <cmath>

#include "frames.h"
#include "shading.h"

namespace {

// The side of an axis-aligned rectangle a point outside it is nearest to, as the outward
// direction; and the distance outside it (negative inside).
struct Outside {
    float distance;
    float dx, dy; // outward unit direction of the nearest edge
};

Outside OutsideOf(float x, float y, const PixelWindow& w) {
    const float l = w.left - x, r = x - w.right, t = w.top - y, b = y - w.bottom;
    Outside o{l, -1, 0};
    if (r > o.distance) o = {r, 1, 0};
    if (t > o.distance) o = {t, 0, -1};
    if (b > o.distance) o = {b, 0, 1};
    o.distance = RoundRectDistance(x, y, w.left, w.top, w.right, w.bottom, 0);
    return o;
}

// Inside a window: transparent, with a soft shadow the frame casts from the light's side.
float WindowAlpha(const Outside& o, float shadowWidth, float shadowStrength) {
    const float edge = Clamp01(o.distance + 0.5f);
    // Edges facing the light (top, left: outward direction up or left) cast the shadow.
    const float facing = (o.dx < 0 || o.dy < 0) ? 1.0f : 0.45f;
    const float shadow = shadowStrength * facing * std::exp(o.distance / shadowWidth);
    return std::max(edge, shadow);
}

// Height of the gold moulding across its width (t: 0 outer edge, 1 inner edge), with a row of
// pearls at position s along it.
float GoldProfile(float t, float s) {
    if (t < 0.07f) return 0.72f * std::sin(t / 0.07f * kPi / 2);
    if (t < 0.25f) {
        const float u = (t - 0.07f) / 0.18f - 0.5f;
        float phase = s / 26.0f;
        phase = phase - std::floor(phase) - 0.5f;
        const float r2 = (phase / 0.46f) * (phase / 0.46f) + (u / 0.5f) * (u / 0.5f);
        return 0.70f + 0.22f * std::sqrt(std::max(0.0f, 1 - r2));
    }
    if (t < 0.30f) return 0.70f - 0.15f * Smooth((t - 0.25f) / 0.05f);
    if (t < 0.68f) return 0.55f - 0.32f * std::sin((t - 0.30f) / 0.38f * kPi);
    if (t < 0.72f) return 0.55f;
    if (t < 0.90f) return 0.55f + 0.22f * std::sin((t - 0.72f) / 0.18f * kPi);
    const float u = (t - 0.90f) / 0.10f;
    return 0.55f * (1 - u * u);
}

} // namespace

FrameArt ClassicGold() {
    const int W = 2000, H = 1500;
    const float moulding = 150, mat = 120, bevel = 12;
    const PixelWindow window{moulding + mat, moulding + mat, W - moulding - mat,
                             H - moulding - mat};
    FrameArt art;
    art.title = L"Classic Gold";
    art.file = FrameFile::Png;
    art.canvas = Canvas(W, H);
    const Rgb matColour{0.95f, 0.93f, 0.87f}, core{0.99f, 0.985f, 0.96f};
    for (int y = 0; y < H; ++y) {
        for (int x = 0; x < W; ++x) {
            const float fx = x + 0.5f, fy = y + 0.5f;
            float d[4] = {fx, W - fx, fy, H - fy}; // left, right, top, bottom
            int side = 0;
            for (int i = 1; i < 4; ++i)
                if (d[i] < d[side]) side = i;
            const float dmin = d[side];
            if (dmin < moulding) {
                const float t = dmin / moulding;
                const bool vertical = side < 2;
                const float s = vertical ? fy : fx;
                const float e = 0.004f, scale = 48.0f;
                const float dhdt = (GoldProfile(std::min(1.0f, t + e), s) -
                                    GoldProfile(std::max(0.0f, t - e), s)) /
                                   (2 * e) / moulding * scale;
                const float dhds = (GoldProfile(t, s + 0.5f) - GoldProfile(t, s - 0.5f)) * scale;
                const float inX = side == 0 ? 1.0f : side == 1 ? -1.0f : 0.0f;
                const float inY = side == 2 ? 1.0f : side == 3 ? -1.0f : 0.0f;
                const float gx = dhdt * inX + (vertical ? 0 : dhds);
                const float gy = dhdt * inY + (vertical ? dhds : 0);
                const float grain = 0.6f * ValueNoise(fx * 0.03f, fy * 0.03f, 41) +
                                    0.4f * ValueNoise(fx * 0.12f, fy * 0.12f, 42);
                Rgb c = Gold(Shade(gx, gy), grain);
                c = c * (0.6f + 0.4f * GoldProfile(t, s) / 0.9f); // recesses catch less light
                // The mitre where two sides meet.
                float second = 1e9f;
                for (int i = 0; i < 4; ++i)
                    if (i != side) second = std::min(second, d[i]);
                if (second - dmin < 1.5f) c = c * (0.55f + 0.45f * (second - dmin) / 1.5f);
                art.canvas.Set(x, y, c);
                continue;
            }
            const Outside o = OutsideOf(fx, fy, window);
            if (o.distance > 0) {
                const float grain = 0.6f * ValueNoise(fx * 0.05f, fy * 0.05f, 43) +
                                    0.4f * ValueNoise(fx * 0.2f, fy * 0.2f, 44);
                Rgb c = matColour * (0.975f + 0.04f * grain);
                // The moulding's shadow on the mat, deeper under the sides facing the light.
                const float facing = (side == 0 || side == 2) ? 0.42f : 0.16f;
                c = c * (1 - facing * std::exp(-(dmin - moulding) / 16.0f));
                // The bevelled cut shows the board's white core.
                const float onBevel = Clamp01(bevel - o.distance + 0.5f);
                const float light = (o.dx < 0 || o.dy < 0) ? 0.80f : 1.0f;
                c = Mix(c, core * light, onBevel);
                art.canvas.Set(x, y, c);
                continue;
            }
            art.canvas.Set(x, y, Rgb{0.02f, 0.015f, 0.01f}, WindowAlpha(o, 9, 0.45f));
        }
    }
    // The photo reaches under the bevel.
    art.layout = {
        UnitRect({window.left - 8, window.top - 8, window.right + 8, window.bottom + 8}, W)};
    return art;
}

FrameArt WalnutDuo() {
    const int W = 2400, H = 1620;
    const PixelWindow windows[2] = {{150, 160, 1130, 1460}, {1270, 160, 2250, 1460}};
    const float liner = 11, bevel = 26, edge = 34;
    FrameArt art;
    art.title = L"Walnut Duo";
    art.file = FrameFile::Png;
    art.canvas = Canvas(W, H);
    const Rgb dark{0.13f, 0.07f, 0.04f}, light{0.36f, 0.21f, 0.11f};
    const WoodFields fields(W, H, 7);
    for (int y = 0; y < H; ++y) {
        for (int x = 0; x < W; ++x) {
            const float fx = x + 0.5f, fy = y + 0.5f;
            Outside o = OutsideOf(fx, fy, windows[0]);
            const Outside o2 = OutsideOf(fx, fy, windows[1]);
            if (o2.distance < o.distance) o = o2;
            if (o.distance <= 0) {
                art.canvas.Set(x, y, Rgb{0.02f, 0.01f, 0.0f}, WindowAlpha(o, 11, 0.5f));
                continue;
            }
            Rgb wood = Wood(fx, fy, 7, fields, dark, light, 0.03f, 0);
            float gx = 0, gy = 0;
            float finish = 1;
            if (o.distance < liner) {
                // A rounded gold liner around the opening.
                const float u = o.distance / liner;
                const float slope = std::cos(u * kPi) * kPi / liner * 5.0f;
                const Rgb c =
                    Gold(Shade(slope * o.dx, slope * o.dy), ValueNoise(fx * 0.1f, fy * 0.1f, 9));
                art.canvas.Set(x, y, c);
                continue;
            }
            if (o.distance < liner + bevel) {
                // The cut slopes down into the opening and shows lighter wood.
                const float slope = 0.55f;
                gx = slope * o.dx, gy = slope * o.dy;
                wood = wood * 1.25f;
            } else {
                // The board's rounded outer edge and a groove inside it.
                const float de = std::min(std::min(fx, W - fx), std::min(fy, H - fy));
                const float ex = fx < W - fx ? 1.0f : -1.0f, ey = fy < H - fy ? 1.0f : -1.0f;
                const bool alongX = std::min(fx, W - fx) < std::min(fy, H - fy);
                if (de < edge) {
                    const float slope = 1.6f * std::cos(de / edge * kPi / 2);
                    gx = alongX ? slope * ex : 0, gy = alongX ? 0 : slope * ey;
                } else if (de < edge + 26 && de > edge + 18) {
                    const float u = (de - edge - 18) / 8;
                    const float slope = -1.2f * std::cos(u * kPi);
                    gx = alongX ? slope * ex : 0, gy = alongX ? 0 : slope * ey;
                    finish = 0.8f;
                }
            }
            const Lit lit = Shade(gx, gy);
            Rgb c = wood * (finish * (0.35f + 0.65f * lit.diffuse / FlatDiffuse()));
            c = c + Rgb{1, 0.9f, 0.8f} * (lit.specular * 0.25f); // satin varnish
            art.canvas.Set(x, y, c);
        }
    }
    for (const PixelWindow& w : windows)
        art.layout.push_back(UnitRect({w.left - 6, w.top - 6, w.right + 6, w.bottom + 6}, W));
    return art;
}

FrameArt FilmStrip() {
    const int W = 1400, H = 2400;
    const float band = 190, holeW = 66, holeH = 46, pitch = 96, radius = 8;
    PixelWindow windows[3];
    for (int i = 0; i < 3; ++i)
        windows[i] = {band, 110.0f + i * 750, W - band, 110.0f + i * 750 + 680};
    FrameArt art;
    art.title = L"Film Strip";
    art.file = FrameFile::Png;
    art.canvas = Canvas(W, H);
    const Rgb base{0.075f, 0.068f, 0.06f}, amber{0.92f, 0.58f, 0.16f};
    for (int y = 0; y < H; ++y) {
        for (int x = 0; x < W; ++x) {
            const float fx = x + 0.5f, fy = y + 0.5f;
            // Sheen of the film base and its grain.
            const float sheen = 1 + 0.5f * std::exp(-std::pow((fx - W * 0.32f) / 220.0f, 2.0f));
            Rgb c = base * (sheen * (0.9f + 0.2f * ValueNoise(fx * 0.3f, fy * 0.3f, 13)));
            float alpha = 1;
            // Perforations in both bands.
            const float k = std::round((fy - pitch / 2) / pitch);
            const float cy = pitch / 2 + k * pitch;
            const float cx = fx < W / 2.0f ? band / 2 : W - band / 2;
            const float hole = RoundRectDistance(fx, fy, cx - holeW / 2, cy - holeH / 2,
                                                 cx + holeW / 2, cy + holeH / 2, radius);
            if (hole < 1.5f) {
                alpha = Clamp01(hole + 0.5f);
                c = c * 1.6f; // the cut edge catches the light
            }
            // Frame markers beside each picture.
            for (const PixelWindow& w : windows) {
                const float ty = fy - (w.top + 18), tx = fx - (band - 40);
                if (tx >= 0 && tx < 22 && ty >= 0 && ty < 24 &&
                    std::fabs(ty - 12) < (22 - tx) * 0.55f)
                    c = amber;
            }
            Outside o = OutsideOf(fx, fy, windows[0]);
            for (int i = 1; i < 3; ++i) {
                const Outside other = OutsideOf(fx, fy, windows[i]);
                if (other.distance < o.distance) o = other;
            }
            // Rounded corners of the picture area.
            PixelWindow near{};
            for (const PixelWindow& w : windows)
                if (fy >= w.top - 40 && fy <= w.bottom + 40) near = w;
            if (near.right > 0) {
                const float d =
                    RoundRectDistance(fx, fy, near.left, near.top, near.right, near.bottom, 12);
                if (d < 0.5f) {
                    Outside rounded = o;
                    rounded.distance = d;
                    art.canvas.Set(x, y, Rgb{0, 0, 0}, WindowAlpha(rounded, 6, 0.35f));
                    continue;
                }
            }
            art.canvas.Set(x, y, c, alpha);
        }
    }
    for (const PixelWindow& w : windows)
        art.layout.push_back(UnitRect({w.left - 4, w.top - 4, w.right + 4, w.bottom + 4}, W));
    return art;
}

namespace {

// Damask: a flower medallion in a diamond lattice, two tones of one colour.
float Damask(float x, float y) {
    const float tw = 230, th = 270;
    const float row = std::floor(y / th);
    const float shifted = x + (int(row) % 2 ? tw / 2 : 0);
    const float u = (shifted - (std::floor(shifted / tw) + 0.5f) * tw) / (tw / 2);
    const float v = (y - (row + 0.5f) * th) / (th / 2);
    const float r = std::sqrt(u * u + v * v);
    const float theta = std::atan2(v, std::fabs(u));
    const float petals = 0.5f + 0.16f * std::cos(6 * theta) + 0.05f * std::cos(12 * theta);
    float motif = 1 - SmoothStep(-0.02f, 0.02f, r - petals);
    motif *= 1 - 0.85f * (1 - SmoothStep(0.015f, 0.04f, std::fabs(r - 0.26f)));
    motif = std::max(motif, 1 - SmoothStep(0.07f, 0.1f, r));
    const float lattice =
        1 - SmoothStep(0.015f, 0.035f, std::fabs(std::fabs(u) + std::fabs(v) - 1.05f));
    return std::max(motif, 0.6f * lattice);
}

} // namespace

FrameArt VignetteOval() {
    const int W = 1600, H = 2000;
    const float cx = 800, cy = 980, a = 560, b = 730;
    FrameArt art;
    art.title = L"Vignette Oval";
    art.file = FrameFile::JpegWithMask;
    art.canvas = Canvas(W, H);
    const Rgb ground{0.06f, 0.18f, 0.17f}, pattern{0.13f, 0.31f, 0.28f};
    const Field velvet(W, H, 4, 4,
                       [](float x, float y) { return Fbm(x * 0.004f, y * 0.004f, 4, 21); });
    for (int y = 0; y < H; ++y) {
        for (int x = 0; x < W; ++x) {
            const float fx = x + 0.5f, fy = y + 0.5f;
            const float dx = fx - cx, dy = fy - cy;
            const float q = std::sqrt((dx / a) * (dx / a) + (dy / b) * (dy / b));
            const float len = std::sqrt(dx * dx + dy * dy) + 1e-6f;
            const float d = (q - 1) * len / std::max(q, 1e-6f); // pixels outside the oval
            if (d < 0.5f) {
                // The photo shows through; a soft shadow of the ring falls on it.
                const float alpha = std::max(Clamp01(d + 0.5f), 0.5f * std::exp(d / 18.0f));
                art.canvas.Set(x, y, Rgb{0.01f, 0.02f, 0.02f}, alpha);
                continue;
            }
            Rgb c = Mix(ground, pattern, Damask(fx, fy)) * (0.82f + 0.36f * velvet.At(fx, fy));
            const float ex = (fx - W / 2.0f) / (W * 0.62f), ey = (fy - H / 2.0f) / (H * 0.62f);
            c = c * (1.05f - 0.45f * (ex * ex + ey * ey)); // darker towards the edges
            const float ux = dx / len, uy = dy / len;
            auto tube = [&](float from, float width) {
                const float u = (d - from) / width * 2 - 1; // -1 .. 1 across the tube
                const float slope = -u / std::sqrt(std::max(0.02f, 1 - u * u)) * 1.4f;
                return Gold(Shade(slope * ux, slope * uy), ValueNoise(fx * 0.08f, fy * 0.08f, 23));
            };
            if (d < 28) {
                c = tube(0, 28);
            } else if (d < 40) {
                c = c * (0.45f + 0.55f * (d - 28) / 12); // the ring's shadow
            } else if (d >= 46 && d < 54) {
                c = tube(46, 8);
            }
            art.canvas.Set(x, y, c);
        }
    }
    art.layout = {UnitRect({cx - a - 6, cy - b - 6, cx + a + 6, cy + b + 6}, W)};
    return art;
}

std::wstring UnitRect(const PixelWindow& window, int frameWidth) {
    const double k = 1000.0 / frameWidth;
    const int x = int(std::floor(std::max(0.0f, window.left) * k));
    const int y = int(std::floor(std::max(0.0f, window.top) * k));
    // The evaluated left edge is at frameWidth * x / 1000; the width must reach the right edge.
    const double left = double(frameWidth) * x / 1000, top = double(frameWidth) * y / 1000;
    const int w = int(std::ceil((window.right - left) * k));
    const int h = int(std::ceil((window.bottom - top) * k));
    return std::to_wstring(x) + L"," + std::to_wstring(y) + L"," + std::to_wstring(w) + L"," +
           std::to_wstring(h);
}
