// Reading and writing the text of a registry export.
#include <QHash>
#include <QStringDecoder>
#include <optional>

#include "core/settings/ini_file.h"
#include "core/settings/reg_document.h"

namespace norvane {
namespace {

const QString kHeader5 = QStringLiteral("Windows Registry Editor Version 5.00");
const QString kHeader4 = QStringLiteral("REGEDIT4");
constexpr int kWrapColumn = 77;  // hex lines stay within 80 columns, as exports do

// Taken by reference: a moved decoder of the ICU kind stops reporting errors.
QString DecodeWith(QStringDecoder& decoder, const QByteArray& bytes, bool& clean) {
    QString text = decoder.decode(bytes);
    clean = !decoder.hasError();
    return text;
}

// Half of a surrogate pair without its other half: UTF-16 data may hold one,
// UTF-8 text cannot.
bool IsLoneSurrogate(const QString& s, qsizetype i) {
    const QChar c = s[i];
    if (c.isHighSurrogate()) return i + 1 >= s.size() || !s[i + 1].isLowSurrogate();
    if (c.isLowSurrogate()) return i == 0 || !s[i - 1].isHighSurrogate();
    return false;
}

bool HasLoneSurrogate(const QString& s) {
    for (qsizetype i = 0; i < s.size(); ++i)
        if (IsLoneSurrogate(s, i)) return true;
    return false;
}

// Decodes UTF-16; a lone half of a pair becomes U+FFFD as any undecodable byte
// does, so that the text read is exactly what a save writes.
QString DecodeUtf16(QStringDecoder& decoder, const QByteArray& bytes, bool& clean) {
    QString text = DecodeWith(decoder, bytes, clean);
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!IsLoneSurrogate(text, i)) continue;
        text[i] = QChar::ReplacementCharacter;
        clean = false;
    }
    return text;
}

// One line of an 8-bit file. UTF-8 as the program writes it, or Shift_JIS as old
// Japanese systems wrote it, also under the newer header when a tool kept the
// old encoding: whichever reads the line without error, in the order given.
// Else UTF-8 with replacement characters, and `clean` turns false.
QString DecodeLine8Bit(QByteArrayView line, bool shiftJisFirst, bool& clean) {
    if (!shiftJisFirst && line.isValidUtf8()) return QString::fromUtf8(line);
    if (std::optional<QString> text = DecodeShiftJisExactly(line)) return *text;
    if (line.isValidUtf8()) return QString::fromUtf8(line);
    clean = false;
    return QString::fromUtf8(line);
}

// UTF-8 for the whole file when it is valid; for an old export ("REGEDIT4") next
// Shift_JIS for the whole file. Otherwise line by line, so that one line of the
// other encoding costs nothing of the rest.
QString Decode8Bit(const QByteArray& bytes, bool oldExport, bool& clean) {
    clean = true;
    if (QByteArrayView(bytes).isValidUtf8()) return QString::fromUtf8(bytes);
    if (oldExport)
        if (std::optional<QString> text = DecodeShiftJisExactly(bytes)) return *text;
    QString text;
    text.reserve(bytes.size());
    for (qsizetype pos = 0;;) {
        qsizetype end = bytes.indexOf('\n', pos);
        const bool last = end < 0;
        if (last) end = bytes.size();
        text += DecodeLine8Bit(QByteArrayView(bytes).sliced(pos, end - pos), oldExport, clean);
        if (last) break;
        text += QLatin1Char('\n');
        pos = end + 1;
    }
    return text;
}

QString Quoted(const QString& text) {
    QString out;
    out.reserve(text.size() + 2);
    out += QLatin1Char('"');
    for (QChar c : text) {
        if (c == QLatin1Char('\\') || c == QLatin1Char('"')) out += QLatin1Char('\\');
        out += c;
    }
    out += QLatin1Char('"');
    return out;
}

// Reads an escaped, quoted text from s[pos] (just after the opening quote).
// Returns true at the closing quote and sets pos after it; false at the end.
bool ReadQuoted(const QString& s, qsizetype& pos, QString& out) {
    const QChar quote = QLatin1Char('"'), backslash = QLatin1Char('\\');
    while (pos < s.size()) {
        qsizetype stop = pos;
        while (stop < s.size() && s[stop] != quote && s[stop] != backslash) ++stop;
        out += QStringView(s).mid(pos, stop - pos);
        pos = stop;
        if (pos >= s.size()) break;
        if (s[pos] == quote) {
            ++pos;
            return true;
        }
        // Only \\ and \" are escapes; any other backslash is kept as it stands.
        bool escape = pos + 1 < s.size() && (s[pos + 1] == quote || s[pos + 1] == backslash);
        if (escape) ++pos;
        out += s[pos++];
    }
    return false;
}

int HexDigit(QChar c) {
    char16_t u = c.unicode();
    if (u >= '0' && u <= '9') return u - '0';
    if (u >= 'a' && u <= 'f') return u - 'a' + 10;
    if (u >= 'A' && u <= 'F') return u - 'A' + 10;
    return -1;
}

bool ParseHexNumber(QStringView s, std::uint32_t& out) {
    if (s.isEmpty() || s.size() > 8) return false;
    out = 0;
    for (QChar c : s) {
        int d = HexDigit(c);
        if (d < 0) return false;
        out = out * 16 + static_cast<std::uint32_t>(d);
    }
    return true;
}

// "hex:..." (binary, type 3) or "hex(N):...", continuation backslashes removed.
bool ParseHexData(const QString& data, std::uint32_t& type, QByteArray& bytes) {
    if (!data.startsWith(QLatin1String("hex"), Qt::CaseInsensitive)) return false;
    qsizetype colon = data.indexOf(QLatin1Char(':'));
    if (colon < 0) return false;
    QStringView kind = QStringView(data).mid(3, colon - 3);
    if (kind.isEmpty()) {
        type = 3;
    } else if (!(kind.startsWith(u'(') && kind.endsWith(u')') &&
                 ParseHexNumber(kind.mid(1, kind.size() - 2), type))) {
        return false;
    }
    QString list = data.mid(colon + 1).trimmed();
    if (list.endsWith(QLatin1Char(','))) list.chop(1);
    bytes.clear();
    if (list.isEmpty()) return true;
    for (const QString& piece : list.split(QLatin1Char(','))) {
        std::uint32_t b;
        QString p = piece.trimmed();
        if (p.size() > 2 || !ParseHexNumber(p, b)) return false;
        bytes.append(static_cast<char>(b));
    }
    return true;
}

// The data of a string value ends with one terminating NUL; any NUL before it
// belongs to the text, so that every text written comes back whole.
QString FromUtf16Bytes(const QByteArray& bytes) {
    QString out;
    for (qsizetype i = 0; i + 1 < bytes.size(); i += 2)
        out += QChar(static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                           (static_cast<unsigned char>(bytes[i + 1]) << 8)));
    if (out.endsWith(QChar(0))) out.chop(1);
    return out;
}

QString From8BitBytes(const QByteArray& bytes, bool oldExport) {
    bool clean;
    return Decode8Bit(bytes.endsWith('\0') ? bytes.chopped(1) : bytes, oldExport, clean);
}

// A line break or another control character (but a tab) cannot stand in an
// export: a file that holds one is damaged, not a file to take as it reads.
bool HasControlCharacter(const QString& line) {
    for (QChar c : line)
        if (c.unicode() < 0x20 && c != QLatin1Char('\t')) return true;
    return false;
}

// Parses the value starting on lines[i] (left-trimmed in `first`); on success
// sets `last` to its final line.
bool ParseValue(const QStringList& lines, int i, const QString& first, bool ansi, RegValue& v,
                int& last) {
    qsizetype pos = 1;  // after "@" (the default value) or the opening quote of the name
    if (!first.startsWith(QLatin1Char('@')) && !ReadQuoted(first, pos, v.name)) return false;
    while (pos < first.size() && first[pos].isSpace()) ++pos;
    if (pos >= first.size() || first[pos] != QLatin1Char('=')) return false;
    ++pos;
    while (pos < first.size() && first[pos].isSpace()) ++pos;
    QString data = first.mid(pos);
    last = i;

    if (data.startsWith(QLatin1Char('"'))) {
        // A text may run over several lines when it holds line breaks.
        QString line = data;
        qsizetype p = 1;
        while (!ReadQuoted(line, p, v.text)) {
            if (++last >= lines.size() || HasControlCharacter(lines[last])) return false;
            v.text += QLatin1Char('\n');
            line = lines[last];
            p = 0;
        }
        if (!QStringView(line).mid(p).trimmed().isEmpty()) return false;
        v.type = RegType::String;
        return true;
    }
    data = data.trimmed();
    if (data == QLatin1String("-")) {
        v.type = RegType::Other;
        return true;
    }
    if (data.startsWith(QLatin1String("dword:"), Qt::CaseInsensitive)) {
        v.type = RegType::Dword;
        return ParseHexNumber(QStringView(data).mid(6), v.dword);
    }
    while (data.endsWith(QLatin1Char('\\'))) {
        if (++last >= lines.size() || HasControlCharacter(lines[last])) return false;
        data.chop(1);
        data += lines[last].trimmed();
    }
    std::uint32_t type;
    QByteArray bytes;
    if (!ParseHexData(data, type, bytes)) return false;
    if (type == 1 || type == 2) {
        v.type = type == 1 ? RegType::String : RegType::ExpandString;
        // An odd number of bytes is no UTF-16 text: 8-bit text under the newer header.
        v.text = ansi || bytes.size() % 2 != 0 ? From8BitBytes(bytes, ansi) : FromUtf16Bytes(bytes);
    } else {
        v.type = RegType::Other;
    }
    return true;
}

QStringList HexLines(const QString& prefix, const QByteArray& bytes) {
    QStringList out;
    QString line = prefix;
    for (qsizetype k = 0; k < bytes.size(); ++k) {
        QString piece = QStringLiteral("%1").arg(static_cast<unsigned char>(bytes[k]), 2, 16,
                                                 QLatin1Char('0'));
        if (k + 1 < bytes.size()) piece += QLatin1Char(',');
        if (line.size() + piece.size() > kWrapColumn && line != QLatin1String("  ")) {
            out << line + QLatin1Char('\\');
            line = QStringLiteral("  ");
        }
        line += piece;
    }
    out << line;
    return out;
}

QByteArray Utf16Bytes(const QString& text) {
    QByteArray bytes;
    bytes.reserve((text.size() + 1) * 2);
    for (QChar c : text) {
        bytes.append(static_cast<char>(c.unicode() & 0xff));
        bytes.append(static_cast<char>(c.unicode() >> 8));
    }
    bytes.append(2, '\0');
    return bytes;
}

// Line breaks and other control characters would break the quoted form, and a
// lone half of a surrogate pair cannot be written as UTF-8 text.
bool NeedsHexForm(const QString& text) {
    for (QChar c : text)
        if (c.unicode() < 0x20 && c != QLatin1Char('\t')) return true;
    return HasLoneSurrogate(text);
}

void AddValue(RegKey& key, RegValue v) {
    v.folded = FoldName(v.name);
    if (v.type != RegType::Comment) {
        if (RegValue* old = key.FindValue(v.folded)) {
            // A repeated name: the later one wins, as on import, in the first one's place.
            v.name = old->name;
            *old = std::move(v);
            return;
        }
    }
    key.values.push_back(std::move(v));
}

}  // namespace

QString DecodeRegBytes(const QByteArray& bytes, bool& clean) {
    clean = true;
    QStringDecoder le(QStringDecoder::Utf16LE), be(QStringDecoder::Utf16BE);
    if (bytes.startsWith("\xff\xfe"))
        return DecodeUtf16(le, bytes.mid(2), clean);
    if (bytes.startsWith("\xfe\xff"))
        return DecodeUtf16(be, bytes.mid(2), clean);
    if (bytes.startsWith("\xef\xbb\xbf")) return Decode8Bit(bytes.mid(3), false, clean);
    if (bytes.size() >= 2 && bytes[0] != '\0' && bytes[1] == '\0')  // UTF-16LE without mark
        return DecodeUtf16(le, bytes, clean);
    return Decode8Bit(bytes, bytes.trimmed().startsWith("REGEDIT4"), clean);
}

RegParseResult ParseRegText(const QString& text) {
    RegParseResult r;
    RegDocument& doc = r.doc;
    QStringList lines = text.split(QLatin1Char('\n'));
    // Every carriage return at a line's end goes, so that a line written back
    // is read the same again.
    for (auto& l : lines)
        while (l.endsWith(QLatin1Char('\r'))) l.chop(1);

    int i = 0;
    while (i < lines.size() && lines[i].trimmed().isEmpty()) ++i;
    bool ansi = false;
    doc.header = kHeader5;
    if (i < lines.size()) {
        QString first = lines[i].trimmed();
        if (first == kHeader5) {
            ++i;
        } else if (first == kHeader4) {
            ansi = true;  // 8-bit texts; written back in the current form
            ++i;
        } else {
            r.headerMissing = true;
        }
    }

    RegKey* current = nullptr;
    QHash<QString, int> seen;  // folded key paths read so far, for repeated keys
    bool orphaned = false;  // values after a broken key line have no key to go to
    for (; i < lines.size(); ++i) {
        const QString t = lines[i].trimmed();
        if (HasControlCharacter(lines[i])) {
            r.badLines.push_back(i + 1);
            if (t.startsWith(QLatin1Char('['))) {  // a broken key line: its values have no key to go to
                current = nullptr;
                orphaned = true;
            }
            continue;
        }
        if (t.isEmpty()) continue;
        if (t.startsWith(QLatin1Char(';'))) {
            RegValue c;
            c.type = RegType::Comment;
            c.source << lines[i];
            if (current) current->values.push_back(std::move(c));
            else doc.preamble << lines[i];
            continue;
        }
        if (t.startsWith(QLatin1Char('['))) {
            QString inner = t.endsWith(QLatin1Char(']')) ? t.mid(1, t.size() - 2).trimmed() : QString();
            bool removal = inner.startsWith(QLatin1Char('-'));
            QStringList path = (removal ? inner.mid(1) : inner).split(QLatin1Char('\\'), Qt::SkipEmptyParts);
            if (path.isEmpty()) {
                r.badLines.push_back(i + 1);
                current = nullptr;
                orphaned = true;
                continue;
            }
            orphaned = false;
            QString folded = FoldPath(path);
            const int existing = removal ? -1 : seen.value(folded, -1);
            if (existing >= 0) {
                current = &doc.keys[static_cast<size_t>(existing)];  // a repeated key adds to the first
                continue;
            }
            if (!removal) seen.insert(folded, static_cast<int>(doc.keys.size()));
            RegKey key;
            key.path = path;
            key.folded = std::move(folded);
            key.removal = removal;
            key.source = lines[i];
            doc.keys.push_back(std::move(key));
            current = &doc.keys.back();
            continue;
        }
        RegValue v;
        int last = i;
        qsizetype indent = 0;
        while (lines[i][indent].isSpace()) ++indent;
        const QString leftTrimmed = lines[i].mid(indent);
        bool isValue = t.startsWith(QLatin1Char('"')) || t.startsWith(QLatin1Char('@'));
        if (!isValue || !current || orphaned || !ParseValue(lines, i, leftTrimmed, ansi, v, last)) {
            r.badLines.push_back(i + 1);
            continue;
        }
        if (!(ansi && (v.type == RegType::String || v.type == RegType::ExpandString)))
            v.source = lines.mid(i, last - i + 1);
        AddValue(*current, std::move(v));
        i = last;
    }
    return r;
}

QStringList FormatRegValue(const RegValue& v) {
    if (!v.source.isEmpty()) return v.source;
    QString name = v.name.isEmpty() ? QStringLiteral("@") : Quoted(v.name);
    switch (v.type) {
    case RegType::String:
        if (NeedsHexForm(v.text)) return HexLines(name + QStringLiteral("=hex(1):"), Utf16Bytes(v.text));
        return {name + QLatin1Char('=') + Quoted(v.text)};
    case RegType::ExpandString:
        return HexLines(name + QStringLiteral("=hex(2):"), Utf16Bytes(v.text));
    case RegType::Dword:
        return {name + QStringLiteral("=dword:%1").arg(v.dword, 8, 16, QLatin1Char('0'))};
    case RegType::Other:
    case RegType::Comment:
        break;
    }
    return v.source;
}

QString FormatRegText(const RegDocument& doc) {
    QString out;
    out.reserve(static_cast<qsizetype>(doc.keys.size()) * 200);
    const QChar nl = QLatin1Char('\n');
    out += doc.header + nl + nl;
    if (!doc.preamble.isEmpty()) out += doc.preamble.join(nl) + nl + nl;
    for (const auto& key : doc.keys) {
        if (!key.source.isEmpty())
            out += key.source;
        else
            out += QLatin1Char('[') + key.path.join(QLatin1Char('\\')) + QLatin1Char(']');
        out += nl;
        for (const auto& v : key.values)
            for (const auto& line : FormatRegValue(v)) out += line + nl;
        out += nl;
    }
    return out;
}

}  // namespace norvane
