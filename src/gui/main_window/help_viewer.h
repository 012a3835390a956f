#pragma once
// The help viewer: a small window showing the help file beside the program,
// read as UTF-8: HTML when it starts with "<!DOCTYPE html" or "<html", else
// plain text.
#include <QString>
#include <QWidget>

class QTextBrowser;

namespace norvane {

class THelpViewer : public QWidget {
    Q_OBJECT
public:
    explicit THelpViewer(QWidget* parent = nullptr);

    // Reads the file; false, with a message for the user in `error`, when it
    // is missing, unreadable or not text.
    bool LoadFile(const QString& path, QString* error);
    // Context 0 is the start of the document; context N an anchor "context-N"
    // when the document has one, else the start too.
    void ShowContext(int context);
    // A named place of the document ("options-timer"); empty for its start. A
    // name the document lacks shows the start too.
    void ShowTopic(const QString& anchor);

    QTextBrowser* txtHelp;

    static constexpr qint64 kMaxFileSize = 8 * 1024 * 1024;
};

// Loads `path` into the viewer, reusing the one already open, and shows it.
// nullptr, with the message in `error`, when the file cannot be shown.
THelpViewer* OpenHelpFile(QWidget* parent, const QString& path, int context, QString* error);
THelpViewer* OpenHelpFile(QWidget* parent, const QString& path, const QString& anchor, QString* error);

// Shows the program's help file at `context`; a file that cannot be shown
// gives a message box.
void ShowHelp(QWidget* parent, int context);
// The same at a named place of the help file.
void ShowHelpTopic(QWidget* parent, const QString& anchor);

// The program's help file: "norvane.hlp" beside the program.
QString HelpDocumentPath();

// Points HelpDocumentPath elsewhere while alive (tests).
class ScopedHelpDocument {
public:
    explicit ScopedHelpDocument(const QString& path);
    ~ScopedHelpDocument();
    ScopedHelpDocument(const ScopedHelpDocument&) = delete;
    ScopedHelpDocument& operator=(const ScopedHelpDocument&) = delete;

private:
    QString previous_;
};

}  // namespace norvane
