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

protected:
    void paintEvent(QPaintEvent *event) override;
};
