#include "platform/ui_font.h"

#include <QFontDatabase>

#include <fontconfig/fontconfig.h>

namespace norvane {

std::string SystemFamilyFor(const char* pattern) {
    std::string family;
    FcPattern* pat = FcNameParse(reinterpret_cast<const FcChar8*>(pattern));
    if (!pat) return family;
    FcConfigSubstitute(nullptr, pat, FcMatchPattern);
    FcDefaultSubstitute(pat);
    FcResult result = FcResultNoMatch;
    if (FcPattern* match = FcFontMatch(nullptr, pat, &result)) {
        FcChar8* name = nullptr;
        if (FcPatternGetString(match, FC_FAMILY, 0, &name) == FcResultMatch && name)
            family = reinterpret_cast<const char*>(name);
        FcPatternDestroy(match);
    }
    FcPatternDestroy(pat);
    return family;
}

QString ChooseUiFamily(const QStringList& installed, const QString& systemJapanese) {
    static const QString msUiGothic = QStringLiteral("MS UI Gothic");
    if (installed.contains(msUiGothic)) return msUiGothic;
    // Naming the Japanese face outright matters: left to per-script fallback,
    // kanji would be drawn from whichever face the configuration prefers for
    // Chinese.
    if (!systemJapanese.isEmpty()) return systemJapanese;
    return QStringLiteral("sans-serif");
}

const QString& UiFamily() {
    static const QString family = ChooseUiFamily(
        QFontDatabase::families(), QString::fromStdString(SystemFamilyFor("sans-serif:lang=ja")));
    return family;
}

QFont UiFont(int pixelSize) {
    QFont font(UiFamily());
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    return font;
}

}  // namespace norvane
