// What the main window pulls into the process at start-up: the libraries that
// would only cost memory and start time are not loaded.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QMenuBar>
#include <QStyle>
#include <QTemporaryDir>
#include <QToolBar>

#include "app/app_style.h"
#include "app/main.h"

namespace norvane {
namespace {

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

}  // namespace
}  // namespace norvane
