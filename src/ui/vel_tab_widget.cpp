#include "ui/vel_tab_widget.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStyleOptionTab>

namespace {

// The gap between a tab's icon and its title.
const int kTitleGap = 17;
// The page overlaps the bar's right edge by this much (the tab widget's
// style moves it 7 pixels left), and a title keeps a few pixels off it.
const int kTitleRightMargin = 7 + 4;

} // namespace

VelTabBar::VelTabBar(QWidget *parent)
    : QTabBar(parent)
{
}

QFont VelTabBar::titleFont()
{
    return QFont(QStringLiteral("Arial"), 12, -1, false);
}

int VelTabBar::titleOffset() const
{
    return iconSize().width() + kTitleGap;
}

int VelTabBar::tabWidthForTitles(int minimum) const
{
    const QFontMetrics metrics(titleFont());
    int widest = 0;
    for (int i = 0; i < count(); ++i)
        widest = qMax(widest, metrics.horizontalAdvance(tabText(i)));
    return qMax(minimum, titleOffset() + widest + kTitleRightMargin);
}

void VelTabBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    for (int i = 0; i < count(); ++i) {
        QStyleOptionTab option;
        initStyleOption(&option, i);
        const QIcon icon = option.icon;
        const QString text = option.text;
        const QRect rect = tabRect(i);
        if (rect.isEmpty())
            continue; // a tab the style shrinks to nothing shows nothing
        option.icon = QIcon();
        option.text = QString();
        style()->drawControl(QStyle::CE_TabBarTab, &option, &painter, this);

        QColor penColour;
        if (isTabEnabled(i))
            penColour = (i == currentIndex()) ? QColor(Qt::white) : QColor(Qt::black);
        else
            penColour = QColor(0, 0, 0, 0);
        painter.setPen(penColour);
        painter.setFont(titleFont());

        QRect textRect = rect;
        textRect.setLeft(rect.left() + option.iconSize.width() + kTitleGap);
        textRect.setTop(rect.top() + 3);
        textRect.setBottom(rect.bottom() - 3);
        painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter, text);

        // The icon keeps the bar's icon size, vertically centred: a scalable
        // icon given the whole tab height would grow into the text.
        const QSize iconSize = option.iconSize;
        const QRect iconRect(QPoint(rect.left() + 7, rect.top() + (rect.height() - iconSize.height()) / 2), iconSize);
        icon.paint(&painter, iconRect, Qt::AlignLeft | Qt::AlignVCenter, QIcon::Normal, QIcon::Off);
    }
}

VelTabWidget::VelTabWidget(QWidget *parent)
    : QTabWidget(parent)
{
    setTabBar(new VelTabBar);
}

void VelTabWidget::setTabEnabled(int index, bool enabled)
{
    const bool wasEnabled = isTabEnabled(index);
    QTabWidget::setTabEnabled(index, enabled);
    // The bar's style gives disabled tabs no size, but enabling a tab does
    // not lay the bar out again; setting its text does.
    if (wasEnabled != enabled)
        setTabText(index, tabText(index));
}

QTabBar *VelTabWidget::tabBar() const
{
    return QTabWidget::tabBar();
}

void VelTabWidget::paintEvent(QPaintEvent *event)
{
    QTabWidget::paintEvent(event);
    QPainter painter(this);
    const QTabBar *bar = tabBar();
    const QRect strip(QPoint(0, bar->height()), QPoint(bar->width() - 1, height() - 1));
    painter.fillRect(strip, QBrush(QColor(169, 169, 169, 255), Qt::SolidPattern));
}
