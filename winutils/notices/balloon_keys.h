// What a key press does to a balloon tip.
#pragma once

enum class BalloonKey {
    kPass,           // modifiers: the balloon stays
    kHideAndSwallow, // navigation keys: the balloon goes, the key is not delivered
    kPassThenHide,   // anything else: delivered, then the balloon goes
};

// virtualKey: a Windows virtual-key code.
BalloonKey ClassifyBalloonKey(unsigned virtualKey);
