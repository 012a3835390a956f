// The image label and its attached picture.
#include <gtest/gtest.h>

#include "gui/controls/image_label.h"
#include "render_support.h"

namespace norvane {
namespace {

class ImageLabelTest : public ::testing::Test {
protected:
    ImageLabelTest() {
        host.resize(300, 200);
        label = new TImageLabel(QStringLiteral("ラベル"), &host);
        label->setGeometry(50, 40, 60, 12);
        host.show();
        test::ProcessEvents();
    }
    QWidget host;
    TImageLabel* label;
};

TEST_F(ImageLabelTest, PictureSitsBesideTheLabelOnItsParent) {
    TImageEx* image = label->LabelImage();
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->objectName(), QStringLiteral("SubImage"));
    EXPECT_EQ(image->parentWidget(), &host);
    EXPECT_TRUE(image->isVisible());
    // 12 high with a 16-high picture on the left: three pixels above the label.
    EXPECT_EQ(image->pos(), QPoint(50 - 16 - 2, 37));

    label->SetImagePosition(ipRight);
    EXPECT_EQ(image->pos(), QPoint(112, 37));
    label->SetImageSpacing(5);
    EXPECT_EQ(image->pos(), QPoint(115, 37));
    label->SetImagePosition(ipBelow);
    EXPECT_EQ(image->pos(), QPoint(50, 57));

    // Moving the label moves the picture; resizing the picture keeps its place.
    label->move(80, 100);
    EXPECT_EQ(image->pos(), QPoint(80, 117));
    image->resize(30, 30);
    EXPECT_EQ(image->pos(), QPoint(80, 117));
}

TEST_F(ImageLabelTest, HidingAndDisablingPassToThePicture) {
    TImageEx* image = label->LabelImage();
    label->hide();
    EXPECT_FALSE(image->isVisible());
    label->show();
    EXPECT_TRUE(image->isVisible());
    label->setEnabled(false);
    EXPECT_FALSE(image->isEnabled());
    label->setEnabled(true);
    EXPECT_TRUE(image->isEnabled());
    label->setLayoutDirection(Qt::RightToLeft);
    EXPECT_EQ(image->layoutDirection(), Qt::RightToLeft);
}

TEST_F(ImageLabelTest, ReparentingTakesThePictureAlong) {
    QWidget other(&host);
    other.setGeometry(0, 0, 200, 100);
    other.show();
    label->setParent(&other);
    EXPECT_EQ(label->LabelImage()->parentWidget(), &other);
    // Hidden with the reparented label, shown with it.
    EXPECT_FALSE(label->LabelImage()->isVisible());
    label->show();
    EXPECT_TRUE(label->LabelImage()->isVisible());
}

TEST_F(ImageLabelTest, APictureDestroyedFirstIsForgotten) {
    delete label->LabelImage();
    EXPECT_EQ(label->LabelImage(), nullptr);
    label->move(10, 10);
    label->SetImagePosition(ipAbove);
    label->hide();
    delete label;  // must not touch the picture again
}

TEST(ImageLabelAlone, WithoutParentThePictureStaysHiddenAndParentless) {
    TImageLabel label(QStringLiteral("x"));
    label.show();  // a window of its own; the picture must not become one
    EXPECT_EQ(label.LabelImage()->parentWidget(), nullptr);
    EXPECT_FALSE(label.LabelImage()->isVisible());
    label.hide();
}

}  // namespace
}  // namespace norvane
