#include "gui/controls/control_geometry.h"

#include <algorithm>
#include <array>

namespace norvane {

namespace {

// The cut of a top-left corner, clockwise. The other corners mirror it.
constexpr std::array<QPoint, 6> kCutTopLeft = {QPoint(0, 5), QPoint(1, 4), QPoint(1, 3),
                                               QPoint(3, 1), QPoint(4, 1), QPoint(5, 0)};

}  // namespace

void AppendCorner(std::vector<QPoint>& vertices, RoundKind corner, QPoint pixel, bool cut) {
    if (!cut) {
        vertices.push_back(pixel);
        return;
    }
    // Walking clockwise, the top-right and bottom-left corners meet the cut
    // from the other end, so they take the offsets in reverse.
    switch (corner) {
    case rkTopLeft:
        for (const QPoint& d : kCutTopLeft) vertices.push_back(pixel + d);
        break;
    case rkTopRight:
        for (auto it = kCutTopLeft.rbegin(); it != kCutTopLeft.rend(); ++it)
            vertices.push_back(pixel + QPoint(-it->x(), it->y()));
        break;
    case rkBottomRight:
        for (const QPoint& d : kCutTopLeft) vertices.push_back(pixel - d);
        break;
    case rkBottomLeft:
        for (auto it = kCutTopLeft.rbegin(); it != kCutTopLeft.rend(); ++it)
            vertices.push_back(pixel + QPoint(it->x(), -it->y()));
        break;
    }
}

std::vector<QPoint> CutCornerOutline(const QRect& r, RoundKinds cut) {
    std::vector<QPoint> v;
    v.reserve(24);
    AppendCorner(v, rkTopLeft, r.topLeft(), cut.testFlag(rkTopLeft));
    AppendCorner(v, rkTopRight, r.topRight(), cut.testFlag(rkTopRight));
    AppendCorner(v, rkBottomRight, r.bottomRight(), cut.testFlag(rkBottomRight));
    AppendCorner(v, rkBottomLeft, r.bottomLeft(), cut.testFlag(rkBottomLeft));
    return v;
}

QRect PanelBody(QSize client, int edgeSpacing) {
    return QRect(QPoint(edgeSpacing, edgeSpacing),
                 QPoint(client.width() - edgeSpacing - 1, client.height() - edgeSpacing - 1));
}

QPoint PanelCaptionOrigin(TAlignment alignment, QSize client, QSize text, int edgeSpacing,
                          int borderWidth, RoundKinds round) {
    const int inset = edgeSpacing + borderWidth;
    int x = 0;
    switch (alignment) {
    case taCenter:
        x = (client.width() - text.width()) / 2 + 1;
        break;
    case taLeftJustify:
        // Keep clear of a rounded corner on that side.
        x = inset + ((round & (rkTopLeft | rkBottomLeft)) ? 9 : 2);
        break;
    case taRightJustify:
        x = client.width() - text.width() - inset -
            ((round & (rkTopRight | rkBottomRight)) ? 7 : 1);
        break;
    }
    return QPoint(x, (client.height() - text.height()) / 2 + 1);
}

QSize PanelAutoSize(QSize current, TAlign align, QSize text, int edgeSpacing, int borderWidth) {
    const int s = 2 * edgeSpacing + 2 * borderWidth;
    QSize size = current;
    if (align == alNone || align == alLeft || align == alRight)
        size.setWidth(std::max(s + text.width() + 16, s + 24));
    if (align == alNone || align == alTop || align == alBottom)
        size.setHeight(std::max(s + text.height() + 7, s + 19));
    return size;
}

QPoint SubImagePosition(TImagePosition position, const QRect& label, QSize image, int spacing) {
    const int sideTop = label.top() + (label.height() - image.height()) / 2 - 1;
    switch (position) {
    case ipAbove:
        return QPoint(label.left(), label.top() - image.height() - spacing);
    case ipBelow:
        return QPoint(label.left(), label.top() + label.height() + spacing);
    case ipLeft:
        return QPoint(label.left() - image.width() - spacing, sideTop);
    case ipRight:
        break;
    }
    return QPoint(label.left() + label.width() + spacing, sideTop);
}

QRect TabStripRect(TTabPosition position, QSize client, int tabLength) {
    const int cw = client.width();
    const int ch = client.height();
    switch (position) {
    case tpTop:
        return QRect(0, 0, cw, tabLength);
    case tpBottom:
        return QRect(0, ch - tabLength, cw, tabLength);
    case tpLeft:
        return QRect(0, 0, tabLength, ch);
    case tpRight:
        break;
    }
    return QRect(cw - tabLength, 0, tabLength, ch);
}

QRect PageBodyRect(TTabPosition position, QSize client, int tabLength) {
    const int cw = client.width();
    const int ch = client.height();
    const int tl = tabLength;
    switch (position) {
    case tpTop:
        return QRect(0, tl - 1, cw, ch - tl + 1);
    case tpBottom:
        return QRect(0, 0, cw, ch - tl + 1);
    case tpLeft:
        return QRect(tl - 1, 0, cw - tl + 1, ch);
    case tpRight:
        break;
    }
    return QRect(0, 0, cw - tl + 1, ch);
}

QRect PageRect(TTabPosition position, QSize client, int pageBorder, int tabLength) {
    const int cw = client.width();
    const int ch = client.height();
    const int pb = pageBorder;
    const int tl = tabLength;
    QRect r;
    switch (position) {
    case tpTop:
        r = QRect(pb, pb + tl - 1, cw - 2 * pb, ch - tl - 2 * pb + 1);
        break;
    case tpBottom:
        r = QRect(pb, pb, cw - 2 * pb, ch - tl - 2 * pb + 1);
        break;
    case tpLeft:
        r = QRect(pb + tl - 1, pb, cw - tl - 2 * pb + 1, ch - 2 * pb);
        break;
    case tpRight:
        r = QRect(pb, pb, cw - tl - 2 * pb + 1, ch - 2 * pb);
        break;
    }
    // A control smaller than its borders leaves its pages empty, not inverted.
    r.setWidth(std::max(0, r.width()));
    r.setHeight(std::max(0, r.height()));
    return r;
}

RoundKinds BodyCutCorners(TTabPosition position, bool panelStyle, RoundKinds edgeRound) {
    RoundKinds square;
    switch (position) {
    case tpTop:
        square = panelStyle ? (rkTopLeft | rkTopRight) : RoundKinds(rkTopLeft);
        break;
    case tpBottom:
        square = panelStyle ? (rkBottomLeft | rkBottomRight) : RoundKinds(rkBottomLeft);
        break;
    case tpLeft:
        square = panelStyle ? (rkTopLeft | rkBottomLeft) : RoundKinds(rkTopLeft);
        break;
    case tpRight:
        square = panelStyle ? (rkTopRight | rkBottomRight) : RoundKinds(rkTopRight);
        break;
    }
    return edgeRound & ~square;
}

RoundKinds StripCutCorners(TTabPosition position, RoundKinds edgeRound) {
    RoundKinds outer;
    switch (position) {
    case tpTop:
        outer = rkTopLeft | rkTopRight;
        break;
    case tpBottom:
        outer = rkBottomLeft | rkBottomRight;
        break;
    case tpLeft:
        outer = rkTopLeft | rkBottomLeft;
        break;
    case tpRight:
        outer = rkTopRight | rkBottomRight;
        break;
    }
    return edgeRound & outer;
}

RoundKinds TabCutCorners(TTabPosition position, bool panelStyle, bool firstTab, RoundKinds edgeRound) {
    if (!panelStyle) return StripCutCorners(position, edgeRound);
    if (!firstTab) return {};
    switch (position) {
    case tpTop:
    case tpLeft:
        return edgeRound & rkTopLeft;
    case tpRight:
        return edgeRound & rkTopRight;
    case tpBottom:
        break;
    }
    return edgeRound & rkBottomLeft;
}

LineSegment StripBodyLine(TTabPosition position, QSize strip, int tabLength, RoundKinds edgeRound) {
    const int w = strip.width();
    const int h = strip.height();
    const int tl = tabLength;
    // Stop short of the body's cut far corner, which the page control draws.
    switch (position) {
    case tpTop:
        return {QPoint(0, tl - 1), QPoint(edgeRound.testFlag(rkTopRight) ? w - 5 : w, tl - 1)};
    case tpBottom:
        return {QPoint(0, 0), QPoint(edgeRound.testFlag(rkBottomRight) ? w - 5 : w, 0)};
    case tpLeft:
        return {QPoint(tl - 1, 0), QPoint(tl - 1, edgeRound.testFlag(rkBottomLeft) ? h - 5 : h)};
    case tpRight:
        break;
    }
    return {QPoint(0, 0), QPoint(0, edgeRound.testFlag(rkBottomRight) ? h - 5 : h)};
}

QRect TabRect(TTabPosition position, int offset, int length, int tabLength) {
    if (position == tpTop || position == tpBottom)
        return QRect(QPoint(offset, 0), QPoint(offset + length - 1, tabLength - 1));
    return QRect(QPoint(0, offset), QPoint(tabLength - 1, offset + length - 1));
}

std::vector<QRect> TabRects(TTabPosition position, const std::vector<int>& textWidths, int tabLength) {
    std::vector<QRect> rects;
    rects.reserve(textWidths.size());
    int offset = 0;
    for (int textWidth : textWidths) {
        const int length = textWidth + 16;
        rects.push_back(TabRect(position, offset, length, tabLength));
        offset += length - 1;
    }
    return rects;
}

LineSegment TabOpening(TTabPosition position, const QRect& tab) {
    switch (position) {
    case tpTop:
        return {QPoint(tab.left() + 1, tab.bottom()), QPoint(tab.right(), tab.bottom())};
    case tpBottom:
        return {QPoint(tab.left() + 1, tab.top()), QPoint(tab.right(), tab.top())};
    case tpLeft:
        return {QPoint(tab.right(), tab.top() + 1), QPoint(tab.right(), tab.bottom())};
    case tpRight:
        break;
    }
    return {QPoint(tab.left(), tab.top() + 1), QPoint(tab.left(), tab.bottom())};
}

QPoint TabCaptionOrigin(TTabPosition position, const QRect& tab, int tabLength, QSize text) {
    const int across = (tabLength - text.height()) / 2;
    switch (position) {
    case tpTop:
    case tpBottom:
        return QPoint(tab.left() + 8, across + 1);
    case tpLeft:
        // Reads upwards, so it starts at the tab's far end.
        return QPoint(across, tab.top() + text.width() + 8);
    case tpRight:
        break;
    }
    return QPoint(across + text.height(), tab.top() + 8);
}

QPoint TitleGroupOrigin(TAlignment alignment, TButtonLayout layout, QSize client) {
    int x = 0;
    if (alignment == taRightJustify)
        x = client.width() - kTitleGroupWidth;
    else if (alignment == taCenter)
        x = (client.width() - kTitleGroupWidth) / 2;
    int y = 0;
    if (layout == blsCenter)
        y = (client.height() - kTitleButtonSize) / 2;
    else if (layout == blsBottom)
        y = client.height() - kTitleButtonSize;
    return QPoint(x, y);
}

bool TitleButtonHit(QPoint pos, QSize size) {
    return pos.x() >= 0 && pos.x() < size.width() && pos.y() >= 0 && pos.y() <= size.height();
}

}  // namespace norvane
