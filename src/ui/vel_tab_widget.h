// The main dialog's tab widget: tabs whose text and icon are painted by the
// bar itself, and a grey column below the last tab.
#pragma once

#include <QFont>
#include <QTabBar>
#include <QTabWidget>

class VelTabBar : public QTabBar
{
    Q_OBJECT
public:
    explicit VelTabBar(QWidget *parent = nullptr);

    // The font the titles are painted in.
    static QFont titleFont();
    // Where a title starts, from the tab's left edge: the icon and a gap.
    int titleOffset() const;
    // The tab width that shows every title whole, never less than minimum:
    // the title's offset, the widest title, and the strip that the page
    // covers at the bar's right edge with a little room.
    int tabWidthForTitles(int minimum) const;

protected:
    void paintEvent(QPaintEvent *event) override;
};

class VelTabWidget : public QTabWidget
{
    Q_OBJECT
public:
    explicit VelTabWidget(QWidget *parent = nullptr);

    QTabBar *tabBar() const;

    // Enables or disables the tab and lays the bar out again, so that a tab
    // that appears or vanishes by its enabled state takes or gives up its
    // room at once.
    void setTabEnabled(int index, bool enabled);

protected:
    void paintEvent(QPaintEvent *event) override;
};
