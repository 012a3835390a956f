#include "platform_gui/url_opener.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QUrl>

namespace norvane {
namespace {

DesktopUrlOpener g_desktopOpener;
UrlOpener* g_current = &g_desktopOpener;

}  // namespace

bool DesktopUrlOpener::Open(const QString& address) {
    if (QGuiApplication::instance() == nullptr) return false;
    // A bare "www.example.com" is taken as a web address, not as a file.
    const QUrl url = QUrl::fromUserInput(address.trimmed());
    if (!url.isValid()) return false;
    return QDesktopServices::openUrl(url);
}

UrlOpener& urlOpener() { return *g_current; }

ScopedUrlOpener::ScopedUrlOpener(UrlOpener& opener) : previous_(g_current) { g_current = &opener; }
ScopedUrlOpener::~ScopedUrlOpener() { g_current = previous_; }

}  // namespace norvane
