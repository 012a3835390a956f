#pragma once
// Where the custom controls put things: caption origins, automatic sizes, the
// outlines of cut corners, page and tab rectangles and the title-button group.
// Plain functions of sizes and settings, so that layout can be checked without
// painting anything. QtCore value types only.
#include <QFlags>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <vector>

namespace norvane {

// Horizontal placement of a caption or of a group of controls.
enum TAlignment { taLeftJustify, taRightJustify, taCenter };

// How a control is docked in its parent. Only consulted by automatic sizing,
// which leaves alone the dimensions that docking decides.
enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };

// Corners of a rectangle that are drawn rounded (edge panel) or cut (outlines).
enum RoundKind { rkTopLeft = 0x1, rkTopRight = 0x2, rkBottomLeft = 0x4, rkBottomRight = 0x8 };
Q_DECLARE_FLAGS(RoundKinds, RoundKind)
Q_DECLARE_OPERATORS_FOR_FLAGS(RoundKinds)
constexpr RoundKinds kAllCorners = RoundKinds(rkTopLeft | rkTopRight | rkBottomLeft | rkBottomRight);

enum TTabPosition { tpTop, tpBottom, tpLeft, tpRight };
enum TImagePosition { ipAbove, ipBelow, ipLeft, ipRight };
enum TButtonLayout { blsTop, blsCenter, blsBottom };

// ---- Outlines -------------------------------------------------------------

// Appends the vertices one corner contributes to a clockwise outline: the corner
// pixel itself, or, when cut, six vertices that shave it off diagonally.
void AppendCorner(std::vector<QPoint>& vertices, RoundKind corner, QPoint pixel, bool cut);

// Clockwise outline (top-left, top-right, bottom-right, bottom-left) of the
// inclusive rectangle `r` with the corners in `cut` cut.
std::vector<QPoint> CutCornerOutline(const QRect& r, RoundKinds cut);

// ---- Edge and line panels -------------------------------------------------

// Body of a panel: the client area less the edge margin, corners inclusive.
QRect PanelBody(QSize client, int edgeSpacing);

// Top-left of the caption text in client coordinates.
QPoint PanelCaptionOrigin(TAlignment alignment, QSize client, QSize text, int edgeSpacing,
                          int borderWidth, RoundKinds round);

// Size the panel takes with automatic sizing on, for the caption's text size.
QSize PanelAutoSize(QSize current, TAlign align, QSize text, int edgeSpacing, int borderWidth);

// ---- Image label ----------------------------------------------------------

// Top-left of a label's attached image. The side positions are centred one
// pixel higher than exact, so the picture lines up with the text's cap height.
QPoint SubImagePosition(TImagePosition position, const QRect& label, QSize image, int spacing);

// ---- Line page control ----------------------------------------------------

// The docked tab strip, in the page control's client coordinates.
QRect TabStripRect(TTabPosition position, QSize client, int tabLength);
// The body: the client area less the strip, plus the row or column it shares with it.
QRect PageBodyRect(TTabPosition position, QSize client, int tabLength);
// Where every page sits.
QRect PageRect(TTabPosition position, QSize client, int pageBorder, int tabLength);

// Body corners that are cut: those of `edgeRound` that the tabs leave free.
RoundKinds BodyCutCorners(TTabPosition position, bool panelStyle, RoundKinds edgeRound);
// Panel style: strip corners that are cut, those on the strip's outer side.
RoundKinds StripCutCorners(TTabPosition position, RoundKinds edgeRound);
// Corners cut on one tab. Normal style: the two away from the body; panel
// style: only the first tab's outer corner at the strip's start.
RoundKinds TabCutCorners(TTabPosition position, bool panelStyle, bool firstTab, RoundKinds edgeRound);

// Normal style: the body's outline segment that the strip draws along its body
// side; `to` is excluded like any line end.
struct LineSegment {
    QPoint from;
    QPoint to;
};
LineSegment StripBodyLine(TTabPosition position, QSize strip, int tabLength, RoundKinds edgeRound);

// Inclusive rectangle of a tab `length` long starting `offset` along the strip.
QRect TabRect(TTabPosition position, int offset, int length, int tabLength);
// Tab rectangles for captions of the given text widths: each is width + 16 long
// and neighbours share one pixel.
std::vector<QRect> TabRects(TTabPosition position, const std::vector<int>& textWidths, int tabLength);
// The active tab's body-side edge from its second pixel to (excluding) its last:
// overdrawn in the tab colour so that the tab opens into the page.
LineSegment TabOpening(TTabPosition position, const QRect& tab);
// Start of a tab caption. For tpLeft and tpRight this is the origin of text
// rotated by 90 and 270 degrees respectively.
QPoint TabCaptionOrigin(TTabPosition position, const QRect& tab, int tabLength, QSize text);

// ---- Title buttons --------------------------------------------------------

constexpr int kTitleButtonSize = 15;
constexpr int kTitleGroupWidth = 3 * kTitleButtonSize + 6;
// Left offsets of the minimize, maximize and close buttons within the group.
constexpr int kTitleButtonOffsets[3] = {0, 17, 36};

QPoint TitleGroupOrigin(TAlignment alignment, TButtonLayout layout, QSize client);
// A title button counts a release as a click inside 0 <= x < width and
// 0 <= y <= height: the row just below the button still counts.
bool TitleButtonHit(QPoint pos, QSize size);

}  // namespace norvane
