#include "platform/process_launcher.h"

#include <QProcess>

namespace norvane {
namespace {

SystemProcessLauncher g_systemLauncher;
ProcessLauncher* g_current = &g_systemLauncher;

}  // namespace

bool SystemProcessLauncher::StartDetached(const QString& program, const QStringList& arguments) {
    if (program.isEmpty()) return false;
    return QProcess::startDetached(program, arguments);
}

ProcessLauncher& processLauncher() { return *g_current; }

ScopedProcessLauncher::ScopedProcessLauncher(ProcessLauncher& launcher) : previous_(g_current) {
    g_current = &launcher;
}
ScopedProcessLauncher::~ScopedProcessLauncher() { g_current = previous_; }

}  // namespace norvane
