#include "notices/balloon_keys.h"

namespace {

// Virtual-key codes, spelled out so this file needs no system header.
constexpr unsigned kTab = 0x09, kReturn = 0x0D, kShift = 0x10, kControl = 0x11, kMenu = 0x12,
                   kEscape = 0x1B, kLeft = 0x25, kDown = 0x28, kF1 = 0x70, kF24 = 0x87;

} // namespace

BalloonKey ClassifyBalloonKey(unsigned key) {
    if (key == kShift || key == kControl || key == kMenu) return BalloonKey::kPass;
    if (key == kTab || key == kReturn || key == kEscape || (key >= kLeft && key <= kDown) ||
        (key >= kF1 && key <= kF24))
        return BalloonKey::kHideAndSwallow;
    return BalloonKey::kPassThenHide;
}
