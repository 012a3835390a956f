#pragma once
// The one colour type of the program: 0x00BBGGRR, as settings, skins and the
// pages store and compare colours (0x0010FF is red).
#include <cstdint>

namespace norvane {

using Colour = std::uint32_t;

constexpr Colour Rgb(int r, int g, int b) {
    return static_cast<Colour>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int RValue(Colour c) { return static_cast<int>(c & 0xFF); }
constexpr int GValue(Colour c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int BValue(Colour c) { return static_cast<int>((c >> 16) & 0xFF); }

}  // namespace norvane
