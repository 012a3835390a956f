#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QScrollBar>
#include <QSet>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTimer>

#include <gtest/gtest.h>

#include "core/schedules/forecast.h"
#include "core/time/support.h"
#include "gui/art/pictures.h"
#include "gui/forecast/moon_ring.h"
#include "gui/main_window/help_viewer.h"

namespace norvane {
namespace {

// ---- Help viewer ----

class HelpViewerTest : public ::testing::Test {
protected:
    QString Write(const QString& name, const QByteArray& bytes) {
        const QString path = dir_.filePath(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path;
    }
    void TearDown() override {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (qobject_cast<THelpViewer*>(w)) delete w;
    }
    QTemporaryDir dir_;
};

TEST_F(HelpViewerTest, ShowsHtmlAndPlainTextInUtf8) {
    QString error;
    THelpViewer* viewer = OpenHelpFile(
        nullptr, Write("help.html", "\xEF\xBB\xBF<html><body><h1>使い方</h1><p>時計</p></body></html>"), 0, &error);
    ASSERT_NE(viewer, nullptr) << error.toStdString();
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_TRUE(viewer->txtHelp->toPlainText().startsWith(QStringLiteral("使い方")));

    // Plain text is shown as it stands, markup-like characters included; the
    // viewer already open is reused.
    THelpViewer* again = OpenHelpFile(nullptr, Write("help.txt", "曜日 a < b\n月齢 <b>x</b>?\n"), 0, &error);
    EXPECT_EQ(again, viewer);
    EXPECT_EQ(viewer->txtHelp->toPlainText(), QStringLiteral("曜日 a < b\n月齢 <b>x</b>?\n"));
}

TEST_F(HelpViewerTest, RefusesWhatItCannotShow) {
    QString error;
    EXPECT_EQ(OpenHelpFile(nullptr, dir_.filePath("norvane.hlp"), 0, &error), nullptr);
    EXPECT_TRUE(error.contains(QStringLiteral("見つかりません")));
    EXPECT_TRUE(error.contains(QStringLiteral("norvane.hlp")));

    // An old binary help file, and text in another encoding.
    EXPECT_EQ(OpenHelpFile(nullptr, Write("bin.hlp", QByteArray("?_\x03\x00\x00\x00\x10", 7)), 0, &error), nullptr);
    EXPECT_TRUE(error.contains(QStringLiteral("UTF-8")));
    EXPECT_EQ(OpenHelpFile(nullptr, Write("sjis.hlp", "\x8E\x9E\x8C\x76"), 0, &error), nullptr);
    EXPECT_EQ(OpenHelpFile(nullptr, dir_.path(), 0, &error), nullptr);  // a folder

    for (QWidget* w : QApplication::topLevelWidgets()) EXPECT_EQ(qobject_cast<THelpViewer*>(w), nullptr);
}

TEST_F(HelpViewerTest, MissingProgramHelpGivesAMessageBox) {
    ASSERT_FALSE(QFile::exists(QString::fromStdString(HelpFilePath(ProgramPath()))));
    QString shown;
    QTimer::singleShot(50, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown = box->text();
            box->close();
        }
    });
    ShowHelp(nullptr, 0);
    EXPECT_TRUE(shown.contains(QStringLiteral("ヘルプファイルが見つかりません。"))) << shown.toStdString();
}

TEST_F(HelpViewerTest, ShippedDocumentShowsWithEveryLinkLanding) {
    QString error;
    THelpViewer* viewer = OpenHelpFile(nullptr, QStringLiteral(NORVANE_HELP_DOCUMENT), 0, &error);
    ASSERT_NE(viewer, nullptr) << error.toStdString();
    QTextDocument* doc = viewer->txtHelp->document();
    EXPECT_EQ(doc->metaInformation(QTextDocument::DocumentTitle), QStringLiteral("Norvane ヘルプ"));
    EXPECT_TRUE(doc->toPlainText().startsWith(QStringLiteral("Norvane ヘルプ")));
    EXPECT_FALSE(doc->toPlainText().contains(QStringLiteral("</"))) << "markup shown as text";

    // What the viewer made of the markup: every in-page link must land on an
    // anchor it kept, and the places the window's messages lead to must exist.
    QSet<QString> anchors;
    QStringList links;
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            for (const QString& name : f.anchorNames()) anchors.insert(name);
            if (f.anchorHref().startsWith(QLatin1Char('#'))) links << f.anchorHref().mid(1);
        }
    EXPECT_GT(links.size(), 20);
    for (const QString& link : links) EXPECT_TRUE(anchors.contains(link)) << link.toStdString();
    for (const char* name : {"context-0", "sync", "sync-errors", "sync-permissions", "timers", "keys", "skins",
                             "settings", "terminal", "page-calendar"})
        EXPECT_TRUE(anchors.contains(QLatin1String(name))) << name;

    // Context 0, the one the network-error messages ask for, is the top, even
    // after the reader had scrolled away.
    viewer->resize(560, 480);
    QApplication::processEvents();
    QScrollBar* bar = viewer->txtHelp->verticalScrollBar();
    viewer->txtHelp->scrollToAnchor(QStringLiteral("sync-errors"));
    EXPECT_GT(bar->value(), bar->maximum() / 2);
    viewer->ShowContext(0);
    EXPECT_EQ(bar->value(), 0);
}

// ---- Pictures ----

int Bright(const QImage& img, int x0, int x1) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = x0; x < x1; ++x)
            if (qAlpha(img.pixel(x, y)) > 128 && qGray(img.pixel(x, y)) > 160) ++n;
    return n;
}

TEST(Pictures, ListsHaveTheirCountsAndSizes) {
    auto check = [](const QVector<QPixmap>& list, int count, QSize size) {
        ASSERT_EQ(list.size(), count);
        for (const QPixmap& pm : list) EXPECT_EQ(pm.size(), size);
    };
    check(WeekPictures(), 8, {32, 32});
    check(WeekGreyPictures(), 8, {32, 32});
    check(MoonPictures(), 12, {32, 32});
    check(WeekSmallPictures(), 8, {16, 16});
    check(MoonSmallPictures(), 12, {16, 16});
    check(BallistaPictures(), 3, {50, 15});
    check(ArrowPictures(), 12, {16, 16});
    EXPECT_EQ(CheckPicture().size(), QSize(16, 16));
    EXPECT_EQ(ClockPicture().size(), QSize(32, 32));
    EXPECT_EQ(LogoPicture().size(), QSize(46, 32));
    for (auto b : {SimpleButton::Exit, SimpleButton::Return, SimpleButton::Menu}) {
        EXPECT_EQ(SimpleButtonPicture(b, false).size(), QSize(15, 15));
        EXPECT_NE(SimpleButtonPicture(b, false).toImage(), SimpleButtonPicture(b, true).toImage());
    }
    EXPECT_FALSE(WindowIcon().availableSizes().isEmpty());
    const QCursor& hand = PointCursor();
    EXPECT_TRUE(QRect(QPoint(), hand.pixmap().size()).contains(hand.hotSpot()));
    EXPECT_EQ(&WeekPictures(), &WeekPictures());  // built once
}

TEST(Pictures, EveryWeekdayAndPhaseLooksDifferent) {
    for (const auto* list : {&WeekPictures(), &MoonPictures(), &BallistaPictures(), &ArrowPictures()})
        for (int i = 0; i < list->size(); ++i)
            for (int j = i + 1; j < list->size(); ++j)
                EXPECT_NE((*list)[i].toImage(), (*list)[j].toImage()) << i << " " << j;
}

TEST(Pictures, GreyWeekdaysHaveNoColour) {
    for (const QPixmap& pm : WeekGreyPictures()) {
        const QImage img = pm.toImage();
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                const QRgb p = img.pixel(x, y);
                ASSERT_TRUE(qRed(p) == qGreen(p) && qGreen(p) == qBlue(p));
            }
    }
}

TEST(Pictures, MoonWaxesFromNewToFullAndWanes) {
    const auto& moon = MoonPictures();
    std::vector<int> lit;
    for (int k = 0; k < 12; ++k) lit.push_back(Bright(moon[(k + 2) % 12].toImage(), 0, 32));  // from 新月
    EXPECT_LT(lit[0], 10);  // new moon: dark
    for (int k = 1; k <= 6; ++k) EXPECT_GT(lit[k], lit[k - 1]) << k;
    for (int k = 7; k < 12; ++k) EXPECT_LT(lit[k], lit[k - 1]) << k;
    // First quarter lit on the right, last quarter on the left.
    const QImage first = moon[5].toImage(), last = moon[11].toImage();
    EXPECT_GT(Bright(first, 16, 32), 10 * Bright(first, 0, 16) + 50);
    EXPECT_GT(Bright(last, 0, 16), 10 * Bright(last, 16, 32) + 50);
}

TEST(Pictures, RingMarkersPointAtTheirMoon) {
    const QPointF centre(111, 75);  // middle of the marker ring
    for (int i = 0; i < 12; ++i) {
        const QImage img = ArrowPictures()[i].toImage();
        // The tip is the opaque pixel farthest along the marker's direction.
        const QPointF dir = QPointF(kMoonRing[i].checkLeft + 8, kMoonRing[i].checkTop + 8) - centre;
        QPointF tip;
        qreal best = -1e9;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                if (qAlpha(img.pixel(x, y)) > 128) {
                    const qreal along = (x - 7.5) * dir.x() + (y - 7.5) * dir.y();
                    if (along > best) best = along, tip = QPointF(x - 7.5, y - 7.5);
                }
        const qreal cosine = (tip.x() * dir.x() + tip.y() * dir.y()) /
                             (std::hypot(tip.x(), tip.y()) * std::hypot(dir.x(), dir.y()));
        EXPECT_GT(cosine, 0.9) << i;
    }
}

}  // namespace
}  // namespace norvane
