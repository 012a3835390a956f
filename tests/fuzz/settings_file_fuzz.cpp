// The settings file reader: any bytes on disk. Whatever it keeps must survive
// being written and read again, both as the lines were read and as a changed
// value is written anew, and the written file must read cleanly and be a fixed
// point of reading and writing.
#include <QByteArray>
#include <QString>

#include <cstdint>

#include "core/settings/reg_document.h"
#include "fuzz_check.h"

namespace {

using norvane::RegDocument;
using norvane::RegKey;
using norvane::RegType;
using norvane::RegValue;

bool SameValue(const RegValue& a, const RegValue& b) {
    if (a.type != b.type || a.folded != b.folded) return false;
    switch (a.type) {
    case RegType::String:
    case RegType::ExpandString: return a.text == b.text;
    case RegType::Dword: return a.dword == b.dword;
    case RegType::Other:
    case RegType::Comment: return a.source == b.source;
    }
    return false;
}

bool SameKeys(const RegDocument& a, const RegDocument& b) {
    if (a.keys.size() != b.keys.size()) return false;
    for (std::size_t k = 0; k < a.keys.size(); ++k) {
        const RegKey& x = a.keys[k];
        const RegKey& y = b.keys[k];
        if (x.folded != y.folded || x.removal != y.removal || x.values.size() != y.values.size()) return false;
        for (std::size_t v = 0; v < x.values.size(); ++v)
            if (!SameValue(x.values[v], y.values[v])) return false;
    }
    return a.preamble == b.preamble;
}

// Writes the document as a save does, reads the file back as a start does, and
// checks that nothing changed and that the file is a fixed point.
void CheckRoundTrip(const RegDocument& doc) {
    const QByteArray file = norvane::FormatRegText(doc).toUtf8();
    bool clean = false;
    const norvane::RegParseResult again = norvane::ParseRegText(norvane::DecodeRegBytes(file, clean));
    FUZZ_CHECK(clean, "a written file holds bytes that do not decode");
    FUZZ_CHECK(!again.headerMissing, "a written file lacks its header");
    FUZZ_CHECK(again.badLines.empty(), "a written file has lines its reader refuses");
    FUZZ_CHECK(SameKeys(doc, again.doc), "values changed on writing and reading again");
    FUZZ_CHECK(norvane::FormatRegText(again.doc).toUtf8() == file, "a written file is not a fixed point");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    bool clean = false;
    const norvane::RegParseResult read = norvane::ParseRegText(norvane::DecodeRegBytes(bytes, clean));
    CheckRoundTrip(read.doc);

    // Every value the program could change written anew, as after a write.
    RegDocument changed = read.doc;
    for (RegKey& key : changed.keys) {
        if (!key.removal) key.source.clear();
        for (RegValue& v : key.values)
            if (v.type == RegType::String || v.type == RegType::ExpandString || v.type == RegType::Dword)
                v.source.clear();
    }
    CheckRoundTrip(changed);
    return 0;
}
