#include "gui/settings/web_commands.h"

#include <QAction>
#include <QStringList>
#include <QWidget>

#include "core/settings/internet_access.h"
#include "core/settings/version_info.h"
#include "core/time/support.h"
#include "gui/settings/confirm_dialog.h"
#include "gui/settings/version_dialog.h"
#include "platform/process_launcher.h"
#include "platform_gui/url_opener.h"

namespace norvane {

void actWebExecute(QWidget* window) {
    if (ConfirmInternetAccess(window, kWebAccess) != DialogResult::Yes) return;
    urlOpener().Open(QString::fromStdString(WebPageAddress()));
}

void actUpdateExecute(QWidget* window) {
    if (ConfirmInternetAccess(window, kNewVersionAccess) != DialogResult::Yes) return;
    const int left = window ? window->frameGeometry().left() : 0;
    const std::string& version = ProgramBuildInfo().version;
    QStringList arguments;
    for (const std::string& a : UpdateArguments(left, version)) arguments.append(QString::fromStdString(a));
    processLauncher().StartDetached(QString::fromStdString(UpdateProgramPath(ProgramFolder())), arguments);
}

void actVersionExecute(QWidget* window) {
    TfrmVer dialog(window);
    dialog.exec();
}

void ConnectWebCommands(QWidget* window, QAction* actWeb, QAction* actUpdate, QAction* actVersion) {
    QObject::connect(actWeb, &QAction::triggered, window, [window] { actWebExecute(window); });
    QObject::connect(actUpdate, &QAction::triggered, window, [window] { actUpdateExecute(window); });
    QObject::connect(actVersion, &QAction::triggered, window, [window] { actVersionExecute(window); });
}

}  // namespace norvane
