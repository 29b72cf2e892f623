// Where the time signal's speech balloon stands beside the character, and the shape it is drawn in.
#pragma once

#include <cstdint>

#include "base/rect.h"

// In picture pixels: the window draws each as a square of the display scale.
constexpr int32_t kBalloonFontHeight = 14;
constexpr int32_t kBalloonPadding = 6;      // between the text and the border
constexpr int32_t kBalloonTailLength = 10;  // from the body's edge to the tail's tip
constexpr int32_t kBalloonTailHalfBase = 5;
constexpr int32_t kBalloonCorner = 12;  // diameter of the body's rounded corners
// The tail points this far below the panel's top, about where the characters' mouths are.
constexpr int32_t kBalloonMouthY = 72;
constexpr uint32_t kBalloonShowMs = 5000;

// Where the balloon stands from the character; its tail points back at her.
enum BalloonSide { kBalloonRight, kBalloonLeft, kBalloonAbove, kBalloonBelow };

struct BalloonShape {
    BalloonSide side;
    PlaceRect rcWindow;     // on screen
    PlaceRect rcBody;       // in the window: the rounded box the text is centred in
    PlacePoint aptTail[3];  // in the window: base, tip, base
};

// The balloon for a text of textSize screen pixels (measured at nScale), beside character (the
// panel on screen) and wholly inside work: to her right, else left, else above, else below, on the
// first side where it fits without covering any of gadget (the whole window, page included). When
// none has room, to her right pulled inside work. An nScale below 1 counts as 1.
BalloonShape PlaceBalloon(const PlaceRect &character, const PlaceRect &gadget, PlacePoint textSize, int32_t nScale,
                          const PlaceRect &work);
