#pragma once
// The tabbed page container of the main window. Its pages share one outlined
// body with optionally cut corners; a strip of tabs runs along one side and the
// active page's tab opens into the body.
//
//   TLinePageControl  the container, its page list and settings
//   TLinePage         one page; holds the page's controls
//   TLineTabPanel     the tab strip, created by the container for itself
//   TTabStyle         tab colours, caption font style and cursor
#include <QCursor>
#include <QFlags>
#include <QString>
#include <QWidget>
#include <stdexcept>
#include <vector>

#include "gui/controls/control_geometry.h"
#include "gui/controls/gdi.h"

class QShortcut;

namespace norvane {

class TLinePageControl;

// Asking for a page by an index outside the page list.
class ELinePageError : public std::out_of_range {
public:
    using std::out_of_range::out_of_range;
};

enum FontStyle { fsBold = 0x1, fsItalic = 0x2, fsUnderline = 0x4, fsStrikeOut = 0x8 };
Q_DECLARE_FLAGS(FontStyles, FontStyle)
Q_DECLARE_OPERATORS_FOR_FLAGS(FontStyles)

// Colours, caption style and cursor of the tabs. Colour and font-style changes
// repaint the page control; a cursor change only takes effect at the next hover.
class TTabStyle : public QObject {
    Q_OBJECT
public:
    explicit TTabStyle(QObject* parent = nullptr);

    // Caption of the tab under the mouse (not necessarily the active page's).
    ColorRef ActiveFontColor() const { return activeFontColor_; }
    void SetActiveFontColor(ColorRef value);
    // Fill of the active page's tab, and of the whole strip in panel style.
    ColorRef ActiveTabColor() const { return activeTabColor_; }
    void SetActiveTabColor(ColorRef value);
    ColorRef PassiveFontColor() const { return passiveFontColor_; }
    void SetPassiveFontColor(ColorRef value);
    ColorRef PassiveTabColor() const { return passiveTabColor_; }
    void SetPassiveTabColor(ColorRef value);
    FontStyles TabFontStyle() const { return tabFontStyle_; }
    void SetTabFontStyle(FontStyles value);
    // Mouse cursor over a tab.
    const QCursor& Cursor() const { return cursor_; }
    void SetCursor(const QCursor& value) { cursor_ = value; }

signals:
    void Changed();

private:
    ColorRef activeFontColor_ = Rgb(255, 0, 0);
    ColorRef activeTabColor_ = clWindow;
    ColorRef passiveFontColor_ = Rgb(0, 0, 255);
    ColorRef passiveTabColor_ = Rgb(255, 251, 240);
    FontStyles tabFontStyle_ = fsBold;
    QCursor cursor_{Qt::ArrowCursor};
};

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

// The tab strip. Keeps the tab under the mouse for the captions' colour.
class TLineTabPanel : public QWidget {
    Q_OBJECT
public:
    explicit TLineTabPanel(TLinePageControl* owner);

    // Index of the tab under the mouse, -1 for none.
    int HotTab() const { return hotTab_; }
    // Inclusive rectangles of the tabs, in list order, in strip coordinates.
    std::vector<QRect> TabRects() const;
    // First tab whose rectangle holds `pos` (borders included), else -1.
    int TabAt(QPoint pos) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    friend class TLinePageControl;
    void SetHotTab(int index);

    TLinePageControl* owner_;
    int hotTab_ = -1;
};

class TLinePageControl : public QWidget {
    Q_OBJECT
public:
    explicit TLinePageControl(QWidget* parent = nullptr);
    ~TLinePageControl() override;

    // Index of the page last activated; -1 without pages.
    int ActivePage() const;
    // Shows the page at `index` and hides the others, then raises OnChange (also
    // for the index already active). An index outside the list is ignored.
    // Between BeginLoad and EndLoad the index is only remembered.
    void SetActivePage(int index);

    int PageCount() const { return static_cast<int>(pages_.size()); }
    // Throws ELinePageError for an index outside the list.
    TLinePage* Pages(int index) const;
    int IndexOf(const TLinePage* page) const;
    // Moves a page to another place in the list (clamped to the list).
    void SetChildOrder(TLinePage* page, int order);

    // While building the pages: SetActivePage remembers its index, and EndLoad applies it.
    void BeginLoad();
    void EndLoad();
    bool Loading() const { return loading_; }

    ColorRef Color() const { return color_; }
    void SetColor(ColorRef value);
    ColorRef EdgeColor() const { return edgeColor_; }
    void SetEdgeColor(ColorRef value);
    RoundKinds EdgeRound() const { return edgeRound_; }
    void SetEdgeRound(RoundKinds value);
    ColorRef LineColor() const { return lineColor_; }
    void SetLineColor(ColorRef value);
    int PageBorder() const { return pageBorder_; }
    void SetPageBorder(int value);
    // Tab strip drawn as one filled panel with the tabs on it.
    bool PanelStyle() const { return panelStyle_; }
    void SetPanelStyle(bool value);
    // Thickness of the tab strip.
    int TabLength() const { return tabLength_; }
    void SetTabLength(int value);
    TTabPosition TabPosition() const { return tabPosition_; }
    void SetTabPosition(TTabPosition value);
    TTabStyle* TabStyle() const { return tabStyle_; }
    TLineTabPanel* TabPanel() const { return tabPanel_; }

    // The control's font with the tab style's font style.
    QFont TabFont() const;
    // Where the pages sit.
    QRect PageRect() const;

signals:
    void OnChange();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    friend class TLinePage;
    void InsertPage(TLinePage* page, int index);
    void RemovePage(TLinePage* page);
    void ActivateNext(bool forward);
    void Relayout();
    void PlacePage(TLinePage* page);
    void Repaint();

    std::vector<TLinePage*> pages_;
    TLinePage* active_ = nullptr;
    TTabStyle* tabStyle_;
    TLineTabPanel* tabPanel_;
    QShortcut* nextShortcut_;
    QShortcut* previousShortcut_;
    QShortcut* previousShortcutAlt_;
    bool loading_ = false;
    int loadedIndex_ = -1;

    ColorRef color_ = clWindow;
    ColorRef edgeColor_ = clBtnFace;
    RoundKinds edgeRound_;
    ColorRef lineColor_ = clBackground;
    int pageBorder_ = 5;
    bool panelStyle_ = false;
    int tabLength_ = 19;
    TTabPosition tabPosition_ = tpBottom;
};

}  // namespace norvane
