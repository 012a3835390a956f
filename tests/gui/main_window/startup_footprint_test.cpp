// What the main window pulls into the process at start-up: the libraries that
// would only cost memory and start time are not loaded.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTemporaryDir>
#include <QToolBar>

#include <algorithm>

#include "gui/art/pictures.h"
#include "gui/main_window/app_style.h"
#include "gui/main_window/main_window.h"
#include "platform_gui/ui_font.h"

namespace norvane {
namespace {

bool Blank(const QPixmap& pm) {
    const QImage image = pm.toImage();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) != 0) return false;
    return true;
}

// First in this file: nothing may have drawn the pictures before.
TEST(StartupPictures, DrawnAheadOnAWorkerAndHandedOverOnFirstUse) {
    PrepareStartupPictures(3, 5);
    PrepareStartupPictures(6, 7);  // once per process: this one changes nothing
    EXPECT_EQ(ClockPicture().size(), QSize(32, 32));
    EXPECT_FALSE(Blank(ClockPicture()));
    EXPECT_EQ(LogoPicture().size(), QSize(46, 32));
    EXPECT_FALSE(Blank(LogoPicture()));
    EXPECT_EQ(SimpleButtonPicture(SimpleButton::Menu, true).size(), QSize(15, 15));
    EXPECT_EQ(WindowIcon().availableSizes().size(), 4);
    // The icon's 32-pixel face is the clock picture itself.
    EXPECT_EQ(WindowIcon().pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32),
              ClockPicture().toImage().convertToFormat(QImage::Format_ARGB32));
    // The prepared weekday and moon, and any other one drawn on demand, all differ.
    const QImage week3 = WeekPicture(3).toImage(), week6 = WeekPicture(6).toImage();
    EXPECT_EQ(week3.size(), QSize(32, 32));
    EXPECT_EQ(week6.size(), QSize(32, 32));
    EXPECT_NE(week3, week6);
    EXPECT_EQ(WeekPictures().value(3).toImage(), week3);
    EXPECT_FALSE(Blank(MoonPicture(5)));
    EXPECT_NE(MoonPicture(5).toImage(), MoonPicture(7).toImage());
    EXPECT_TRUE(WeekPicture(8).isNull());
    EXPECT_TRUE(MoonPicture(-1).isNull());
}

QString Maps() {
    QFile f("/proc/self/maps");
    return f.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(f.readAll()) : QString();
}

TEST(StartupFootprint, MainWindowLoadsNoImagePluginsAndNoNetworkStack) {
    QTemporaryDir dir;
    qputenv("NORVANE_SETTINGS", dir.filePath("Norvane.reg").toUtf8());
    InstallAppStyle();
    {
        TfrmMain frmMain({"norvane"});
        frmMain.show();
        QToolBar bar;  // a tool bar asks for the same extension arrows
        bar.show();
    }
    const QString maps = Maps();
    ASSERT_FALSE(maps.isEmpty());
    EXPECT_FALSE(maps.contains("/imageformats/")) << "an image-format plugin was loaded";
    EXPECT_FALSE(maps.contains("libQt6Network")) << "the network module was loaded";
    EXPECT_FALSE(maps.contains("libnorvane_timedate")) << "the clock setter's D-Bus module was loaded";
    EXPECT_FALSE(maps.contains("libnorvane_notify")) << "the notifications' D-Bus module was loaded";
}

TEST(AppStyle, ExtensionArrowsAreDrawnAndOtherIconsComeFromTheStyle) {
    InstallAppStyle();
    InstallAppStyle();  // once is enough; a second call keeps the same style
    auto* style = qobject_cast<TAppStyle*>(QApplication::style());
    ASSERT_NE(style, nullptr);
    for (auto sp : {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton}) {
        const QImage image = style->standardIcon(sp).pixmap(16, 16).toImage();
        ASSERT_FALSE(image.isNull());
        int inked = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) inked += qAlpha(image.pixel(x, y)) > 0;
        EXPECT_GT(inked, 10) << sp;
    }
    const QImage right = style->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton).pixmap(16, 16).toImage();
    const QImage down = style->standardIcon(QStyle::SP_ToolBarVerticalExtensionButton).pixmap(16, 16).toImage();
    EXPECT_NE(right, down);
}

// The rows of a choice box's list hold their glyphs, the top row's too: the
// Japanese glyphs may come from a taller font than the face's first.
TEST(AppStyle, ChoiceListRowsHoldTheirText) {
    InstallAppStyle();
    QComboBox box;
    box.setFont(UiFont(12));
    box.addItems({QStringLiteral("ヒューム♂"), QStringLiteral("エルヴァーン♀"), QStringLiteral("ガルカ"),
                  QStringLiteral("jp.pool.ntp.org")});
    box.ensurePolished();
    QAbstractItemView* list = box.view();
    for (int i = 0; i < box.count(); ++i) {
        QStyleOptionViewItem option;
        option.initFrom(list);
        option.font = list->font();
        const QModelIndex index = box.model()->index(i, 0);
        const int row = box.itemDelegate()->sizeHint(option, index).height();
        const int ink = QFontMetrics(list->font()).boundingRect(box.itemText(i)).height();
        EXPECT_GE(row, ink + kChoiceRowLeading) << box.itemText(i).toStdString();
    }
}

// Under the C locale, as a desktop without Japanese settings starts the program.
TEST(AppStyle, QtsOwnDialogsSpeakJapaneseAndDrawInTheWindowsProportionalFace) {
    QLocale::setDefault(QLocale::c());
    InstallAppStyle();
    InstallJapaneseUi();
    InstallJapaneseUi();  // once is enough

    auto japanese = [](const QString& text) {
        return std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 0x3000; });
    };
    auto proportional = [](const QFont& font) {
        const QFontMetrics fm(font);
        return fm.horizontalAdvance(QStringLiteral("iiii")) < fm.horizontalAdvance(QStringLiteral("WWWW"));
    };

    QMessageBox box(QMessageBox::Question, QStringLiteral("Norvane"), QStringLiteral("?"),
                    QMessageBox::Yes | QMessageBox::No);
    for (auto b : {QMessageBox::Yes, QMessageBox::No})
        EXPECT_TRUE(japanese(box.button(b)->text())) << box.button(b)->text().toStdString();
    EXPECT_EQ(QFontInfo(box.font()).family(), UiFamily());
    EXPECT_TRUE(proportional(box.button(QMessageBox::Yes)->font()));

    QFileDialog files;
    files.setOption(QFileDialog::DontUseNativeDialog);
    for (const char* name : {"lookInLabel", "fileNameLabel", "fileTypeLabel"}) {
        auto* label = files.findChild<QLabel*>(name);
        ASSERT_NE(label, nullptr) << name;
        EXPECT_TRUE(japanese(label->text())) << name << ": " << label->text().toStdString();
        EXPECT_EQ(QFontInfo(label->font()).family(), UiFamily()) << name;
    }
    auto* buttons = files.findChild<QDialogButtonBox*>("buttonBox");
    ASSERT_NE(buttons, nullptr);
    for (QAbstractButton* b : buttons->buttons()) EXPECT_TRUE(japanese(b->text())) << b->text().toStdString();
    EXPECT_TRUE(proportional(files.font()));
}

}  // namespace
}  // namespace norvane
