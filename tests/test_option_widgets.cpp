// The option controls and the tab widget, as real widgets on the offscreen
// platform.
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTemporaryDir>
#include <QtTest>

#include "ui/option_widgets.h"
#include "ui/vel_tab_widget.h"

namespace {

const QString kMark = QStringLiteral(" <img src=':/icons/error'> ");

// A plain icon file and its "-selected" twin in distinct colours.
void writeIconPair(const QString &path)
{
    QImage plain(50, 50, QImage::Format_RGB32);
    plain.fill(Qt::red);
    QVERIFY(plain.save(path, "PNG"));
    QImage selected(50, 50, QImage::Format_RGB32);
    selected.fill(Qt::green);
    QVERIFY(selected.save(path + QStringLiteral("-selected"), "PNG"));
}

QColor iconColour(QAbstractButton *button)
{
    const QImage image = button->icon().pixmap(50, 50).toImage();
    if (image.isNull())
        return QColor();
    return image.pixelColor(image.width() / 2, image.height() / 2);
}

} // namespace

class TestOptionWidgets : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir iconDir;
    QString icon(const QString &name) const { return iconDir.filePath(name); }

    VelButtonGroup *makeGroup(QWidget *parent)
    {
        auto *group = new VelButtonGroup(parent, QStringLiteral("Colour:"));
        group->addButton(QStringLiteral("Colour"), icon(QStringLiteral("a")));
        group->addButton(QStringLiteral("Grayscale"), icon(QStringLiteral("b")));
        group->addButton(QStringLiteral("Automatic"), icon(QStringLiteral("c")));
        return group;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(iconDir.isValid());
        writeIconPair(icon(QStringLiteral("a")));
        writeIconPair(icon(QStringLiteral("b")));
        writeIconPair(icon(QStringLiteral("c")));
    }

    void buttonGroupSelectsByNameAndShowsSelectedIcon()
    {
        QWidget parent;
        VelButtonGroup *group = makeGroup(&parent);
        QCOMPARE(group->count(), 3);
        QCOMPARE(group->buttonNames(),
                 QStringList({QStringLiteral("Colour"), QStringLiteral("Grayscale"), QStringLiteral("Automatic")}));
        QCOMPARE(group->checkedIndex(), -1);

        QSignalSpy clicks(group, SIGNAL(buttonClicked(int)));
        group->selectButtonByName(QStringLiteral("Grayscale"));
        QCOMPARE(group->checkedIndex(), 1);
        QCOMPARE(group->checkedButtonName(), QStringLiteral("Grayscale"));
        QCOMPARE(group->titleLabel()->text(), QStringLiteral("Colour: Grayscale"));
        QCOMPARE(iconColour(group->buttonList().at(1)), QColor(Qt::green));
        QCOMPARE(iconColour(group->buttonList().at(0)), QColor(Qt::red));
        QCOMPARE(iconColour(group->buttonList().at(2)), QColor(Qt::red));

        // Unknown names fall back to the first button.
        group->selectButtonByName(QStringLiteral("Sepia"));
        QCOMPARE(group->checkedIndex(), 0);
        QCOMPARE(group->titleLabel()->text(), QStringLiteral("Colour: Colour"));
        QCOMPARE(iconColour(group->buttonList().at(0)), QColor(Qt::green));
        QCOMPARE(iconColour(group->buttonList().at(1)), QColor(Qt::red));

        // Selecting by index draws the same way and emits nothing.
        group->setButton(2);
        QCOMPARE(group->checkedIndex(), 2);
        QCOMPARE(group->checkedPushButtonIndex(), 2);
        QCOMPARE(iconColour(group->buttonList().at(2)), QColor(Qt::green));
        QCOMPARE(iconColour(group->buttonList().at(0)), QColor(Qt::red));
        // Each icon is built once: selecting again shows the very same icon.
        const qint64 selectedIcon = group->buttonList().at(2)->icon().cacheKey();
        group->setButton(0);
        group->setButton(2);
        QCOMPARE(group->buttonList().at(2)->icon().cacheKey(), selectedIcon);
        group->setButton(7);
        QCOMPARE(group->checkedIndex(), 2);
        QCOMPARE(clicks.count(), 0);

        // An empty group has nothing to select; its label is the title.
        VelButtonGroup empty(&parent, QStringLiteral("Empty:"));
        empty.selectButtonByName(QStringLiteral("x"));
        QCOMPARE(empty.checkedIndex(), -1);
        QCOMPARE(empty.titleLabel()->text(), QStringLiteral("Empty:"));
        QVERIFY(empty.checkedButtonName().isEmpty());
    }

    void buttonGroupClickRedrawsBeforeEmitting()
    {
        QWidget parent;
        VelButtonGroup *group = makeGroup(&parent);
        group->selectButtonByName(QStringLiteral("Colour"));

        QStringList seen;
        connect(group, QOverload<QAbstractButton *>::of(&VelButtonGroup::buttonClicked), this,
                [&](QAbstractButton *b) { seen << QStringLiteral("button:") + b->accessibleName(); });
        connect(group, QOverload<int>::of(&VelButtonGroup::buttonClicked), this, [&](int index) {
            seen << QStringLiteral("index:%1 label:%2 checked:%3")
                        .arg(index)
                        .arg(group->titleLabel()->text())
                        .arg(group->checkedButtonName());
        });
        group->buttonList().at(2)->click();
        QCOMPARE(seen, QStringList({QStringLiteral("button:Automatic"),
                                    QStringLiteral("index:2 label:Colour: Automatic checked:Automatic")}));
        QCOMPARE(iconColour(group->buttonList().at(2)), QColor(Qt::green));
        QCOMPARE(iconColour(group->buttonList().at(0)), QColor(Qt::red));
        // Buttons carry the group's automatic ids, -2 downwards.
        QCOMPARE(group->pushButton(-4), group->buttonList().at(2));
        QVERIFY(group->pushButton(5) == nullptr);
    }

    void buttonGroupEnablingAndLabelColour()
    {
        QWidget parent;
        const QColor normal = parent.palette().color(parent.palette().currentColorGroup(), QPalette::WindowText);
        VelButtonGroup *group = makeGroup(&parent);

        group->setEnabled(false);
        QLabel *label = group->titleLabel();
        QCOMPARE(label->palette().color(QPalette::Active, label->foregroundRole()), QColor(QStringLiteral("#9f9e9e")));
        QCOMPARE(label->palette().color(QPalette::Disabled, label->foregroundRole()), QColor(QStringLiteral("#9f9e9e")));

        // A disabled group leaves its buttons as they are.
        group->enableButton(1, false);
        group->setEnabled(true);
        QVERIFY(group->buttonList().at(1)->isEnabled());

        QCOMPARE(label->palette().color(QPalette::Active, label->foregroundRole()), normal);
        group->enableButton(1, false);
        QVERIFY(!group->buttonList().at(1)->isEnabled());
        group->enableButton(group->buttonList().at(1), true);
        QVERIFY(group->buttonList().at(1)->isEnabled());
        group->enableButton(9, false); // out of range: nothing
    }

    void buttonGroupErrorMarks()
    {
        QWidget parent;
        VelButtonGroup *group = makeGroup(&parent);
        group->selectButtonByName(QStringLiteral("Colour"));
        QLabel *label = group->titleLabel();

        group->markLabel(true);
        QCOMPARE(label->text(), QStringLiteral("Colour: Colour") + kMark);
        group->markLabel(true);
        QVERIFY(label->text().startsWith(QStringLiteral("Colour: Colour")));
        QVERIFY(label->text().endsWith(kMark));
        QCOMPARE(label->text().count(QStringLiteral("<img")), 1);
        QCOMPARE(label->textFormat(), Qt::RichText);
        group->markLabel(false);
        QCOMPARE(label->text().count(QStringLiteral("<img")), 0);

        group->selectButtonByName(QStringLiteral("Colour"));
        group->showErrorTooltip(QStringLiteral("Conflicts with the tray"));
        group->showErrorTooltip(QStringLiteral("Conflicts with the tray"));
        QCOMPARE(label->text(), QStringLiteral("Colour: Colour") + kMark);
        QCOMPARE(label->toolTip(), QStringLiteral("Conflicts with the tray"));
        QVERIFY(label->styleSheet().contains(QStringLiteral("QToolTip")));

        // Taking the mark off gives back exactly the text without it.
        group->clearError();
        QCOMPARE(label->text(), QStringLiteral("Colour: Colour"));
        QVERIFY(label->toolTip().isEmpty());
    }

    void sectionButtonSwitchesDependents()
    {
        QWidget parent;
        VelCheckBoxButton section(&parent, QStringLiteral("unused"), QIcon());
        auto *combo = new ComboBoxEx;
        combo->setParent(&parent);
        combo->addItems({QStringLiteral("None"), QStringLiteral("Top Left")});
        auto *edit = new QLineEdit(&parent);
        section.addDependent(combo, QStringLiteral("None"));
        section.addDependent(edit, QStringLiteral("no_default"));
        QCOMPARE(section.dependents().size(), 2);
        QCOMPARE(section.dependentValue(combo), QStringLiteral("None"));
        QCOMPARE(section.dependentValue(edit), QStringLiteral("no_default"));
        QCOMPARE(section.dependentValue(&parent), QString());

        QStringList seen;
        connect(&section, QOverload<bool>::of(&VelCheckBoxButton::toggled), this, [&](bool on) {
            seen << QStringLiteral("bool:%1 comboEnabled:%2").arg(int(on)).arg(int(combo->isEnabled()));
        });
        connect(&section, QOverload<int>::of(&VelCheckBoxButton::toggled), this,
                [&](int on) { seen << QStringLiteral("int:%1").arg(on); });

        QVERIFY(!section.isChecked());
        section.iconButton()->click(); // a click on the icon toggles the box
        QVERIFY(section.isChecked());
        QVERIFY(combo->isEnabled() && edit->isEnabled());
        section.iconButton()->click();
        QVERIFY(!section.isChecked());
        QVERIFY(!combo->isEnabled() && !edit->isEnabled());
        QCOMPARE(seen, QStringList({QStringLiteral("bool:1 comboEnabled:1"), QStringLiteral("int:1"),
                                    QStringLiteral("bool:0 comboEnabled:0"), QStringLiteral("int:0")}));

        section.setChecked(true);
        QVERIFY(section.isChecked() && section.checkBoxWidget()->isChecked());
        QVERIFY(combo->isEnabled());
    }

    void sectionButtonSyncsDependentCombos()
    {
        QWidget parent;
        VelCheckBoxButton section(&parent, QString(), QIcon());
        auto *staple = new ComboBoxEx;
        staple->setParent(&parent);
        staple->addItems({QStringLiteral("none"), QStringLiteral("None"), QStringLiteral("Top Left")});
        section.addDependent(staple, QStringLiteral("None"));
        section.setChecked(true);
        section.syncDependentCombos();
        // Only the exact off text goes; the section keeps its state.
        QCOMPARE(staple->count(), 2);
        QCOMPARE(staple->itemText(0), QStringLiteral("none"));
        QCOMPARE(staple->itemText(1), QStringLiteral("Top Left"));
        QVERIFY(section.isChecked());
        QVERIFY(section.isEnabled());
        QVERIFY(staple->isEnabled());

        // Unchecked: every dependent is disabled.
        VelCheckBoxButton off(&parent, QString(), QIcon());
        auto *punch = new QCheckBox(&parent);
        off.addDependent(punch, QStringLiteral("no_default"));
        off.syncDependentCombos();
        QVERIFY(!punch->isEnabled());

        // A dependent combo without items switches the section off.
        VelCheckBoxButton empty(&parent, QString(), QIcon());
        auto *none = new ComboBoxEx;
        none->setParent(&parent);
        auto *other = new ComboBoxEx;
        other->setParent(&parent);
        other->addItems({QStringLiteral("Off"), QStringLiteral("On")});
        empty.addDependent(none, QStringLiteral("Off"));
        empty.addDependent(other, QStringLiteral("Off"));
        empty.setChecked(true);
        empty.syncDependentCombos();
        QVERIFY(!empty.isChecked());
        QVERIFY(!empty.isEnabled());
        QVERIFY(!other->isEnabled());
        QCOMPARE(other->count(), 1);
    }

    void comboPopupIsAsWideAsTheWidestItem()
    {
        const QString longText(60, QLatin1Char('W'));
        ComboBoxEx combo;
        combo.setFixedWidth(20);
        for (int i = 0; i < 10; ++i)
            combo.addItem(i == 3 ? longText : QStringLiteral("x"));
        const int ten = combo.popupWidth();
        const int textWidth = QFontMetrics(combo.font()).horizontalAdvance(longText);
        QVERIFY2(ten >= textWidth, qPrintable(QStringLiteral("%1 < %2").arg(ten).arg(textWidth)));

        combo.addItem(QStringLiteral("y"));
        auto *area = qobject_cast<QAbstractScrollArea *>(combo.view());
        QVERIFY(area);
        QStyleOptionSlider option;
        option.initFrom(area->verticalScrollBar());
        option.orientation = Qt::Vertical;
        const int extent = combo.style()->pixelMetric(QStyle::PM_ScrollBarExtent, &option, area->verticalScrollBar());
        QVERIFY(extent > 0);
        QCOMPARE(combo.popupWidth(), ten + extent);

        // An item's icon counts with its width and four pixels.
        ComboBoxEx plain, withIcon;
        plain.setFixedWidth(20);
        withIcon.setFixedWidth(20);
        plain.addItem(longText);
        QPixmap pixmap(16, 16);
        pixmap.fill(Qt::blue);
        withIcon.addItem(QIcon(pixmap), longText);
        QCOMPARE(withIcon.popupWidth(), plain.popupWidth() + withIcon.iconSize().width() + 4);

        // Never narrower than the combo itself.
        ComboBoxEx wide;
        wide.setFixedWidth(900);
        wide.addItem(QStringLiteral("a"));
        QCOMPARE(wide.popupWidth(), 900);

        // The popup really gets that width.
        QWidget window;
        auto *shown = new ComboBoxEx;
        shown->setParent(&window);
        shown->setFixedWidth(20);
        shown->addItems({longText, QStringLiteral("b")});
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        shown->showPopup();
        QCOMPARE(shown->view()->window()->width(), shown->popupWidth());
        shown->hidePopup();
    }

    void tabWidgetPaintsGreyColumnAndTabTexts()
    {
        VelTabWidget tabs(nullptr);
        QVERIFY(qobject_cast<VelTabBar *>(tabs.tabBar()));
        tabs.setTabPosition(QTabWidget::West);
        tabs.tabBar()->setStyleSheet(QStringLiteral(
            "QTabBar::tab { background: rgb(90, 120, 160); border: none; width: 150px; height: 60px; }"));
        for (const QString &name : {QStringLiteral("One"), QStringLiteral("Two"), QStringLiteral("Three")})
            tabs.addTab(new QWidget, name);
        tabs.setTabEnabled(2, false);
        tabs.resize(500, 800);
        tabs.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tabs));

        const QImage image = tabs.grab().toImage();
        const QTabBar *bar = tabs.tabBar();
        QVERIFY(bar->height() + 20 < image.height());
        QCOMPARE(image.pixelColor(bar->width() / 2, bar->height() + 10), QColor(169, 169, 169));
        QCOMPARE(image.pixelColor(0, image.height() - 1), QColor(169, 169, 169));

        // Text pixels: white on the current tab, black on the others,
        // none on a disabled tab.
        auto countPixels = [&](int index, const QColor &colour) {
            const QImage barImage = const_cast<QTabBar *>(bar)->grab().toImage();
            const QRect rect = bar->tabRect(index);
            int n = 0;
            for (int y = rect.top() + 3; y < rect.bottom() - 3; ++y)
                for (int x = rect.left() + 2; x < rect.right() - 2; ++x)
                    if (barImage.pixelColor(x, y) == colour)
                        ++n;
            return n;
        };
        QCOMPARE(tabs.currentIndex(), 0);
        QVERIFY(countPixels(0, Qt::white) > 0);
        QCOMPARE(countPixels(0, Qt::black), 0);
        QVERIFY(countPixels(1, Qt::black) > 0);
        QCOMPARE(countPixels(1, Qt::white), 0);
        QCOMPARE(countPixels(2, Qt::black), 0);
        QCOMPARE(countPixels(2, Qt::white), 0);

        tabs.setCurrentIndex(1);
        QVERIFY(countPixels(1, Qt::white) > 0);
        QVERIFY(countPixels(0, Qt::black) > 0);
        QCOMPARE(countPixels(0, Qt::white), 0);
    }
};

QTEST_MAIN(TestOptionWidgets)
#include "test_option_widgets.moc"
