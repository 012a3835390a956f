#pragma once
// Small 16 x 16 pictures of the schedule pages: the towns at either end of a
// ship or airship route, and the crafts of the guild shops. Drawn once on first
// use and kept for the life of the process; call only after the QApplication exists.
#include <QPixmap>

namespace norvane {

enum class TownPicture { Jeuno, SandOria, Bastok, Windurst, Kazham, Ship };

// The trading house's branches share one picture.
enum class GuildPicture {
    Fishing,
    Woodworking,
    Smithing,
    Goldsmithing,
    Clothcraft,
    Leathercraft,
    Bonecraft,
    Alchemy,
    Cooking,
    TradingHouse
};

const QPixmap& TownIcon(TownPicture town);
const QPixmap& GuildIcon(GuildPicture guild);

}  // namespace norvane
