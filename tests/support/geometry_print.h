#pragma once
// Rectangles written by their four edges, far edges exclusive, as the geometry
// rules' tables read; and readable failure output for QPoint and QRect.
#include <QPoint>
#include <QRect>
#include <QSize>
#include <ostream>

inline void PrintTo(const QPoint& p, std::ostream* os) { *os << '(' << p.x() << ", " << p.y() << ')'; }
inline void PrintTo(const QRect& r, std::ostream* os) {
    *os << '(' << r.x() << ", " << r.y() << ' ' << r.width() << 'x' << r.height() << ')';
}

namespace norvane {

inline QRect Edges(int left, int top, int right, int bottom) {
    return QRect(QPoint(left, top), QSize(right - left, bottom - top));
}

}  // namespace norvane
