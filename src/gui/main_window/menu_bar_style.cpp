#include "gui/main_window/menu_bar_style.h"

#include <algorithm>

#include <QMenuBar>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOptionMenuItem>

namespace norvane {

namespace {

constexpr int kGap = 2;  // between the picture and the caption

class TMenuBarStyle : public QProxyStyle {
public:
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
        if (element != CE_MenuBarItem || !item || item->icon.isNull()) {
            QProxyStyle::drawControl(element, option, painter, widget);
            return;
        }
        // The item's background and highlight as the style draws them, then the
        // picture at the left and the caption after it.
        QStyleOptionMenuItem bare = *item;
        bare.icon = QIcon();
        bare.text.clear();
        QProxyStyle::drawControl(element, &bare, painter, widget);

        const int extent = pixelMetric(PM_SmallIconSize, option, widget);
        const QSize content = ContentSize(*item, extent);
        QRect r(QPoint(0, 0), content);
        r.moveCenter(item->rect.center());
        const QIcon::Mode mode = item->state & State_Enabled ? QIcon::Normal : QIcon::Disabled;
        const QPixmap pix = item->icon.pixmap(QSize(extent, extent), painter->device()->devicePixelRatio(), mode);
        drawItemPixmap(painter, QRect(r.left(), r.top(), extent, r.height()), Qt::AlignCenter, pix);
        int align = Qt::AlignVCenter | Qt::AlignLeft | Qt::TextShowMnemonic | Qt::TextDontClip | Qt::TextSingleLine;
        if (!styleHint(SH_UnderlineShortcut, option, widget)) align |= Qt::TextHideMnemonic;
        drawItemText(painter, r.adjusted(extent + kGap, 0, 0, 0), align, item->palette, item->state & State_Enabled,
                     item->text, QPalette::ButtonText);
    }

    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override {
        const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
        if (type != CT_MenuBarItem || !item || item->icon.isNull())
            return QProxyStyle::sizeFromContents(type, option, size, widget);
        // The bar measured the picture alone.
        return QProxyStyle::sizeFromContents(type, option, ContentSize(*item, pixelMetric(PM_SmallIconSize, option, widget)),
                                             widget);
    }

private:
    static QSize ContentSize(const QStyleOptionMenuItem& item, int extent) {
        const QSize text = item.fontMetrics.size(Qt::TextShowMnemonic | Qt::TextSingleLine, item.text);
        return {extent + kGap + text.width(), std::max(extent, text.height())};
    }
};

}  // namespace

void ShowPicturesBesideCaptions(QMenuBar* bar) {
    auto* style = new TMenuBarStyle;
    style->setParent(bar);
    bar->setStyle(style);
}

}  // namespace norvane
