#include "compose/tilt.h"

#include <cmath>

namespace {

thread_local std::uint32_t g_state = 1;

// The whole turned coordinate truncated toward zero lies in 0 .. limit - 1; NaN never does.
bool InsideAxis(double v, int limit) {
    const double t = std::trunc(v);
    return t >= 0 && t < limit;
}

} // namespace

void SeedTiltRandom(std::int32_t seed) {
    g_state = static_cast<std::uint32_t>(seed);
}

int NextTiltRandom() {
    g_state = g_state * 214013u + 2531011u;
    return static_cast<int>((g_state >> 16) & 32767u);
}

float NextTiltAngle() {
    return static_cast<float>(NextTiltRandom() * 30.0 / 32767.0 - 15.0);
}

bool TurnedCornersInside(float angle, int x, int y, int w, int h, int width, int height) {
    const float cx = static_cast<float>((double(w) - 1) * 0.5 + x);
    const float cy = static_cast<float>((double(h) - 1) * 0.5 + y);
    const double cornersX[4] = {double(x), double(x) + w - 1, double(x) + w - 1, double(x)};
    const double cornersY[4] = {double(y), double(y), double(y) + h - 1, double(y) + h - 1};
    for (int i = 0; i < 4; ++i) {
        const float dx = static_cast<float>(cornersX[i] - cx);
        const float dy = static_cast<float>(cornersY[i] - cy);
        const float distance = static_cast<float>(std::sqrt(double(dx) * dx + double(dy) * dy));
        // atan(dy / dx) with the quadrant fix; a corner on the vertical axis has no quotient.
        float direction = 0;
        if (dx != 0)
            direction = static_cast<float>(std::atan(double(dy) / dx));
        else if (dy != 0)
            direction = dy > 0 ? 1.570795f : -1.570795f;
        if (dx < 0) direction = static_cast<float>(direction + 3.14159);
        direction = static_cast<float>(direction + angle / 180.0 * 3.14159);
        if (!InsideAxis(std::cos(double(direction)) * distance + cx, width) ||
            !InsideAxis(std::sin(double(direction)) * distance + cy, height))
            return false;
    }
    return true;
}

float FitTilt(float angle, int x, int y, int w, int h, int width, int height) {
    // Repeated multiplication by 0.8 never reaches 0 in single precision (the smallest value
    // rounds back to itself), so a window that never fits stops at a thousandth of a degree and
    // stays upright.
    constexpr float kSmallest = 0.001f;
    if (!std::isfinite(angle)) return 0;
    while (angle != 0 && !TurnedCornersInside(angle, x, y, w, h, width, height)) {
        angle *= 0.8f;
        if (std::fabs(angle) < kSmallest) return 0;
    }
    return angle;
}
