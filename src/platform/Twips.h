#pragma once
// The windows were drawn in twips (1/1440 inch); on screen a twip is a
// fifteenth of a pixel. Every twips position of every window goes through
// this one rule, so that neighbouring controls stay where their tables put
// them relative to each other.
namespace platform {

inline constexpr int kTwipsPerPixel = 15;

constexpr int TwipsFromPixels(int px) { return px * kTwipsPerPixel; }

// Nearest whole pixel, halves away from zero.
constexpr int PixelsFromTwips(double twips) {
    const double px = twips / kTwipsPerPixel;
    return static_cast<int>(px < 0 ? px - 0.5 : px + 0.5);
}

}  // namespace platform
