#pragma once
// Where the moon window places its twelve phase pictures around the ring, and
// the markers between them; the window's background is drawn to match.
#include <array>

namespace norvane {

// Positions (left, top) of the moon pictures and their ring markers.
struct RingPlace {
    int moonLeft, moonTop;
    int checkLeft, checkTop;
};
inline constexpr std::array<RingPlace, 12> kMoonRing = {{
    {167, 95, 155, 81},  {131, 103, 133, 87}, {95, 107, 103, 91}, {59, 103, 73, 87},
    {23, 95, 51, 81},    {11, 59, 43, 67},    {23, 23, 51, 53},   {59, 15, 73, 47},
    {95, 11, 103, 43},   {131, 15, 133, 47},  {167, 23, 155, 53}, {179, 59, 163, 67},
}};

}  // namespace norvane
