// The tab base class driven through a tab of the test's own, bound to the
// options of a test PPD loaded into a real option store, with a stand-in for
// the main dialog's constraint pass.
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QSignalBlocker>
#include <QSlider>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <cups/ppd.h>

#include "app/program_state.h"
#include "dialog_test_util.h"
#include "model/option_model.h"
#include "model/ppd_import.h"
#include "ui/option_widgets.h"
#include "ui/tab.h"

namespace {

const QString kMark = QStringLiteral(" <img src=':/icons/error'> ");

QString current(const QString &keyword)
{
    vOption *option = currentOptionSet ? currentOptionSet->findOption(keyword) : nullptr;
    if (!option || !option->currentChoice())
        return QString();
    return option->currentChoice()->keyword();
}

bool blocked(const QString &keyword, const QString &choice)
{
    vOption *option = currentOptionSet->findOption(keyword);
    vChoice *c = option ? option->findChoice(choice) : nullptr;
    return c && c->hasConstraints();
}

bool itemEnabled(QComboBox *combo, const QString &text)
{
    auto *model = qobject_cast<QStandardItemModel *>(combo->model());
    const int row = combo->findText(text);
    return model && row >= 0 && (model->item(row)->flags() & Qt::ItemIsEnabled);
}

} // namespace

// Receives the tabs' "setConstraints()" connections like the main dialog.
class StandInDialog : public QWidget
{
    Q_OBJECT
public:
    int calls = 0;
    QStringList mediaAtCall;

public slots:
    void setConstraints()
    {
        ++calls;
        mediaAtCall << current(QStringLiteral("TabMedia"));
    }
};

class TestTab : public Tab
{
    Q_OBJECT
public:
    explicit TestTab(QWidget *dialog, const QString &iconDir)
        : Tab(dialog)
        , iconDir(iconDir)
    {
        buildWidgets();
        connectSignals();
    }

    void setTabName() override { tabName = tr("Test"); }
    bool hasOptions() override { return true; }

    void buildWidgets() override
    {
        media = new ComboBoxEx;
        media->setParent(this);
        mediaLabel = new QLabel(this);
        tray = new ComboBoxEx;
        tray->setParent(this);
        trayLabel = new QLabel(this);
        duplex = new QCheckBox(this);
        colour = new VelButtonGroup(this, QStringLiteral("Colour Mode:"));
        colour->addButton(QStringLiteral("Colour"), iconDir + QStringLiteral("/colour"));
        colour->addButton(QStringLiteral("Grayscale"), iconDir + QStringLiteral("/gray"));
        colour->addButton(QStringLiteral("Automatic"), iconDir + QStringLiteral("/auto"));
        finish = new VelCheckBoxButton(this, QStringLiteral("finishing"), QIcon());
        staple = new ComboBoxEx;
        staple->setParent(this);
        punch = new QCheckBox(this);
        toner = new QCheckBox(this);
        single = new QCheckBox(this);
        dark = new QSlider(Qt::Horizontal, this);
        dark->setRange(0, 2);
        missing = new ComboBoxEx;
        missing->setParent(this);
        missingLabel = new QLabel(QStringLiteral("Missing:"), this);
        onlyTrue = new QCheckBox(this);
        radio = new QRadioButton(this);
        source = new VelCheckBoxButton(this, QString(), QIcon());
        source->addDependent(missing, QStringLiteral("Off"));

        finish->addDependent(staple, QStringLiteral("None"));
        finish->addDependent(punch, QStringLiteral("no_default"));

        controls.insert(QStringLiteral("TabMedia"), media);
        controls.insert(QStringLiteral("TabTray"), tray);
        controls.insert(QStringLiteral("TabDuplex"), duplex);
        controls.insert(QStringLiteral("TabColour"), colour);
        controls.insert(QStringLiteral("TabFinish"), finish);
        controls.insert(QStringLiteral("TabStaple"), staple);
        controls.insert(QStringLiteral("TabPunch"), punch);
        controls.insert(QStringLiteral("TabToner"), toner);
        controls.insert(QStringLiteral("TabSingle"), single);
        controls.insert(QStringLiteral("TabDark"), dark);
        controls.insert(QStringLiteral("TabMissing"), missing);
        controls.insert(QStringLiteral("TabOnlyTrue"), onlyTrue);
        controls.insert(QStringLiteral("TabRadio"), radio);
        labels.insert(QStringLiteral("TabMedia"), mediaLabel);
        labels.insert(QStringLiteral("TabTray"), trayLabel);
        labels.insert(QStringLiteral("TabDuplex"), duplex);
        labels.insert(QStringLiteral("TabColour"), colour);
        labels.insert(QStringLiteral("TabMissing"), missingLabel);
        sectionButtons << finish << source;
    }

    // What the store held when the recording step began.
    void markAllOptions() override
    {
        mediaAtMarkAll << current(QStringLiteral("TabMedia"));
        callsAtMarkAll << static_cast<StandInDialog *>(dialog)->calls;
        Tab::markAllOptions();
    }


    QString iconDir;
    ComboBoxEx *media = nullptr;
    QLabel *mediaLabel = nullptr;
    ComboBoxEx *tray = nullptr;
    QLabel *trayLabel = nullptr;
    QCheckBox *duplex = nullptr;
    VelButtonGroup *colour = nullptr;
    VelCheckBoxButton *finish = nullptr;
    ComboBoxEx *staple = nullptr;
    QCheckBox *punch = nullptr;
    QCheckBox *toner = nullptr;
    QCheckBox *single = nullptr;
    QSlider *dark = nullptr;
    ComboBoxEx *missing = nullptr;
    QLabel *missingLabel = nullptr;
    QCheckBox *onlyTrue = nullptr;
    QRadioButton *radio = nullptr;
    VelCheckBoxButton *source = nullptr; // bound to no option
    QStringList mediaAtMarkAll;
    QList<int> callsAtMarkAll;
};

// A tab that never names itself.
class NamelessTab : public Tab
{
    Q_OBJECT
public:
    using Tab::Tab;
    void setTabName() override {}
    void buildWidgets() override {}
    bool hasOptions() override { return false; }
};

class TestTabBase : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir;
    StandInDialog *dialog = nullptr;
    TestTab *tab = nullptr;

    static QColor iconColour(QAbstractButton *button)
    {
        const QImage image = button->icon().pixmap(50, 50).toImage();
        return image.isNull() ? QColor() : image.pixelColor(25, 25);
    }

    void writeSettings(const QByteArray &text)
    {
        QFile file(dir.filePath(QStringLiteral("queue.cfg")));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
        file.close();
        settingsSource = file.fileName();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        for (const QString &name : {QStringLiteral("colour"), QStringLiteral("gray"), QStringLiteral("auto")}) {
            QImage plain(50, 50, QImage::Format_RGB32);
            plain.fill(Qt::red);
            QVERIFY(plain.save(dir.filePath(name), "PNG"));
            QImage selected(50, 50, QImage::Format_RGB32);
            selected.fill(Qt::green);
            QVERIFY(selected.save(dir.filePath(name + QStringLiteral("-selected")), "PNG"));
        }
        userDir = dir.path() + QStringLiteral("/");
    }

    void init()
    {
        ppd_file_t *ppd = ppdOpenFile(ORDOVAN_TEST_DATA "/tab-basic.ppd");
        QVERIFY(ppd);
        auto *store = new vOptionSet;
        loadFromPpd(ppd, store);
        ppdClose(ppd);
        currentOptionSet = store;
        settingsSource = userDir; // nothing stored: the PPD's defaults
        dialog = new StandInDialog;
        tab = new TestTab(dialog, dir.path());
    }

    void cleanup()
    {
        delete dialog; // the tab goes with it
        tab = nullptr;
        dialog = nullptr;
        delete currentOptionSet;
        currentOptionSet = nullptr;
    }

    void reloadShowsDefaultsAndLabels()
    {
        tab->reload();
        QCOMPARE(tab->getTabName(), QStringLiteral("Test"));
        QCOMPARE(tab->media->count(), 4);
        QCOMPARE(tab->media->currentText(), QStringLiteral("Plain Paper"));
        QCOMPARE(tab->mediaLabel->text(), QStringLiteral("Media Type:"));
        QCOMPARE(tab->duplex->text(), QStringLiteral("Two-Sided"));
        QVERIFY(!tab->duplex->isChecked());
        QCOMPARE(tab->colour->checkedButtonName(), QStringLiteral("Colour"));
        QVERIFY(tab->finish->isChecked());
        // The staple list offers only the "on" choices.
        QCOMPARE(tab->staple->count(), 2);
        QCOMPARE(tab->staple->currentText(), QStringLiteral("Top Left"));
        QVERIFY(tab->staple->isEnabled());
        // A keyword the store lacks: emptied and disabled with its label.
        QCOMPARE(tab->missing->count(), 0);
        QVERIFY(!tab->missing->isEnabled());
        QVERIFY(!tab->missingLabel->isEnabled());
        QCOMPARE(tab->missingLabel->text(), QStringLiteral("Missing:"));
        QCOMPARE(dialog->calls, 0);
    }

    void controlChangeRecordsChoiceBeforeTheConstraintPass()
    {
        tab->reload();
        tab->media->setCurrentIndex(tab->media->findText(QStringLiteral("Envelopes")));
        QCOMPARE(current(QStringLiteral("TabMedia")), QStringLiteral("Envelope"));
        QVERIFY(blocked(QStringLiteral("TabDuplex"), QStringLiteral("True")));
        // The tab recorded the change before the dialog's pass ran.
        QCOMPARE(dialog->mediaAtCall, QStringList({QStringLiteral("Envelope")}));

        tab->media->setCurrentIndex(tab->media->findText(QStringLiteral("Plain Paper")));
        QCOMPARE(current(QStringLiteral("TabMedia")), QStringLiteral("Plain"));
        QVERIFY(!blocked(QStringLiteral("TabDuplex"), QStringLiteral("True")));
        QCOMPARE(dialog->calls, 2);

        // Wiring twice adds no second connection.
        tab->connectSignals();
        tab->duplex->setChecked(true);
        QCOMPARE(current(QStringLiteral("TabDuplex")), QStringLiteral("True"));
        QVERIFY(blocked(QStringLiteral("TabMedia"), QStringLiteral("Envelope")));
        QCOMPARE(dialog->calls, 3);

        tab->colour->buttonList().at(1)->click();
        QCOMPARE(current(QStringLiteral("TabColour")), QStringLiteral("Gray"));
        QVERIFY(blocked(QStringLiteral("TabTray"), QStringLiteral("Bypass")));
        QCOMPARE(dialog->calls, 4);

        tab->dark->setValue(2);
        QCOMPARE(current(QStringLiteral("TabDark")), QStringLiteral("2"));
        tab->dark->setValue(0);
        QCOMPARE(current(QStringLiteral("TabDark")), QStringLiteral("0"));

        // A section button records its own state.
        tab->finish->setChecked(false);
        QCOMPARE(current(QStringLiteral("TabFinish")), QStringLiteral("False"));
    }

    void blockedComboItemIsDisabledAndTheComboMovesOff()
    {
        tab->reload();
        {
            const QSignalBlocker quiet(tab->media);
            tab->media->setCurrentIndex(tab->media->findText(QStringLiteral("Envelopes")));
        }
        currentOptionSet->markOptionChoice(QStringLiteral("TabDuplex"), QStringLiteral("True"));
        QVERIFY(blocked(QStringLiteral("TabMedia"), QStringLiteral("Envelope")));

        QVERIFY(tab->enableOptions());
        QVERIFY(!itemEnabled(tab->media, QStringLiteral("Envelopes")));
        QVERIFY(itemEnabled(tab->media, QStringLiteral("Plain Paper")));
        // Blocked from the start by the default single mode.
        QVERIFY(!itemEnabled(tab->media, QStringLiteral("Thick Paper")));
        QCOMPARE(tab->media->currentText(), QStringLiteral("Plain Paper"));
        QCOMPARE(current(QStringLiteral("TabMedia")), QStringLiteral("Plain"));
        const QVariant grey = tab->media->itemData(tab->media->findText(QStringLiteral("Envelopes")), Qt::ForegroundRole);
        QCOMPARE(grey.value<QColor>(), tab->media->palette().color(QPalette::Disabled, QPalette::Text));
        QCOMPARE(dialog->calls, 0); // moved with its signals blocked
        QVERIFY(!tab->enableOptions());

        currentOptionSet->markOptionChoice(QStringLiteral("TabDuplex"), QStringLiteral("False"));
        QVERIFY(!tab->enableOptions());
        QVERIFY(itemEnabled(tab->media, QStringLiteral("Envelopes")));
        QVERIFY(!tab->media->itemData(tab->media->findText(QStringLiteral("Envelopes")), Qt::ForegroundRole).isValid());

        // Every choice blocked: index 0, and no change reported.
        for (const QString &tray : {QStringLiteral("Auto"), QStringLiteral("Tray1"), QStringLiteral("Bypass")})
            currentOptionSet->addConstraint(QStringLiteral("TabTray"), tray, QStringLiteral("TabDark"), QStringLiteral("1"));
        {
            const QSignalBlocker quiet(tab->tray);
            tab->tray->setCurrentIndex(2);
        }
        currentOptionSet->markOptionChoice(QStringLiteral("TabDark"), QStringLiteral("1"));
        vOption *trayOption = currentOptionSet->findOption(QStringLiteral("TabTray"));
        QVERIFY(!tab->enableOptionsForComboBox(tab->tray, trayOption));
        QCOMPARE(tab->tray->currentIndex(), 0);

        // A disabled combo is left alone.
        tab->tray->setEnabled(false);
        QVERIFY(!tab->enableOptionsForComboBox(tab->tray, trayOption));
    }

    void buttonGroupMovesOffABlockedChoice()
    {
        tab->reload();
        tab->colour->buttonList().at(1)->click(); // Grayscale
        QCOMPARE(current(QStringLiteral("TabColour")), QStringLiteral("Gray"));
        QCOMPARE(iconColour(tab->colour->buttonList().at(1)), QColor(Qt::green));

        currentOptionSet->markOptionChoice(QStringLiteral("TabTray"), QStringLiteral("Bypass"));
        QVERIFY(blocked(QStringLiteral("TabColour"), QStringLiteral("Gray")));
        QVERIFY(tab->enableOptions());
        QCOMPARE(tab->colour->checkedButtonName(), QStringLiteral("Colour"));
        QCOMPARE(current(QStringLiteral("TabColour")), QStringLiteral("Colour"));
        QVERIFY(!tab->colour->buttonList().at(1)->isEnabled());
        QVERIFY(tab->colour->isEnabled());
        // The selected look follows the checked button.
        QCOMPARE(iconColour(tab->colour->buttonList().at(0)), QColor(Qt::green));
        QCOMPARE(iconColour(tab->colour->buttonList().at(1)), QColor(Qt::red));
        QCOMPARE(tab->colour->titleLabel()->text(), QStringLiteral("Colour Mode: Colour"));

        // All but one choice blocked: the group is disabled, its label is not greyed.
        currentOptionSet->addConstraint(QStringLiteral("TabTray"), QStringLiteral("Bypass"),
                                        QStringLiteral("TabColour"), QStringLiteral("Auto"));
        currentOptionSet->markOptionChoice(QStringLiteral("TabTray"), QStringLiteral("Bypass"));
        QVERIFY(!tab->enableOptions());
        QVERIFY(!tab->colour->isEnabled());
        QLabel *label = tab->colour->titleLabel();
        QCOMPARE(label->palette().color(QPalette::Active, label->foregroundRole()),
                 tab->palette().color(tab->palette().currentColorGroup(), QPalette::WindowText));

        currentOptionSet->markOptionChoice(QStringLiteral("TabTray"), QStringLiteral("Auto"));
        QVERIFY(!tab->enableOptions());
        QVERIFY(tab->colour->isEnabled());
        QVERIFY(tab->colour->buttonList().at(1)->isEnabled());

        // Every choice blocked: disabled on the first choice.
        for (const QString &colour : {QStringLiteral("Colour"), QStringLiteral("Gray"), QStringLiteral("Auto")})
            currentOptionSet->addConstraint(QStringLiteral("TabDark"), QStringLiteral("1"),
                                            QStringLiteral("TabColour"), colour);
        tab->colour->setButton(2);
        currentOptionSet->markOptionChoice(QStringLiteral("TabColour"), QStringLiteral("Auto"));
        currentOptionSet->markOptionChoice(QStringLiteral("TabDark"), QStringLiteral("1"));
        vOption *colourOption = currentOptionSet->findOption(QStringLiteral("TabColour"));
        // Nothing free to move to: no change is reported, so the constraint
        // pass does not run again and again over the same blocked choice.
        QVERIFY(!tab->enableOptionsForButtonGroup(tab->colour, colourOption));
        QVERIFY(!tab->colour->isEnabled());
        QCOMPARE(tab->colour->checkedIndex(), 0);
        QCOMPARE(current(QStringLiteral("TabColour")), QStringLiteral("Colour"));
    }

    void sectionSwitchDisablesDependentsAndCollectsOffValues()
    {
        tab->reload();
        QCOMPARE(current(QStringLiteral("TabStaple")), QStringLiteral("Left"));
        tab->finish->iconButton()->click();
        QVERIFY(!tab->finish->isChecked());
        QVERIFY(!tab->staple->isEnabled());
        QVERIFY(!tab->punch->isEnabled());
        QCOMPARE(current(QStringLiteral("TabFinish")), QStringLiteral("False"));
        QCOMPARE(current(QStringLiteral("TabStaple")), QStringLiteral("None"));
        QVERIFY(dialog->calls >= 1);

        // A constraint pass leaves the switched-off section's controls disabled.
        QVERIFY(!tab->enableOptions());
        QVERIFY(!tab->punch->isEnabled());
        QVERIFY(!tab->staple->isEnabled());

        QHash<QString, QString> values = tab->collectOptions();
        QCOMPARE(values.value(QStringLiteral("TabFinish")), QStringLiteral("False"));
        QCOMPARE(values.value(QStringLiteral("TabStaple")), QStringLiteral("None"));
        // "no_default": the control's own value stays.
        QCOMPARE(values.value(QStringLiteral("TabPunch")), QStringLiteral("True"));

        tab->finish->iconButton()->click();
        QVERIFY(tab->staple->isEnabled());
        QVERIFY(!tab->enableOptions());
        QVERIFY(tab->punch->isEnabled());
        QCOMPARE(current(QStringLiteral("TabStaple")), QStringLiteral("Left"));
        values = tab->collectOptions();
        QCOMPARE(values.value(QStringLiteral("TabStaple")), QStringLiteral("Left"));
        QCOMPARE(values.value(QStringLiteral("TabFinish")), QStringLiteral("True"));

        // Off values that name no choice text: a choice keyword is taken,
        // and with neither the option is left out rather than sent "on".
        tab->finish->addDependent(tab->tray, QStringLiteral("Nowhere"));
        tab->finish->addDependent(tab->dark, QStringLiteral("2"));
        tab->finish->setChecked(false);
        values = tab->collectOptions();
        QVERIFY(!values.contains(QStringLiteral("TabTray")));
        QCOMPARE(values.value(QStringLiteral("TabDark")), QStringLiteral("2"));
        tab->finish->setChecked(true);

        // Marking all options follows the section's state too.
        {
            const QSignalBlocker quiet(tab->finish);
            tab->finish->setChecked(false);
        }
        tab->markAllOptions();
        QCOMPARE(current(QStringLiteral("TabStaple")), QStringLiteral("None"));
    }

    void collectOptionsGivesChoiceKeywords()
    {
        tab->reload();
        QHash<QString, QString> values = tab->collectOptions();
        QCOMPARE(values.value(QStringLiteral("TabMedia")), QStringLiteral("Plain"));
        QCOMPARE(values.value(QStringLiteral("TabTray")), QStringLiteral("Auto"));
        QCOMPARE(values.value(QStringLiteral("TabDuplex")), QStringLiteral("False"));
        QCOMPARE(values.value(QStringLiteral("TabColour")), QStringLiteral("Colour"));
        QCOMPARE(values.value(QStringLiteral("TabFinish")), QStringLiteral("True"));
        QCOMPARE(values.value(QStringLiteral("TabStaple")), QStringLiteral("Left"));
        QCOMPARE(values.value(QStringLiteral("TabToner")), QStringLiteral("True"));
        QCOMPARE(values.value(QStringLiteral("TabDark")), QStringLiteral("0"));
        QVERIFY(!values.contains(QStringLiteral("TabMissing")));

        tab->media->setCurrentIndex(tab->media->findText(QStringLiteral("Thick Paper")));
        tab->colour->buttonList().at(2)->click();
        tab->dark->setValue(2);
        {
            const QSignalBlocker quiet(tab->tray);
            tab->tray->setCurrentIndex(-1); // shows nothing: no entry
        }
        values = tab->collectOptions();
        QCOMPARE(values.value(QStringLiteral("TabMedia")), QStringLiteral("Thick"));
        QCOMPARE(values.value(QStringLiteral("TabColour")), QStringLiteral("Auto"));
        QCOMPARE(values.value(QStringLiteral("TabDark")), QStringLiteral("2.0"));
        QVERIFY(!values.contains(QStringLiteral("TabTray")));
        QVERIFY(tab->extraOptions().isEmpty());

        QCOMPARE(Tab::sliderText(QStringLiteral("CaHueMaster"), 5), QStringLiteral("50"));
        QCOMPARE(Tab::sliderText(QStringLiteral("Other"), 5), QStringLiteral("5.0"));
        QCOMPARE(Tab::sliderText(QStringLiteral("Other"), -3), QStringLiteral("-3.0"));
        QCOMPARE(Tab::sliderText(QStringLiteral("Other"), 0), QStringLiteral("0"));
    }

    void reloadShowsStoredValuesWithoutRecordingThem()
    {
        tab->reload();
        tab->mediaAtMarkAll.clear();
        tab->callsAtMarkAll.clear();
        writeSettings("TabMedia=Label;Plain\n"
                      "TabColour=Gray;Colour\n"
                      "TabDuplex=True;False\n"
                      "TabFinish=False;True\n"
                      "TabTray=Nonsense;Auto\n");
        tab->reload();
        // Shown, but recorded only by the explicit marking step.
        QCOMPARE(tab->mediaAtMarkAll, QStringList({QStringLiteral("Plain")}));
        QCOMPARE(tab->callsAtMarkAll, QList<int>({0}));
        QCOMPARE(dialog->calls, 0);
        QCOMPARE(tab->media->currentText(), QStringLiteral("Labels"));
        QCOMPARE(current(QStringLiteral("TabMedia")), QStringLiteral("Label"));
        QCOMPARE(tab->colour->checkedButtonName(), QStringLiteral("Grayscale"));
        QCOMPARE(current(QStringLiteral("TabColour")), QStringLiteral("Gray"));
        QVERIFY(tab->duplex->isChecked());
        QCOMPARE(current(QStringLiteral("TabDuplex")), QStringLiteral("True"));
        // A stored value naming no choice falls back to the default.
        QCOMPARE(tab->tray->currentText(), QStringLiteral("Auto Select"));
        // The stored section state switches its dependents off.
        QVERIFY(!tab->finish->isChecked());
        QVERIFY(!tab->staple->isEnabled());
        QCOMPARE(current(QStringLiteral("TabStaple")), QStringLiteral("None"));
        // Signals flow again after loading.
        tab->media->setCurrentIndex(tab->media->findText(QStringLiteral("Plain Paper")));
        QCOMPARE(dialog->calls, 1);
    }

    void checkBoxFollowsTrueAndFalseByKeyword()
    {
        tab->reload();
        // "True" is the option's first choice here.
        QVERIFY(tab->toner->isChecked());
        QCOMPARE(current(QStringLiteral("TabToner")), QStringLiteral("True"));
        currentOptionSet->addConstraint(QStringLiteral("TabDark"), QStringLiteral("1"),
                                        QStringLiteral("TabToner"), QStringLiteral("True"));
        currentOptionSet->markOptionChoice(QStringLiteral("TabDark"), QStringLiteral("1"));
        QVERIFY(blocked(QStringLiteral("TabToner"), QStringLiteral("True")));

        QVERIFY(tab->enableOptions());
        QVERIFY(!tab->toner->isChecked());
        QVERIFY(!tab->toner->isEnabled());
        QCOMPARE(current(QStringLiteral("TabToner")), QStringLiteral("False"));
        QCOMPARE(tab->collectOptions().value(QStringLiteral("TabToner")), QStringLiteral("False"));

        currentOptionSet->markOptionChoice(QStringLiteral("TabDark"), QStringLiteral("0"));
        QVERIFY(!tab->enableOptions());
        QVERIFY(tab->toner->isEnabled());

        // A check box whose option has a single choice is left alone.
        const bool checked = tab->single->isChecked();
        currentOptionSet->markOptionChoice(QStringLiteral("TabMedia"), QStringLiteral("Thick"));
        QVERIFY(blocked(QStringLiteral("TabSingle"), QStringLiteral("Only")));
        vOption *single = currentOptionSet->findOption(QStringLiteral("TabSingle"));
        QVERIFY(!tab->enableOptionsForCheckBox(tab->single, single));
        QCOMPARE(tab->single->isChecked(), checked);
        QVERIFY(tab->single->isEnabled());

        // Both choices blocked: unchecked and disabled.
        currentOptionSet->addConstraint(QStringLiteral("TabMedia"), QStringLiteral("Thick"),
                                        QStringLiteral("TabDuplex"), QStringLiteral("False"));
        currentOptionSet->addConstraint(QStringLiteral("TabMedia"), QStringLiteral("Thick"),
                                        QStringLiteral("TabDuplex"), QStringLiteral("True"));
        currentOptionSet->markOptionChoice(QStringLiteral("TabMedia"), QStringLiteral("Thick"));
        {
            const QSignalBlocker quiet(tab->duplex);
            tab->duplex->setChecked(true);
        }
        vOption *duplex = currentOptionSet->findOption(QStringLiteral("TabDuplex"));
        QVERIFY(tab->enableOptionsForCheckBox(tab->duplex, duplex));
        QVERIFY(!tab->duplex->isChecked());
        QVERIFY(!tab->duplex->isEnabled());
    }

    void checkBoxOfAnOptionWithTheSingleChoiceTrue()
    {
        // An option of the program's own that has only the choice "True" and
        // no default: checking the box records "True", and a stored "True"
        // shows checked.
        auto *option = new vOption(QStringLiteral("TabOnlyTrue"), QStringLiteral("Only True"));
        option->addChoice(QStringLiteral("True"), QStringLiteral("True"));
        currentOptionSet->insertOption(option);
        tab->reload();
        QVERIFY(!tab->onlyTrue->isChecked());
        QVERIFY(tab->onlyTrue->isEnabled());
        QCOMPARE(current(QStringLiteral("TabOnlyTrue")), QString());
        tab->onlyTrue->setChecked(true);
        QCOMPARE(current(QStringLiteral("TabOnlyTrue")), QStringLiteral("True"));

        writeSettings("TabOnlyTrue=True\n");
        tab->reload();
        QVERIFY(tab->onlyTrue->isChecked());
        QCOMPARE(current(QStringLiteral("TabOnlyTrue")), QStringLiteral("True"));
        QCOMPARE(tab->collectOptions().value(QStringLiteral("TabOnlyTrue")), QStringLiteral("True"));
    }

    void sectionButtonIsForcedOffWhenItsOnChoiceIsBlocked()
    {
        tab->reload();
        currentOptionSet->addConstraint(QStringLiteral("TabMedia"), QStringLiteral("Envelope"),
                                        QStringLiteral("TabFinish"), QStringLiteral("True"));
        currentOptionSet->markOptionChoice(QStringLiteral("TabMedia"), QStringLiteral("Envelope"));
        QVERIFY(tab->finish->isChecked());
        QVERIFY(tab->enableOptions());
        QVERIFY(!tab->finish->isChecked());
        QVERIFY(!tab->finish->isEnabled());
        QVERIFY(!tab->staple->isEnabled());
        QCOMPARE(current(QStringLiteral("TabFinish")), QStringLiteral("False"));
        QVERIFY(!tab->enableOptions());

        currentOptionSet->markOptionChoice(QStringLiteral("TabMedia"), QStringLiteral("Plain"));
        QVERIFY(!tab->enableOptions());
        QVERIFY(tab->finish->isEnabled());
    }

    // A queue without the option leaves its control disabled and unchecked
    // without a constraint pass; a later queue with the option enables it.
    void controlWithoutOptionIsDisabled_data()
    {
        QTest::addColumn<QString>("keyword");
        QTest::addColumn<bool>("twoState");
        QTest::newRow("combo") << "TabMedia" << false;
        QTest::newRow("check box") << "TabPunch" << true;
        QTest::newRow("section button") << "TabFinish" << true;
        QTest::newRow("slider") << "TabDark" << false;
        QTest::newRow("radio button") << "TabRadio" << true;
        QTest::newRow("button group") << "TabColour" << false;
        QTest::newRow("unbound section") << "TabMissing" << true;
    }

    void controlWithoutOptionIsDisabled()
    {
        QFETCH(QString, keyword);
        QFETCH(bool, twoState);
        QWidget *control = keyword == QLatin1String("TabMissing") ? tab->source : tab->getControls().value(keyword);
        auto checked = [control] {
            auto *section = qobject_cast<VelCheckBoxButton *>(control);
            return section ? section->isChecked() : control->property("checked").toBool();
        };
        for (const QString &extra : {QStringLiteral("TabRadio"), QStringLiteral("TabMissing")}) {
            auto *option = new vOption(extra, extra);
            option->addChoice(QStringLiteral("Off"), QStringLiteral("Off"));
            option->addChoice(QStringLiteral("On"), QStringLiteral("On"));
            currentOptionSet->insertOption(option);
        }
        vOptionSet *full = currentOptionSet;
        const auto restore = qScopeGuard([full] { currentOptionSet = full; });
        ppd_file_t *ppd = ppdOpenFile(ORDOVAN_TEST_DATA "/import-bare.ppd");
        QVERIFY(ppd);
        vOptionSet bare;
        loadFromPpd(ppd, &bare);
        ppdClose(ppd);

        tab->reload();
        tab->radio->setChecked(true);
        tab->source->setChecked(true);
        QVERIFY(control->isEnabled());
        QCOMPARE(checked(), twoState);
        dialog->calls = 0;
        currentOptionSet = &bare;
        tab->reload();
        QVERIFY(!control->isEnabled());
        QVERIFY(!checked());
        QCOMPARE(dialog->calls, 0);
        currentOptionSet = full;
        tab->reload();
        QVERIFY(control->isEnabled());
    }

    // Switching a section announces its combos' indexes again.
    void sectionSwitchAnnouncesDependentIndexes()
    {
        tab->reload();
        QSignalSpy announced(tab->staple, SIGNAL(currentIndexChanged(int)));
        tab->finish->iconButton()->click();
        tab->finish->iconButton()->click();
        QCOMPARE(announced.count(), 2);
        QCOMPARE(announced.at(1).at(0).toInt(), tab->staple->currentIndex());
    }

    void labelsGainAndLoseErrorMarks()
    {
        tab->reload();
        QLabel *label = tab->mediaLabel;
        const QString colourTitle = tab->colour->titleLabel()->text();

        tab->setErrorMark(label, QStringLiteral("Envelopes cannot be printed on both sides."), true);
        tab->setErrorMark(label, QStringLiteral("Envelopes cannot be printed on both sides."), true);
        QCOMPARE(label->text(), QStringLiteral("Media Type:") + kMark);
        QCOMPARE(label->textFormat(), Qt::RichText);
        QCOMPARE(label->toolTip(), QStringLiteral("Envelopes cannot be printed on both sides."));
        QCOMPARE(label->styleSheet(), Tab::errorTooltipStyle);
        tab->setErrorMark(label, QString(), false);
        QCOMPARE(label->text(), QStringLiteral("Media Type:"));
        tab->setErrorMark(label, QString(), true);
        tab->clearConstraintMarks();
        QCOMPARE(label->text(), QStringLiteral("Media Type:"));
        QVERIFY(label->toolTip().isEmpty());

        tab->setErrorMark(tab->colour, QStringLiteral("Not with the bypass tray."), true);
        QVERIFY(tab->colour->titleLabel()->text().endsWith(kMark));
        QCOMPARE(tab->colour->titleLabel()->toolTip(), QStringLiteral("Not with the bypass tray."));
        tab->setErrorMark(tab->colour, QString(), false);
        QVERIFY(!tab->colour->titleLabel()->text().contains(QStringLiteral("<img")));

        // The tab's own conflicts.
        tab->addConstraintMark(tab->media, label);
        tab->addConstraintMark(tab->tray, tab->trayLabel);
        tab->addConstraintMark(tab->tray, tab->colour); // replaces
        QVERIFY(!tab->isConstrained());
        // A mark that stands over many passes leaves the text as it was.
        for (int pass = 0; pass < 20; ++pass) {
            tab->clearConstraintMarks();
            tab->markCustomConstraints();
        }
        QVERIFY(tab->isConstrained());
        QCOMPARE(label->text(), QStringLiteral("Media Type:") + kMark);
        QVERIFY(!tab->trayLabel->text().contains(QStringLiteral("<img")));
        QCOMPARE(tab->colour->titleLabel()->text(), colourTitle + kMark);

        tab->clearConstraintMarks();
        QCOMPARE(label->text(), QStringLiteral("Media Type:"));
        QCOMPARE(tab->colour->titleLabel()->text(), colourTitle);

        tab->setConstrained(false);
        tab->removeConstraintMark(tab->media);
        tab->removeConstraintMark(tab->tray);
        tab->markCustomConstraints();
        QVERIFY(!tab->isConstrained());

        // Marks by keyword.
        tab->markConstraintLabel(QStringLiteral("TabTray"));
        QVERIFY(tab->trayLabel->text().endsWith(kMark));
        QVERIFY(!tab->isConstrained());
        tab->markConstraintLabel(QStringLiteral("TabToner"));
        QVERIFY(tab->isConstrained());
        tab->markConstraintLabel(QStringLiteral("TabColour"));
        QVERIFY(tab->colour->titleLabel()->text().endsWith(kMark));
        tab->clearConstraintMarks();
        QVERIFY(!tab->trayLabel->text().contains(QStringLiteral("<img")));

        // A check box carrying an option's text loses its error icon.
        tab->addConstraintMark(tab->duplex, tab->duplex);
        tab->markCustomConstraints();
        if (QFile::exists(QStringLiteral(":/icons/error")))
            QVERIFY(!tab->duplex->icon().isNull());
        tab->clearConstraintMarks();
        QVERIFY(tab->duplex->icon().isNull());
        tab->removeConstraintMark(tab->duplex);

        // A reload forgets the tab's own conflicts and renews the label texts.
        tab->addConstraintMark(tab->media, label);
        tab->reload();
        tab->setConstrained(false);
        tab->markCustomConstraints();
        QVERIFY(!tab->isConstrained());
        QCOMPARE(label->text(), QStringLiteral("Media Type:"));
    }

    void tabWithoutNameShowsAnError()
    {
        NamelessTab nameless(dialog);
        int boxes = 0;
        QString boxText;
        dialogtest::ModalPoller closer([&](QWidget *modal) {
            if (auto *box = qobject_cast<QMessageBox *>(modal)) {
                ++boxes;
                boxText = box->text();
                box->close();
            }
        });
        QCOMPARE(nameless.getTabName(), QStringLiteral("ERROR"));
        QCOMPARE(nameless.getTabName(), QStringLiteral("ERROR"));
        closer.stop();
        QCOMPARE(boxes, 2);
        QCOMPARE(boxText, QStringLiteral("ERROR: tabName not init'd!"));
        QCOMPARE(nameless.tabIcon().isNull(), QIcon(QStringLiteral(":/icons/tab-basic")).isNull());
        QVERIFY(!nameless.isConstrained());
    }

    void withoutAStoreNothingHappens()
    {
        tab->reload();
        vOptionSet *store = currentOptionSet;
        currentOptionSet = nullptr;
        tab->media->setCurrentIndex(1);
        QVERIFY(!tab->enableOptions());
        QVERIFY(tab->collectOptions().isEmpty());
        tab->updateLabels();
        QCOMPARE(tab->mediaLabel->text(), QStringLiteral("Media Type:"));
        currentOptionSet = store;
        QCOMPARE(current(QStringLiteral("TabMedia")), QStringLiteral("Plain"));
    }
};

QTEST_MAIN(TestTabBase)
#include "test_tab.moc"
