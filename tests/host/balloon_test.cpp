// Where the time signal's balloon stands and how its tail points, on a 1024 x 768 work area.
#include <gtest/gtest.h>

#include <string>

#include "chime/balloon.h"

namespace {

std::string Text(const PlaceRect &rc)
{
    return std::to_string(rc.left) + "," + std::to_string(rc.top) + "," + std::to_string(rc.right) + "," +
           std::to_string(rc.bottom);
}

std::string Text(const BalloonShape &s)
{
    static const char *const kSides[] = {"right", "left", "above", "below"};
    std::string out = std::string(kSides[s.side]) + " " + Text(s.rcWindow) + " body " + Text(s.rcBody) + " tail";
    for (const PlacePoint &pt : s.aptTail)
        out += " " + std::to_string(pt.x) + "," + std::to_string(pt.y);
    return out;
}

// A 60 x 14 text at 1x makes a 72 x 26 body; the tail adds 10 towards the character, whose mouth is
// 72 below her top. The gadget is the character with the page beside her.
TEST(Balloon, BesideTheCharacterLevelWithHerMouthOnTheFirstSideWithRoomClearOfThePage)
{
    constexpr PlaceRect kWork = {0, 0, 1024, 768};
    const struct { const char *what; PlaceRect character, gadget, work; PlacePoint text; int32_t scale;
                   const char *shape; } cases[] = {
        {"page on the left: to her right", {520, 300, 640, 460}, {400, 300, 640, 460}, kWork, {60, 14}, 1,
         "right 640,359,722,385 body 10,0,82,26 tail 11,8 0,13 11,18"},
        {"page on the right: to her left", {400, 300, 520, 460}, {400, 300, 640, 460}, kWork, {60, 14}, 1,
         "left 318,359,400,385 body 0,0,72,26 tail 71,8 82,13 71,18"},
        {"at the screen's right edge: above her", {904, 300, 1024, 460}, {784, 300, 1024, 460}, kWork, {60, 14}, 1,
         "above 928,264,1000,300 body 0,0,72,26 tail 31,25 36,36 41,25"},
        {"in the top right corner: below her", {904, 0, 1024, 160}, {784, 0, 1024, 160}, kWork, {60, 14}, 1,
         "below 928,160,1000,196 body 0,10,72,36 tail 31,11 36,0 41,11"},
        {"her mouth near the top: slid down, the tail clear of the corner", {520, -70, 640, 90}, {400, -70, 640, 90},
         kWork, {60, 14}, 1, "right 640,0,722,26 body 10,0,82,26 tail 11,6 0,11 11,16"},
        {"at 2x everything doubles", {520, 300, 760, 620}, {280, 300, 760, 620}, kWork, {120, 28}, 2,
         "right 760,418,924,470 body 20,0,164,52 tail 22,16 0,26 22,36"},
        {"no side has room: to her right, pulled inside", {120, 0, 240, 160}, {0, 0, 240, 160}, {0, 0, 300, 180},
         {60, 14}, 1, "right 218,59,300,85 body 10,0,82,26 tail 11,8 0,13 11,18"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(Text(PlaceBalloon(c.character, c.gadget, c.text, c.scale, c.work)), c.shape) << c.what;
}

}  // namespace
