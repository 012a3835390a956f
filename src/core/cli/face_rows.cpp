#include "core/cli/face_rows.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>

#include <cstdio>
#include <ostream>

namespace norvane {
namespace {

// Puts `value` at the dotted path `name` of `object`, making the inner objects.
void Insert(QJsonObject& object, const std::string& name, const QJsonValue& value) {
    const std::size_t dot = name.find('.');
    if (dot == std::string::npos) {
        object.insert(QString::fromStdString(name), value);
        return;
    }
    const QString outer = QString::fromStdString(name.substr(0, dot));
    QJsonObject inner = object.value(outer).toObject();
    Insert(inner, name.substr(dot + 1), value);
    object.insert(outer, inner);
}

}  // namespace

std::optional<FaceFormat> ParseFaceFormat(const std::string& name) {
    if (name == "text") return FaceFormat::Text;
    if (name == "json") return FaceFormat::Json;
    return std::nullopt;
}

FaceRow& FaceRow::Text(std::string name, std::string value) {
    texts.emplace_back(std::move(name), std::move(value));
    return *this;
}

FaceRow& FaceRow::Field(std::string name, QJsonValue value) {
    fields.emplace_back(std::move(name), std::move(value));
    return *this;
}

std::string FaceJson(const std::vector<FaceRow>& rows) {
    QJsonArray array;
    for (const FaceRow& row : rows) {
        QJsonObject object;
        for (const auto& [name, text] : row.texts) Insert(object, name, QString::fromStdString(text));
        for (const auto& [name, value] : row.fields) Insert(object, name, value);
        array.append(object);
    }
    return QJsonDocument(array).toJson(QJsonDocument::Compact).toStdString();
}

void WriteFace(const std::vector<FaceRow>& rows, FaceFormat format, std::ostream& out) {
    if (format == FaceFormat::Json) {
        out << FaceJson(rows) << '\n';
        return;
    }
    for (const FaceRow& row : rows) {
        for (std::size_t i = 0; i < row.texts.size(); ++i) {
            if (i > 0) out << '\t';
            out << row.texts[i].second;
        }
        out << '\n';
    }
}

std::string ColourHex(Colour colour) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", RValue(colour), GValue(colour), BValue(colour));
    return text;
}

}  // namespace norvane
