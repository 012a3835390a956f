#pragma once
// One page of a `TLinePageControl`; holds the page's controls.
#include <QString>
#include <QWidget>

namespace norvane {

class TLinePageControl;

// One page. Its place is fixed by its page control; its background is the
// control's body colour.
class TLinePage : public QWidget {
    Q_OBJECT
public:
    // Joins `parent` by the rules of SetParent.
    explicit TLinePage(QWidget* parent = nullptr);
    ~TLinePage() override;

    QString Caption() const { return caption_; }
    void SetCaption(const QString& value);
    // Inset of the page's contents (its layout's margins).
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int value);

    TLinePageControl* PageControl() const { return control_; }
    int PageIndex() const;

    // Page-list membership: a page control as parent appends the page; another
    // page of a page control as parent puts it into that control before that
    // page; no parent takes it out. Any other parent is refused (returns false,
    // nothing changes). Plain QWidget::setParent keeps the list in step too.
    bool SetParent(QWidget* parent);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    friend class TLinePageControl;
    void ParentChanged();

    TLinePageControl* control_ = nullptr;
    QString caption_;
    int borderWidth_ = 0;
    int insertAt_ = -1;  // list position for the next parenting, -1 appends
};

}  // namespace norvane
