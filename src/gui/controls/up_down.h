#pragma once
// A spin button beside an edit box: two small arrow buttons that step a
// position between a minimum and a maximum and write it into the edit box they
// are tied to. The edit box keeps its own text rules; the position follows it.
#include <QLineEdit>
#include <QPointer>
#include <QWidget>

class QToolButton;

namespace norvane {

class TUpDown : public QWidget {
    Q_OBJECT
public:
    explicit TUpDown(QWidget* parent = nullptr);

    int Min() const { return min_; }
    int Max() const { return max_; }
    void SetRange(int min, int max);
    int Position() const { return position_; }
    // Kept within the range; the tied edit box shows the new position.
    void SetPosition(int value);

    // The edit box the buttons write to; the spin sits at its right edge and
    // takes its height.
    QLineEdit* Associate() const { return associate_; }
    void SetAssociate(QLineEdit* edit);
    // The position a text of the edit box stands for, as the box rewrote it.
    void FollowText();

signals:
    void positionChanged(int position);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void Step(int delta);

    QToolButton* up_;
    QToolButton* down_;
    QPointer<QLineEdit> associate_;
    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
};

}  // namespace norvane
