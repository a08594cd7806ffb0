#include "ui/printer_tab.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cups/cups.h>
#include <unistd.h>

#include "app/busy_cursor.h"
#include "app/cups_queries.h"
#include "app/printer_status.h"
#include "app/program_state.h"
#include "app/settings_files.h"
#include "app/vel_dialog.h"
#include "model/option_keywords.h"
#include "model/option_model.h"
#include "model/ppd_import.h"
#include "ui/option_widgets.h"

namespace {

const char *const kMakerFilters[] = {"velfilter_H", "velfilter_ras_H", "velfilter_pdf_H", "velfilter_vpsl_H"};

// A queue's PPD fetched from CUPS into a temporary copy: opened on
// construction, closed and the copy removed on destruction, whatever
// happened in between.
class FetchedPpd
{
public:
    explicit FetchedPpd(const QByteArray &queue)
    {
        const char *path = cupsGetPPD(queue.constData());
        if (!path)
            return;
        m_path = QByteArray(path);
        m_ppd = ppdOpenFile(m_path.constData());
    }
    ~FetchedPpd()
    {
        if (m_ppd)
            ppdClose(m_ppd);
        if (!m_path.isEmpty())
            unlink(m_path.constData());
    }
    FetchedPpd(const FetchedPpd &) = delete;
    FetchedPpd &operator=(const FetchedPpd &) = delete;

    ppd_file_t *ppd() const { return m_ppd; }

private:
    QByteArray m_path;
    ppd_file_t *m_ppd = nullptr;
};

QTableWidgetItem *headerItem(const QString &text)
{
    return new QTableWidgetItem(text);
}

// A Status cell keeps what lpstat said apart from its wording, so that a
// change of language shows it anew without asking CUPS again.
const int kStateRole = Qt::UserRole;
const int kOutputRole = Qt::UserRole + 1;

QTableWidgetItem *statusItem(const QueueStatus &status)
{
    auto *item = new QTableWidgetItem(status.text());
    item->setData(kStateRole, int(status.state));
    item->setData(kOutputRole, status.output);
    return item;
}

// Holds a replaced option store until control is back in the event loop
// that replaced it: a slot further up the stack may still use the store.
class RetiredStore : public QObject
{
public:
    explicit RetiredStore(vOptionSet *store)
        : m_store(store)
    {
    }
    ~RetiredStore() override { delete m_store; }

private:
    vOptionSet *m_store;
};

} // namespace

PrinterTab::PrinterTab(VelDialog *dialog)
    : Tab(dialog)
{
    buildWidgets();
    connectSignals();
}

PrinterTab::~PrinterTab()
{
    for (vOptionSet *store : qAsConst(ownStores)) {
        if (store != currentOptionSet)
            delete store;
    }
}

void PrinterTab::setTabName()
{
    tabName = Tab::getTabName();
}

void PrinterTab::buildWidgets()
{
    setContentsMargins(3, 3, 3, 3);
    tabName = tr("Printer");
    buildPrinterTable();
}

bool PrinterTab::isMakerPpd(ppd_file_t *ppd)
{
    if (!ppd)
        return false;
    const QString manufacturer = ppdText(ppd->manufacturer);
    if (manufacturer != QLatin1String("Velmora") && manufacturer != QLatin1String("WR_Wexa"))
        return false;
    bool makerFilter = false;
    for (int i = 0; i < ppd->num_filters && !makerFilter; ++i) {
        const QString entry = ppdText(ppd->filters[i]);
        for (const char *name : kMakerFilters) {
            if (entry.contains(QLatin1String(name))) {
                makerFilter = true;
                break;
            }
        }
    }
    if (!makerFilter)
        return false;
    ppd_attr_t *deviceId = ppdFindAttr(ppd, "1284DeviceID", nullptr);
    return deviceId && ppdText(deviceId->value).contains(QLatin1String("MFG:Wexa"));
}

void PrinterTab::listPrinters()
{
    deviceUris.clear();
    cups_dest_t *dests = nullptr;
    const int count = cupsGetDests(&dests);
    schedulerReached = count > 0 || !schedulerUnreachable();
    for (int i = 0; i < count; ++i) {
        const QString name = ppdText(dests[i].name);
        printerSet.insert(name);
        deviceUris.insert(name, ppdText(cupsGetOption("device-uri", dests[i].num_options, dests[i].options)));
        FetchedPpd fetched(name.toUtf8());
        if (!isMakerPpd(fetched.ppd()))
            continue;
        const int row = printerTable->rowCount();
        printerTable->insertRow(row);
        printerTable->setItem(row, 0, new QTableWidgetItem(name));
    }
    cupsFreeDests(count, dests);
}

void PrinterTab::fillDestinationColumn()
{
    // The destinations of the listing carry their device URI already.
    for (int row = 0; row < printerTable->rowCount(); ++row) {
        QTableWidgetItem *nameItem = printerTable->item(row, 0);
        const QString name = nameItem ? nameItem->text() : QString();
        printerTable->setItem(row, 1, new QTableWidgetItem(deviceUris.value(name)));
    }
}

void PrinterTab::fillStatusColumn()
{
    QStringList names;
    for (int row = 0; row < printerTable->rowCount(); ++row) {
        QTableWidgetItem *nameItem = printerTable->item(row, 0);
        names << (nameItem ? nameItem->text() : QString());
    }
    // One lpstat for the whole list.
    const QHash<QString, QueueStatus> statuses = queueStatuses(names, printerSet);
    for (int row = 0; row < names.size(); ++row)
        printerTable->setItem(row, 2, statusItem(statuses.value(names.at(row))));
}

void PrinterTab::retranslateStatusColumn()
{
    for (int row = 0; row < printerTable->rowCount(); ++row) {
        QTableWidgetItem *item = printerTable->item(row, 2);
        if (!item)
            continue;
        QueueStatus status;
        status.state = QueueState(item->data(kStateRole).toInt());
        status.output = item->data(kOutputRole).toString();
        item->setText(status.text());
    }
}

// The maker's queues with their device URI and status, under the three
// headings; the rows are sized to their contents.
void PrinterTab::fillTable()
{
    printerTable->setHorizontalHeaderItem(0, headerItem(tr("Printers")));
    listPrinters();
    printerTable->setHorizontalHeaderItem(1, headerItem(tr("Destination")));
    fillDestinationColumn();
    printerTable->setHorizontalHeaderItem(2, headerItem(tr("Status")));
    fillStatusColumn();
    if (printerTable->rowCount() > 0) {
        printerTable->resizeColumnsToContents();
        printerTable->resizeRowsToContents();
    }
    showSchedulerState();
}

void PrinterTab::showSchedulerState()
{
    if (!unreachableLabel)
        return;
    unreachableLabel->setText(tr("The print system (CUPS) cannot be reached, so no printers can be listed."));
    unreachableLabel->setVisible(!schedulerReached);
}

void PrinterTab::buildPrinterTable()
{
    printerSet.clear();
    auto *box = new QVBoxLayout(this);

    printerTable = named(new QTableWidget(0, 3, this), "tblPrinters");
    printerTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    printerTable->setSelectionMode(QAbstractItemView::SingleSelection);
    printerTable->verticalHeader()->hide();
    printerTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    printerTable->horizontalHeader()->setStretchLastSection(true);
    printerTable->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    printerTable->setTabKeyNavigation(false);

    // Said in place of the rows when no CUPS scheduler answers.
    unreachableLabel = named(new QLabel(this), "lblUnreachable");
    unreachableLabel->setWordWrap(true);
    unreachableLabel->setStyleSheet(QStringLiteral("QLabel{color: red}"));
    unreachableLabel->hide();
    box->addWidget(unreachableLabel);

    fillTable();

    box->addWidget(printerTable);
    if (printerTable->rowCount() == 0) {
        // The last column stretches over the rest: at a fixed width it would
        // run past the table's edge and cut its heading off.
        for (int column = 0; column < 2; ++column)
            printerTable->setColumnWidth(column, 186);
    }

    installedOptionsLabel = new QLabel(tr("Installed options"), this);
    installedOptionsLabel->setEnabled(false);

    rootWarningLabel =
        named(new QLabel(tr("Root access is required to make changes to installable options"), this), "lblRootWarning");
    const QString frame = QApplication::palette().brush(QPalette::Current, backgroundRole()).color().name();
    rootWarningLabel->setStyleSheet(QStringLiteral("QLabel{color: red; font-family: Sans; font-size: 10px; "
                                                   "border-width: 1px; border-color: %1; border-style: solid}")
                                        .arg(frame));
    // Long translations wrap rather than widen the page, and the label keeps
    // its room while hidden, so nothing moves when it comes and goes.
    rootWarningLabel->setWordWrap(true);
    QSizePolicy warningPolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    warningPolicy.setHeightForWidth(true);
    warningPolicy.setRetainSizeWhenHidden(true);
    rootWarningLabel->setSizePolicy(warningPolicy);
    rootWarningLabel->hide();

    auto *headingGrid = new QGridLayout();
    headingGrid->addWidget(installedOptionsLabel, 0, 0, 1, 3, Qt::AlignLeft);
    // The warning takes the rest of the row, its text at the left.
    headingGrid->addWidget(rootWarningLabel, 0, 3, 1, 8);
    headingGrid->setColumnStretch(3, 1);
    box->addLayout(headingGrid);

    auto *scrollArea = new QScrollArea(this);
    scrollArea->setWidgetResizable(true);
    box->addWidget(scrollArea);
    optionsGrid = new QGridLayout();
    optionsGrid->setColumnStretch(2, 1);
    optionsGrid->setRowStretch(999, 1);
    optionsGrid->setSizeConstraint(QLayout::SetFixedSize);
    auto *inner = new QWidget();
    inner->setLayout(optionsGrid);
    scrollArea->setWidget(inner);

    // The new option store must exist before the dialog reloads the tabs.
    connect(printerTable, SIGNAL(currentCellChanged(int, int, int, int)), this,
            SLOT(changePrinter(int, int, int, int)));
    connect(printerTable, SIGNAL(currentCellChanged(int, int, int, int)), dialog,
            SLOT(printerChanged(int, int, int, int)));
}

void PrinterTab::refreshPrinterList()
{
    BusyCursor busy(this);
    printerTable->blockSignals(true);
    const int rememberedRow = printerTable->currentRow();
    QString rememberedName;
    if (currentOptionSet) {
        rememberedName = currentOptionSet->printerName();
    } else if (rememberedRow >= 0 && printerTable->selectionModel()->isRowSelected(rememberedRow, QModelIndex())) {
        if (QTableWidgetItem *item = printerTable->item(rememberedRow, 0))
            rememberedName = item->text();
    }
    const int widths[3] = {printerTable->columnWidth(0), printerTable->columnWidth(1), printerTable->columnWidth(2)};
    blockAllSignals(true);

    printerSet.clear();
    printerTable->clear();
    printerTable->setRowCount(0);
    printerTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    printerTable->setSelectionMode(QAbstractItemView::SingleSelection);

    fillTable();
    for (int column = 0; column < 3; ++column)
        printerTable->setColumnWidth(column, widths[column]);

    // The highlighted row must name the queue whose store is current; rows
    // may have moved, so the row is found by name (none when it is gone).
    printerTable->setCurrentCell(-1, -1);
    printerTable->clearSelection();
    if (!rememberedName.isEmpty()) {
        const QList<QTableWidgetItem *> found = printerTable->findItems(rememberedName, Qt::MatchExactly);
        for (QTableWidgetItem *item : found) {
            if (item->column() == 0) {
                printerTable->selectRow(item->row());
                break;
            }
        }
    }

    blockAllSignals(false);
    printerTable->blockSignals(false);
}

void PrinterTab::changePrinter(int row, int collumn, int prev_row, int prev_collumn)
{
    Q_UNUSED(collumn);
    Q_UNUSED(prev_collumn);
    if (row == prev_row)
        return;

    QTableWidgetItem *nameItem = printerTable->item(row, 0);
    const QString queue = nameItem ? nameItem->text() : QString();
    cups_dest_t *dest = queue.isEmpty()
        ? nullptr
        : cupsGetNamedDest(CUPS_HTTP_DEFAULT, queue.toUtf8().constData(), nullptr);

    // The replaced store stays alive until the dialog has moved every tab
    // to the new one (releaseStaleStores).
    currentOptionSet = nullptr;
    unreadableQueue.clear();
    if (dest) {
        // A queue whose PPD cannot be fetched or opened gets no store; the
        // dialog says so.
        FetchedPpd fetched(QByteArray(dest->name));
        if (fetched.ppd()) {
            auto *store = new vOptionSet();
            loadFromPpd(fetched.ppd(), store);
            store->setPrinterName(queue);
            currentOptionSet = store;
            ownStores.append(store);
        } else {
            unreadableQueue = queue;
        }
        cupsFreeDests(1, dest);
    }

    if (currentOptionSet) {
        // A profile that bears the queue's name is never read as the
        // queue's settings: the queue then starts from its defaults.
        const QString queueFile = userDir + currentOptionSet->printerName() + QStringLiteral(".cfg");
        settingsSource = startsWithProfileHeader(queueFile) ? userDir : queueFile;
    } else {
        rootWarningLabel->hide();
        settingsSource = QString();
    }

    // A queue paused or resumed outside the panel shows its new state at
    // the next choice of a printer: one lpstat for the whole list.
    const bool blocked = printerTable->blockSignals(true);
    fillStatusColumn();
    printerTable->blockSignals(blocked);
}

void PrinterTab::removeInstalledOptionWidgets()
{
    QList<QWidget *> widgets = controls.values();
    for (QWidget *label : qAsConst(labels)) {
        if (!widgets.contains(label))
            widgets.append(label);
    }
    for (QWidget *widget : qAsConst(widgets)) {
        if (!widget)
            continue;
        widget->hide();
        optionsGrid->removeWidget(widget);
        // A control may be the sender of the signal being handled.
        widget->deleteLater();
    }
    controls.clear();
    labels.clear();
    nextOptionRow = 0;
}

void PrinterTab::buildInstalledOptions()
{
    if (!currentOptionSet)
        return;
    removeInstalledOptionWidgets();

    QWidget *inner = optionsGrid->parentWidget();
    const QList<vOption *> installable = currentOptionSet->installableOptions();
    for (vOption *option : installable) {
        const QString keyword = option->keyword();
        if (option->findChoice(kw::True) && option->findChoice(kw::False)) {
            auto *box = named(new QCheckBox(option->text(), inner), QStringLiteral("chkBx") + keyword);
            box->setStyleSheet(QStringLiteral("margin-bottom: 8px"));
            controls.insert(keyword, box);
            labels.insert(keyword, box);
            optionsGrid->addWidget(box, nextOptionRow++, 0, 1, 1, Qt::AlignLeft);
        } else {
            auto *combo = new ComboBoxEx();
            combo->setParent(inner);
            combo->setStyleSheet(QStringLiteral("margin-bottom: 8px"));
            named(combo, QStringLiteral("cmbBx") + keyword);
            auto *label = named(new QLabel(inner), QStringLiteral("lbl") + keyword);
            controls.insert(keyword, combo);
            labels.insert(keyword, label);
            optionsGrid->addWidget(label, nextOptionRow, 0, 1, 1, Qt::AlignLeft | Qt::AlignBottom);
            optionsGrid->addWidget(combo, nextOptionRow + 1, 0, 1, 1, Qt::AlignLeft | Qt::AlignTop);
            nextOptionRow += 2;
        }
    }
}

void PrinterTab::reload()
{
    blockAllSignals(true);
    buildInstalledOptions();
    // The new controls start with their signals blocked as well.
    blockAllSignals(true);
    setTabName();
    constraintMarks->clear();
    Tab::clearConstraintMarks();
    updateLabels();
    enableInstalledOptionsLabel();
    loadValues();
    markAllOptions();
    connectSignals();
    snapshotInstalledOptions();
    Tab::enableOptions();
    blockAllSignals(false);
}

void PrinterTab::refreshOptionMarks()
{
    blockAllSignals(true);
    constraintMarks->clear();
    Tab::clearConstraintMarks();
    markAllOptions();
    blockAllSignals(false);
}

void PrinterTab::retranslate()
{
    printerTable->setHorizontalHeaderItem(0, headerItem(tr("Printers")));
    printerTable->setHorizontalHeaderItem(1, headerItem(tr("Destination")));
    printerTable->setHorizontalHeaderItem(2, headerItem(tr("Status")));
    tabName = tr("Printer");
    const bool blocked = printerTable->blockSignals(true);
    retranslateStatusColumn();
    printerTable->blockSignals(blocked);
    showSchedulerState();
    rootWarningLabel->setText(tr("Root access is required to make changes to installable options"));
    installedOptionsLabel->setText(tr("Installed options"));
    installedOptionsLabel->update();
}

QString PrinterTab::installedControlValue(QWidget *control)
{
    if (auto *box = qobject_cast<QCheckBox *>(control))
        return box->isChecked() ? kw::True : kw::False;
    if (auto *combo = qobject_cast<QComboBox *>(control))
        return combo->currentText();
    return QString();
}

void PrinterTab::snapshotInstalledOptions()
{
    for (auto it = controls.constBegin(); it != controls.constEnd(); ++it)
        installedBaseline.insert(it.key(), installedControlValue(it.value()));
    installedChanged = false;
    rootWarningLabel->hide();
}

void PrinterTab::checkForChanges(int value)
{
    Q_UNUSED(value);
    installedChanged = false;
    for (auto it = controls.constBegin(); it != controls.constEnd(); ++it) {
        if (!installedBaseline.contains(it.key()))
            installedBaseline.insert(it.key(), QString());
        if (installedControlValue(it.value()) != installedBaseline.value(it.key()))
            installedChanged = true;
    }
    rootWarningLabel->setVisible(installedChanged);
}

// An installed-option control records its choice, updates the root warning
// and the tab's own enabling, then runs the dialog's constraint pass.
void PrinterTab::connectInstalledControl(QWidget *control, const char *signal)
{
    connect(control, signal, this, SLOT(markOption(int)), Qt::UniqueConnection);
    connect(control, signal, this, SLOT(checkForChanges(int)), Qt::UniqueConnection);
    connect(control, signal, this, SLOT(enableOptions()), Qt::UniqueConnection);
    connect(control, signal, dialog, SLOT(setConstraints()), Qt::UniqueConnection);
}

void PrinterTab::connectComboBox(ComboBoxEx *combo)
{
    combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    connectInstalledControl(combo, SIGNAL(currentIndexChanged(int)));
}

void PrinterTab::connectCheckBox(QCheckBox *check_box)
{
    connectInstalledControl(check_box, SIGNAL(stateChanged(int)));
}

QIcon PrinterTab::tabIcon()
{
    return QIcon(QStringLiteral(":/icons/tab-printer"));
}

QIcon PrinterTab::tabConstraintIcon()
{
    return QIcon(QStringLiteral(":/icons/tab-printer-constraint"));
}

bool PrinterTab::hasOptions()
{
    return true;
}

void PrinterTab::enableInstalledOptionsLabel()
{
    installedOptionsLabel->setEnabled(true);
    installedOptionsLabel->setText(tr("Installed options"));
}

void PrinterTab::clearPrinterSelection()
{
    const bool blocked = printerTable->blockSignals(true);
    printerTable->clearSelection();
    printerTable->blockSignals(blocked);
    clearInstalledOptions();
    printerTable->verticalScrollBar()->setValue(0);
}

void PrinterTab::clearInstalledOptions()
{
    removeInstalledOptionWidgets();
    installedOptionsLabel->setEnabled(false);
    // No control is left that could differ from its baseline.
    installedChanged = false;
    rootWarningLabel->hide();
}

void PrinterTab::clearHighlight()
{
    const bool blocked = printerTable->blockSignals(true);
    printerTable->clearSelection();
    // Without a current cell, a click on the same row counts as a new choice.
    printerTable->setCurrentCell(-1, -1);
    printerTable->blockSignals(blocked);
}

void PrinterTab::releaseStaleStores()
{
    for (int i = ownStores.size() - 1; i >= 0; --i) {
        vOptionSet *store = ownStores.at(i);
        if (store == currentOptionSet)
            continue;
        ownStores.removeAt(i);
        (new RetiredStore(store))->deleteLater();
    }
}
