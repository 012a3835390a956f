#pragma once
// Skin files: small INI files "*.skn" beside the program that recolour the main
// window. Section "Skin" "Name" is the menu caption; section "Color" holds six
// colours, each optional, in decimal or in hexadecimal with "$" or "0x".
#include <string>
#include <string_view>
#include <vector>

#include "core/colour.h"

namespace norvane {

class IniFile;

// The caption of a skin file without a name.
inline constexpr char kNamelessSkin[] = "名無し";
// The category (and submenu caption) of the skin actions.
inline constexpr char kSkinCategory[] = "ウィンドウカラー(&C)";

// A skin's colours; the defaults are the colours the window is designed with.
struct SkinColours {
    Colour Vana = Rgb(0, 64, 160);     // text of the game time
    Colour Earth = Rgb(96, 96, 96);     // text of the Earth time
    Colour Back = Rgb(1, 72, 178);     // window background and frame
    Colour Edge = Rgb(74, 107, 169);   // thin lines of the clock panel and the pages
    Colour Base = Rgb(214, 222, 247);  // panels and menus
    Colour Item = Rgb(234, 244, 255);  // rows, lines and passive tabs
    bool operator==(const SkinColours&) const = default;
};

// A colour value: a signed 32-bit integer in decimal, or hexadecimal after "$"
// or "0x" (at most eight digits). False for anything else.
bool ParseSkinColour(std::string_view text, Colour& value);

// The "Color" section of a skin file; a missing key or a value that is no
// number takes the default.
SkinColours ReadSkinColours(const IniFile& ini);
// The "Skin" "Name"; "名無し" when missing or empty.
std::string ReadSkinName(const IniFile& ini);

// The file names (without folder) of the skin files in `folder`, in the order
// the folder listing returns them. Like the listings players know, the
// extension matches without regard to case.
std::vector<std::string> ListSkinFiles(const std::string& folder);

// The skin list of the window: per file the text "\"file\",\"name\"", read from
// `folder` (ending in '/'), sorted by name (then by file name), not in the
// folder listing's order, so the menu reads the same on every system.
std::vector<std::string> BuildSkinList(const std::string& folder);
// The entry text for one file and its display name.
std::string SkinListEntry(const std::string& file, const std::string& name);

// The index of the entry whose file name equals `chosen`, or -1. An exact
// match wins; else the one entry that differs only in letter case, since the
// setting may come from a desktop whose file names ignore case.
int ChosenSkinIndex(const std::vector<std::string>& list, const std::string& chosen);

}  // namespace norvane
