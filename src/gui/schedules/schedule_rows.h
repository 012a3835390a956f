#pragma once
// The rows of a schedule page as Qt layouts. A page is a column of sections
// (a header band and the rows under it, with the frames over them); a row's
// controls sit in the page's columns, whose spans a rule of the page gives for
// the row's width, so that every row of a section lines up however wide the
// box is and a face that needs more height only changes the row heights.
#include <QLayout>
#include <QMargins>
#include <QWidget>
#include <functional>
#include <vector>

namespace norvane {

class TShape;

// A column of a row: its left edge and width, in the row's coordinates.
struct ColumnSpan {
    int left = 0;
    int width = 0;
};
// The columns for a row `width` pixels wide, indexed as the page adds controls.
using ColumnRule = std::function<std::vector<ColumnSpan>(int width)>;

// Places each control in its column, as Qt's layouts place a control in its
// cell: without a horizontal alignment it fills the column less the margins,
// with one it keeps its own width and is placed by it; vertically likewise
// within the row. A control's own size is the one it had when added:
// the page sizes its labels to their design texts, and later texts must not
// move anything. Each control is held at the size it is given, so that writing
// a label on a clock tick never asks for a new layout.
class TColumnLayout : public QLayout {
public:
    // The whole row, whatever the rule: a band or stripe behind the controls.
    static constexpr int kWholeRow = -1;

    explicit TColumnLayout(QWidget* row, ColumnRule rule);
    ~TColumnLayout() override;

    void Add(QWidget* widget, int column, Qt::Alignment how = {}, QMargins margins = {});
    void Add(QLayout* layout, int column, Qt::Alignment how, QMargins margins = {});
    // Moves a control already added to another place.
    void SetPlace(QWidget* widget, int column, Qt::Alignment how, QMargins margins = {});
    const ColumnRule& Rule() const { return rule_; }

    void addItem(QLayoutItem* item) override;
    int count() const override { return static_cast<int>(cells_.size()); }
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    Qt::Orientations expandingDirections() const override { return Qt::Horizontal; }
    void setGeometry(const QRect& rect) override;

private:
    struct Cell {
        QLayoutItem* item;
        int column;
        Qt::Alignment how;
        QMargins margins;
        QSize size;
    };
    void Insert(QLayoutItem* item, int column, Qt::Alignment how, QMargins margins, QSize size);

    ColumnRule rule_;
    std::vector<Cell> cells_;
};

// A row of fixed height whose controls a TColumnLayout places; with a band,
// the band fills it behind them.
class TScheduleRow : public QWidget {
public:
    TScheduleRow(QWidget* parent, int height, ColumnRule rule);
    TColumnLayout* Columns() const { return columns_; }
    // `band` (made on this row) fills the row behind the controls.
    void SetBand(TShape* band);
    TShape* Band() const { return band_; }

private:
    TColumnLayout* columns_;
    TShape* band_ = nullptr;
};

// A header band and its rows stacked without gaps, the frames' outlines over
// them in the columns the rule gives, the section's full height.
class TScheduleSection : public QWidget {
public:
    TScheduleSection(QWidget* parent, ColumnRule frameRule);
    // A row made on this section, of `height` pixels, placed under the last.
    TScheduleRow* AddRow(int height, ColumnRule rule);
    void AddSpacing(int pixels);
    // A frame made on this section's overlay, in frame column `column`
    // (kWholeRow: the section's outline).
    void AddFrame(TShape* frame, int column);
    // Where frames are made.
    QWidget* Overlay() const { return overlay_; }
    // A fill made on this section's backdrop, behind the rows, in frame column
    // `column` less `margins`: a column shaded across several rows.
    void AddFill(TShape* fill, int column, QMargins margins);
    // Where fills are made; made on first use, under the rows.
    QWidget* Backdrop();

private:
    QWidget* rows_;
    QWidget* overlay_;
    TColumnLayout* frames_;
    QWidget* backdrop_ = nullptr;
    TColumnLayout* fills_ = nullptr;
};

}  // namespace norvane
