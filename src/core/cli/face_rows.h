#pragma once
// The rows of a text face, computed once and written either as tab-separated
// text or as JSON, so that the two forms of a face always say the same.
#include <QJsonValue>

#include <iosfwd>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/colour.h"

namespace norvane {

enum class FaceFormat { Text, Json };

// "text" or "json".
std::optional<FaceFormat> ParseFaceFormat(const std::string& name);

struct FaceRow {
    // The texts of the line in tab order, each under its JSON name; a name
    // "a.b" puts b into the row's object a.
    std::vector<std::pair<std::string, std::string>> texts;
    // What only JSON carries: instants, seconds, indices, colours.
    std::vector<std::pair<std::string, QJsonValue>> fields;

    FaceRow& Text(std::string name, std::string value);
    FaceRow& Field(std::string name, QJsonValue value);
};

// Text: one line a row, its texts joined by tabs. JSON: the rows as one array
// of objects on one line.
void WriteFace(const std::vector<FaceRow>& rows, FaceFormat format, std::ostream& out);
std::string FaceJson(const std::vector<FaceRow>& rows);

// "#RRGGBB" of a 0x00BBGGRR colour.
std::string ColourHex(Colour colour);

}  // namespace norvane
