#pragma once
// The face every window draws its text in: "MS UI Gothic" where it is
// installed, otherwise whatever the font configuration names as this system's
// Japanese sans-serif, or the proportional twin of that face.
#include <QFont>
#include <QString>
#include <QStringList>

#include <string>

namespace norvane {

// The face the window was designed around.
inline constexpr char kClassicUiFamily[] = "MS UI Gothic";

// The family the font configuration picks for `pattern` (e.g.
// "sans-serif:lang=ja"); empty when it has no answer.
std::string SystemFamilyFor(const char* pattern);

// "MS UI Gothic" when `installed` lists it, else `systemJapanese`, else the
// generic "sans-serif". A fixed-width `systemJapanese` ("VL Gothic", which
// fonts-vlgothic makes the system's default) gives way to its proportional twin
// ("VL PGothic") when that is installed: the clock panel is laid out for a
// proportional face and has no room for fixed-width captions.
QString ChooseUiFamily(const QStringList& installed, const QString& systemJapanese);

// Starts loading the font configuration and asking it for the Japanese face on
// a thread of its own; meant for the very start of the process, before the
// application object exists, so the work overlaps the connection to the display.
void PrepareUiFamily();

// Once the application object exists: fills the toolkit's list of installed
// faces and settles UiFamily() and ArialFamily() on a thread of its own, so the
// first window finds them ready instead of building the list itself.
void PrepareFontList();

// The family above for this system, looked up once.
const QString& UiFamily();

// UiFamily() at `pixelSize` pixels.
QFont UiFont(int pixelSize = 12);

// The face drawn for "Arial": itself where installed, else the one the font
// configuration stands in for it (looked up with the Japanese face, once).
// Naming that face outright spares the toolkit its own search for a stand-in.
const QString& ArialFamily();

// ArialFamily() at `pixelSize` pixels.
QFont ArialFont(int pixelSize, bool bold = false);

}  // namespace norvane
