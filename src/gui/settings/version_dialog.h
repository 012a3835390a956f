#pragma once
// The version dialog: the program's title, version and copyright, and a link to
// the maker's web site.
#include <QDialog>

#include "core/time/build_info.h"

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QWidget;

namespace norvane {

class TLinkLabel;

class TfrmVer : public QDialog {
    Q_OBJECT
public:
    // The program's own record and banner file (beside the executable).
    explicit TfrmVer(QWidget* parent = nullptr);
    // A given record, and the folder where "tobrinb.bmp" is looked for.
    TfrmVer(QWidget* parent, const BuildInfo& info, const QString& bannerFolder);

    // A click on the link or the banner: after the confirmation, the address
    // opens in the browser and the dialog closes.
    void lblHttpClick();
    // "コピー(&C)": the address onto the clipboard.
    void mnuOpenClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* pnlBanner;
    QLabel* imgTitle;
    TLinkLabel* imgBanner;
    QLabel* imgIcon;
    QLabel* lblTitle;
    QLabel* lblVersion;
    QLabel* lblCopy1;
    QLabel* lblCopy3;
    QLabel* lblWebsite;
    TLinkLabel* lblHttp;
    QPushButton* cmdOK;
    QMenu* pupVer;
    QAction* mnuOpen;
    QAction* mnuCancel;
};

}  // namespace norvane
