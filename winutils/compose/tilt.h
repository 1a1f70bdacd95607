// Card tilts of the photo paper frame: the runtime's random sequence, so that one seed gives the
// same tilts everywhere, and the fitting of a turned window into the picture. Pure code.
#pragma once
#include <cstdint>

// The generator keeps one state per thread: seeding sets it, each draw advances it.
void SeedTiltRandom(std::int32_t seed);
// 0 .. 32767.
int NextTiltRandom();
// The next random tilt in degrees, -15 to +15.
float NextTiltAngle();

// True when the corners of the w x h rectangle at (x, y), turned by angle degrees (clockwise on
// screen) about its centre, all land inside a width x height picture.
bool TurnedCornersInside(float angle, int x, int y, int w, int h, int width, int height);

// Reduces the angle by a fifth at a time until the turned rectangle fits (or the angle is 0).
float FitTilt(float angle, int x, int y, int w, int h, int width, int height);
