// Every settings dialog and every page of the options dialog, in each Japanese
// face installed and in the program's own: nothing cut, nothing overlapping,
// every caption whole. ctest runs the program at scale factors 1 and 1.5.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QFontDatabase>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTemporaryDir>
#include <functional>
#include <memory>

#include "core/settings/internet_access.h"
#include "core/time/support.h"
#include "gui/main_window/main_window.h"
#include "gui/settings/confirm_dialog.h"
#include "gui/settings/options_dialog.h"
#include "gui/settings/proxy_dialog.h"
#include "gui/settings/version_dialog.h"
#include "gui/timers/set_dialog.h"
#include "layout_check.h"
#include "platform_gui/ui_font.h"

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
QT_END_NAMESPACE

namespace norvane {
namespace {

class DialogLayoutsTest : public testing::TestWithParam<QString> {
protected:
    DialogLayoutsTest() {
        qputenv("NORVANE_SETTINGS", dir_.filePath("Norvane.reg").toUtf8());
        QApplication::setFont(QFont(GetParam()));
        main_ = std::make_unique<TfrmMain>(std::vector<std::string>{"norvane"});
        QFont face = main_->font();
        face.setFamily(GetParam());
        main_->setFont(face);
    }
    ~DialogLayoutsTest() override { QApplication::setFont(UiFont(12)); }

    // Shows `dialog` as its opener does and lists what is wrong with it.
    static void Expect(QWidget* dialog, const QString& what) {
        dialog->show();
        QApplication::processEvents();
        EXPECT_EQ(dialog->font().family(), GetParam()) << what.toStdString();
        const QStringList faults = LayoutFaults(dialog);
        EXPECT_TRUE(faults.isEmpty()) << what.toStdString() << " in " << GetParam().toStdString() << ":\n  "
                                      << faults.join(QStringLiteral("\n  ")).toStdString();
        dialog->hide();
    }

    QTemporaryDir dir_;
    std::unique_ptr<TfrmMain> main_;
};

TEST_P(DialogLayoutsTest, EveryPageOfTheOptionsDialog) {
    TfrmOpt d(main_.get());
    auto* pages = d.findChild<QTabWidget*>("pclOpt");
    ASSERT_NE(pages, nullptr);
    for (int i = 0; i < pages->count(); ++i) {
        pages->setCurrentIndex(i);
        Expect(&d, pages->tabText(i));
    }
}

TEST_P(DialogLayoutsTest, TheSetDialogForEachKindAndTheAlarmSet) {
    const struct {
        const char* what;
        std::function<void(TfrmOptSet&)> fill;
    } cases[] = {
        {"countdown", [](TfrmOptSet& d) { d.EditTimerSet(TTimerSet{true, "a", kKindCountdown, 60, {}}); }},
        // The longest value label: "敵のレベル(&L) :".
        {"chain", [](TfrmOptSet& d) { d.EditTimerSet(TTimerSet{true, "a", kKindChaintime, 10, {}}); }},
        {"alarm", [](TfrmOptSet& d) { d.EditAlarmSet(TAlarmSet{}); }},
    };
    for (const auto& c : cases) {
        TfrmOptSet d(main_.get());
        c.fill(d);
        Expect(&d, QString::fromLatin1(c.what));
    }
}

TEST_P(DialogLayoutsTest, TheProxyVersionAndEachQuestion) {
    {
        TfrmProxy d(main_.get());
        Expect(&d, QStringLiteral("proxy"));
    }
    {
        TfrmVer d(main_.get(), ProgramBuildInfo(), QString());
        Expect(&d, QStringLiteral("version"));
    }
    for (const InternetAccess* access : {&kTimeServerAccess, &kWebAccess, &kNewVersionAccess}) {
        // As the question is asked: the window's face, then the message.
        TfrmDlg d(main_.get());
        QFont face = d.font();
        face.setFamily(GetParam());
        d.setFont(face);
        d.SetMessage(QString::fromUtf8(access->caption), QString::fromUtf8(access->message));
        Expect(&d, QString::fromLatin1(access->ask->name));
    }
}

INSTANTIATE_TEST_SUITE_P(Faces, DialogLayoutsTest, testing::ValuesIn(JapaneseFaces()), FaceTestName);

}  // namespace
}  // namespace norvane
