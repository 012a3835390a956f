// Skin files "*.skn": INI text in code page 932 that anyone may drop beside the
// program. What is read must not depend on anything but the bytes, a skin written
// out plainly again (UTF-8 with its mark, colours in decimal or "$" hexadecimal)
// must read back the same, and its menu entry must split back into its name.
#include <QByteArray>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "core/main_window/skin.h"
#include "core/settings/ini_file.h"
#include "core/time/support.h"
#include "fuzz_check.h"

namespace {

using norvane::Colour;
using norvane::IniFile;
using norvane::SkinColours;

constexpr const char* kKeys[] = {"Vana", "Eart", "Back", "Edge", "Bace", "Item"};

Colour Field(const SkinColours& c, int i) {
    const Colour fields[] = {c.Vana, c.Earth, c.Back, c.Edge, c.Base, c.Item};
    return fields[i];
}

// The plainest skin file with this name and these colours.
QByteArray WriteSkin(const std::string& name, const SkinColours& colours, bool hex) {
    std::string text = "\xEF\xBB\xBF[Skin]\r\nName=\"" + name + "\"\r\n[Color]\r\n";
    for (int i = 0; i < 6; ++i) {
        const Colour v = Field(colours, i);
        char buf[24];
        if (hex)
            std::snprintf(buf, sizeof buf, "$%08X", static_cast<unsigned>(v));
        else
            std::snprintf(buf, sizeof buf, "%d", static_cast<int>(static_cast<std::int32_t>(v)));
        text += std::string(kKeys[i]) + '=' + buf + "\r\n";
    }
    return QByteArray::fromStdString(text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const IniFile ini = IniFile::FromBytes(bytes);
    const std::string name = norvane::ReadSkinName(ini);
    const SkinColours colours = norvane::ReadSkinColours(ini);

    FUZZ_CHECK(!name.empty(), "a skin without a caption");
    FUZZ_CHECK(name.find_first_of("\r\n") == std::string::npos, "a caption holds a line end");
    const IniFile again = IniFile::FromBytes(bytes);
    FUZZ_CHECK(norvane::ReadSkinName(again) == name && norvane::ReadSkinColours(again) == colours,
               "the same bytes read differently");

    // Each colour is the value written at its key when that is a number, else the design's.
    const SkinColours defaults;
    for (int i = 0; i < 6; ++i) {
        Colour v = 0;
        const bool number = ini.HasKey("Color", kKeys[i]) &&
                            norvane::ParseSkinColour(ini.ReadString("Color", kKeys[i], ""), v);
        FUZZ_CHECK(Field(colours, i) == (number ? v : Field(defaults, i)), "a colour is neither its value nor the default");
    }

    for (bool hex : {false, true}) {
        const IniFile written = IniFile::FromBytes(WriteSkin(name, colours, hex));
        FUZZ_CHECK(norvane::ReadSkinName(written) == name, "a caption changed on writing and reading again");
        FUZZ_CHECK(norvane::ReadSkinColours(written) == colours, "colours changed on writing and reading again");
    }

    // The menu keeps file and caption in one comma text; both must come back.
    const std::vector<std::string> list = {norvane::SkinListEntry("blue.skn", "x"),
                                           norvane::SkinListEntry("a \"b\",c.skn", name)};
    std::string file, caption;
    norvane::SplitPair(list, 1, file, caption);
    FUZZ_CHECK(file == "a \"b\",c.skn" && caption == name, "a menu entry does not split into file and caption");
    FUZZ_CHECK(norvane::ChosenSkinIndex(list, "a \"b\",c.skn") == 1, "the chosen file is not found");
    return 0;
}
