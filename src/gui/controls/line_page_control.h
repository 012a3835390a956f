#pragma once
// The tabbed page container of the main window. Its pages share one outlined
// body with optionally cut corners; a strip of tabs runs along one side and the
// active page's tab opens into the body.
//
//   TLinePageControl  the container, its page list and settings
//   TLinePage         one page; holds the page's controls (line_page.h)
//   TLineTabPanel     the tab strip, created by the container for itself (line_tab_panel.h)
//   TTabStyle         tab colours, caption font style and cursor (tab_style.h)
#include <QFont>
#include <QRect>
#include <QWidget>
#include <stdexcept>
#include <vector>

#include "gui/controls/control_geometry.h"
#include "gui/controls/gdi.h"

class QShortcut;

namespace norvane {

class TLinePage;
class TLineTabPanel;
class TTabStyle;

// Asking for a page by an index outside the page list.
class ELinePageError : public std::out_of_range {
public:
    using std::out_of_range::out_of_range;
};

class TLinePageControl : public QWidget {
    Q_OBJECT
public:
    explicit TLinePageControl(QWidget* parent = nullptr);
    ~TLinePageControl() override;

    // Index of the page last activated; -1 without pages.
    int ActivePage() const;
    // Shows the page at `index` and hides the others, then raises changed (also
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

    Colour Color() const { return color_; }
    void SetColor(Colour value);
    Colour EdgeColor() const { return edgeColor_; }
    void SetEdgeColor(Colour value);
    RoundKinds EdgeRound() const { return edgeRound_; }
    void SetEdgeRound(RoundKinds value);
    Colour LineColor() const { return lineColor_; }
    void SetLineColor(Colour value);
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
    void changed();

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

    Colour color_ = PaletteColour(QPalette::Base);
    Colour edgeColor_ = PaletteColour(QPalette::Button);
    RoundKinds edgeRound_;
    Colour lineColor_ = PaletteColour(QPalette::Dark);
    int pageBorder_ = 5;
    bool panelStyle_ = false;
    int tabLength_ = 19;
    TTabPosition tabPosition_ = tpBottom;
};

}  // namespace norvane
