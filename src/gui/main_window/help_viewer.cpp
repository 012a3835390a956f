#include "gui/main_window/help_viewer.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QScrollBar>
#include <QStringDecoder>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "core/time/support.h"
#include "gui/main_window/user_messages.h"

namespace norvane {

THelpViewer::THelpViewer(QWidget* parent) : QWidget(parent, Qt::Window), txtHelp(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(QStringLiteral("Norvane ヘルプ"));
    setAttribute(Qt::WA_DeleteOnClose);
    txtHelp->setObjectName(QStringLiteral("txtHelp"));
    txtHelp->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(txtHelp);
    resize(560, 480);
}

bool THelpViewer::LoadFile(const QString& path, QString* error) {
    auto fail = [&](const QString& what) {
        if (error) *error = what + QLatin1Char('\n') + QDir::toNativeSeparators(path);
        return false;
    };
    QFileInfo info(path);
    if (!info.exists() || !info.isFile()) return fail(QStringLiteral("ヘルプファイルが見つかりません。"));
    if (info.size() > kMaxFileSize) return fail(QStringLiteral("ヘルプファイルが大きすぎます。"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return fail(QStringLiteral("ヘルプファイルを開けません。"));
    const QByteArray bytes = file.read(kMaxFileSize + 1);
    if (bytes.size() > kMaxFileSize) return fail(QStringLiteral("ヘルプファイルが大きすぎます。"));

    // Anything that is not clean UTF-8 text (an old binary help file, say) is
    // refused rather than shown as garbage.
    QStringDecoder decode(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decode(bytes);
    if (decode.hasError() || bytes.contains('\0'))
        return fail(QStringLiteral("ヘルプファイルを表示できません (UTF-8 のテキストではありません)。"));
    if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);

    txtHelp->setSearchPaths({info.absolutePath()});
    // HTML only when the document says so at its start; guessing from tags
    // would turn a plain text that mentions "<b>" into markup.
    const QString head = text.left(64).trimmed();
    if (head.startsWith(QLatin1String("<!doctype html"), Qt::CaseInsensitive) ||
        head.startsWith(QLatin1String("<html"), Qt::CaseInsensitive))
        txtHelp->setHtml(text);
    else
        txtHelp->setPlainText(text);
    return true;
}

namespace {

QString& HelpDocumentOverride() {
    static QString path;
    return path;
}

QString ContextAnchor(int context) {
    return context == 0 ? QString() : QStringLiteral("context-%1").arg(context);
}

}  // namespace

void THelpViewer::ShowContext(int context) { ShowTopic(ContextAnchor(context)); }

void THelpViewer::ShowTopic(const QString& anchor) {
    txtHelp->verticalScrollBar()->setValue(0);
    txtHelp->horizontalScrollBar()->setValue(0);
    if (!anchor.isEmpty()) txtHelp->scrollToAnchor(anchor);
}

THelpViewer* OpenHelpFile(QWidget* parent, const QString& path, int context, QString* error) {
    return OpenHelpFile(parent, path, ContextAnchor(context), error);
}

THelpViewer* OpenHelpFile(QWidget* parent, const QString& path, const QString& anchor, QString* error) {
    // One viewer at a time; a second request reloads and raises it.
    static QPointer<THelpViewer> viewer;
    const bool fresh = viewer.isNull();
    if (fresh) viewer = new THelpViewer(parent);
    if (!viewer->LoadFile(path, error)) {
        if (fresh) delete viewer.data();
        return nullptr;
    }
    viewer->show();
    viewer->ShowTopic(anchor);
    viewer->raise();
    viewer->activateWindow();
    return viewer.data();
}

void ShowHelp(QWidget* parent, int context) { ShowHelpTopic(parent, ContextAnchor(context)); }

void ShowHelpTopic(QWidget* parent, const QString& anchor) {
    QString error;
    if (!OpenHelpFile(parent, HelpDocumentPath(), anchor, &error)) WarnUser(parent, error);
}

QString HelpDocumentPath() {
    const QString& other = HelpDocumentOverride();
    return other.isEmpty() ? QString::fromStdString(HelpFilePath(ProgramPath())) : other;
}

ScopedHelpDocument::ScopedHelpDocument(const QString& path) : previous_(HelpDocumentOverride()) {
    HelpDocumentOverride() = path;
}

ScopedHelpDocument::~ScopedHelpDocument() { HelpDocumentOverride() = previous_; }

}  // namespace norvane
