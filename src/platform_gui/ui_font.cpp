#include "platform_gui/ui_font.h"

#include <QCoreApplication>
#include <QFontDatabase>

#include <fontconfig/fontconfig.h>

#include <future>
#include <utility>

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
    const QString classic = QString::fromLatin1(kClassicUiFamily);
    if (installed.contains(classic)) return classic;
    // Japanese gothic faces that come in a fixed-width and a proportional cut,
    // installed together by their packages. Under a Japanese locale the font
    // configuration and the toolkit name them in Japanese.
    static const std::pair<const char*, const char*> kProportionalTwins[] = {
        {"VL Gothic", "VL PGothic"},
        {"IPAGothic", "IPAPGothic"},
        {"TakaoGothic", "TakaoPGothic"},
        {"MS Gothic", "MS PGothic"},
        {"VL ゴシック", "VL Pゴシック"},
        {"IPAゴシック", "IPA Pゴシック"},
        {"Takaoゴシック", "TakaoPゴシック"},
        {"ＭＳ ゴシック", "ＭＳ Ｐゴシック"},
    };
    for (const auto& [fixed, proportional] : kProportionalTwins) {
        const QString twin = QString::fromUtf8(proportional);
        if (systemJapanese == QString::fromUtf8(fixed) && installed.contains(twin)) return twin;
    }
    // Naming the Japanese face outright matters: left to per-script fallback,
    // kanji would be drawn from whichever face the configuration prefers for
    // Chinese.
    if (!systemJapanese.isEmpty()) return systemJapanese;
    return QStringLiteral("sans-serif");
}

namespace {

constexpr char kJapaneseSans[] = "sans-serif:lang=ja";
constexpr char kArial[] = "Arial";

struct SystemFaces {
    std::string japanese, arial;
};

SystemFaces AskSystemFaces() { return {SystemFamilyFor(kJapaneseSans), SystemFamilyFor(kArial)}; }

std::shared_future<SystemFaces>& SystemFacesJob() {
    static std::shared_future<SystemFaces> job;
    return job;
}

// The configuration is loaded once: by the job when there is one, and before
// Qt asks for it, so the two never load it side by side.
const SystemFaces& Faces() {
    static const SystemFaces faces = [] {
        auto& job = SystemFacesJob();
        return job.valid() ? job.get() : AskSystemFaces();
    }();
    return faces;
}

}  // namespace

void PrepareUiFamily() {
    auto& job = SystemFacesJob();
    if (!job.valid()) job = std::async(std::launch::async, AskSystemFaces).share();
}

void PrepareFontList() {
    static std::shared_future<void> job;
    // The font list belongs to the application object's platform layer.
    if (job.valid() || !QCoreApplication::instance()) return;
    job = std::async(std::launch::async, [] {
        UiFamily();
        ArialFamily();
    }).share();
}

const QString& UiFamily() {
    static const QString family =
        ChooseUiFamily(QFontDatabase::families(), QString::fromStdString(Faces().japanese));
    return family;
}

const QString& ArialFamily() {
    static const QString family =
        Faces().arial.empty() ? QString::fromLatin1(kArial) : QString::fromStdString(Faces().arial);
    return family;
}

QFont ArialFont(int pixelSize, bool bold) {
    QFont font(ArialFamily());
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QFont UiFont(int pixelSize) {
    QFont font(UiFamily());
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    return font;
}

}  // namespace norvane
