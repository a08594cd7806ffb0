// The main dialog's tab widget: tabs whose text and icon are painted by the
// bar itself, and a grey column below the last tab.
#pragma once

#include <QTabBar>
#include <QTabWidget>

class VelTabBar : public QTabBar
{
    Q_OBJECT
public:
    explicit VelTabBar(QWidget *parent = nullptr);

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
