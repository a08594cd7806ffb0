#include "profiles/profile_dialog.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QStyle>
#include <QTableWidget>
#include <QTreeWidget>

#include <sys/stat.h>

#include "app/program_state.h"
#include "app/translation.h"
#include "app/vel_dialog.h"
#include "model/option_keywords.h"
#include "model/option_model.h"
#include "model/ppd_import.h"
#include "profiles/profile_edit_dialog.h"
#include "profiles/profile_files.h"
#include "profiles/profile_save_dialog.h"
#include "ui/message_box.h"

namespace {

const QString generic = QStringLiteral("Generic");
const QString vpsl = QStringLiteral("VPSL");
const QString descriptionKey = QStringLiteral("ProfileDescription");

// When a group of the details is shown.
enum class Shown { Always, WithoutVpsl, WithoutVpslOrGeneric };

struct DetailRow
{
    QString key;
    const char *label; // null: the rotation label of the system's language
};

struct DetailGroup
{
    const char *title;
    Shown shown;
    QList<DetailRow> rows;
};

const QList<DetailGroup> &detailGroups()
{
    static const QList<DetailGroup> groups = {
        {QT_TRANSLATE_NOOP("ProfileDialog", "Profiles"), Shown::Always,
         {{QStringLiteral("ProfileDescription"), QT_TRANSLATE_NOOP("ProfileDialog", "Description")}}},
        {QT_TRANSLATE_NOOP("ProfileDialog", "Basic"), Shown::Always,
         {{kw::PageSize, QT_TRANSLATE_NOOP("ProfileDialog", "Print size")},
          {kw::MediaType, QT_TRANSLATE_NOOP("ProfileDialog", "Media type")},
          {kw::InputSlot, QT_TRANSLATE_NOOP("ProfileDialog", "Source")},
          {kw::OutputBin, QT_TRANSLATE_NOOP("ProfileDialog", "Destination")},
          {kw::Coll, QT_TRANSLATE_NOOP("ProfileDialog", "Collate")},
          {kw::Duplex, QT_TRANSLATE_NOOP("ProfileDialog", "Duplex")}}},
        {QT_TRANSLATE_NOOP("ProfileDialog", "Layout"), Shown::WithoutVpsl,
         {{kw::VZBooklet, QT_TRANSLATE_NOOP("ProfileDialog", "Booklet")}}},
        {QT_TRANSLATE_NOOP("ProfileDialog", "Finishing"), Shown::WithoutVpsl,
         {{kw::Sep, QT_TRANSLATE_NOOP("ProfileDialog", "Separation")},
          {kw::FldA, QT_TRANSLATE_NOOP("ProfileDialog", "Folding mode")},
          {kw::FldB, QT_TRANSLATE_NOOP("ProfileDialog", "Folding side")},
          {kw::FldC, QT_TRANSLATE_NOOP("ProfileDialog", "Folding direction")},
          {kw::FldD, QT_TRANSLATE_NOOP("ProfileDialog", "Folding method")},
          {kw::ZFldC, QT_TRANSLATE_NOOP("ProfileDialog", "Z-Folding direction")},
          {kw::ZFldD, QT_TRANSLATE_NOOP("ProfileDialog", "Z-Folding method")},
          {kw::BiFldB, QT_TRANSLATE_NOOP("ProfileDialog", "Bi-Folding side")},
          {kw::BFpS, QT_TRANSLATE_NOOP("ProfileDialog", "Bi-Fold folding method")},
          {kw::Stpl, QT_TRANSLATE_NOOP("ProfileDialog", "Staple")},
          {kw::Scnt, QT_TRANSLATE_NOOP("ProfileDialog", "Staple method")},
          {kw::Pnch, QT_TRANSLATE_NOOP("ProfileDialog", "Punch")},
          {kw::Rotate, nullptr}}},
        {QT_TRANSLATE_NOOP("ProfileDialog", "Imaging"), Shown::Always,
         {{kw::Trap, QT_TRANSLATE_NOOP("ProfileDialog", "Trapping")},
          {kw::VZGlossmode, QT_TRANSLATE_NOOP("ProfileDialog", "Gloss mode")},
          {kw::CIE, QT_TRANSLATE_NOOP("ProfileDialog", "CIE optimization")},
          {kw::VSCREENMODE, QT_TRANSLATE_NOOP("ProfileDialog", "Halftone screen")},
          {kw::Resolution, QT_TRANSLATE_NOOP("ProfileDialog", "Resolution")},
          {kw::Tnsv, QT_TRANSLATE_NOOP("ProfileDialog", "Tonsave")},
          {kw::CaColorSpace, QT_TRANSLATE_NOOP("ProfileDialog", "HSL/Color Balance")},
          {kw::Cadj, QT_TRANSLATE_NOOP("ProfileDialog", "Color adjustment")},
          {kw::Madj, QT_TRANSLATE_NOOP("ProfileDialog", "Monochrome adjustment")},
          {kw::ColorModel, QT_TRANSLATE_NOOP("ProfileDialog", "Color mode")},
          {kw::Crep, QT_TRANSLATE_NOOP("ProfileDialog", "Color reproduction")},
          {kw::RCM, QT_TRANSLATE_NOOP("ProfileDialog", "Color conversion")},
          {kw::Smoothing, QT_TRANSLATE_NOOP("ProfileDialog", "VIR")},
          {kw::GBTn, QT_TRANSLATE_NOOP("ProfileDialog", "Print grays with black toner")},
          {kw::VMoirePrevention, QT_TRANSLATE_NOOP("ProfileDialog", "Moire Prevention")}}},
        {QT_TRANSLATE_NOOP("ProfileDialog", "Publishing"), Shown::WithoutVpslOrGeneric,
         {{QStringLiteral("VqCoverModeEnabled"), QT_TRANSLATE_NOOP("ProfileDialog", "Cover mode")},
          {QStringLiteral("VqPageInsertEnabled"), QT_TRANSLATE_NOOP("ProfileDialog", "Page insert")},
          {QStringLiteral("VqIntLvEnabled"), QT_TRANSLATE_NOOP("ProfileDialog", "Transparency interleaving")}}},
        {QT_TRANSLATE_NOOP("ProfileDialog", "Job"), Shown::WithoutVpsl,
         {{kw::VZCollate1, QT_TRANSLATE_NOOP("ProfileDialog", "Job settings")},
          {kw::VqManagment, QT_TRANSLATE_NOOP("ProfileDialog", "Job accounting")},
          {QStringLiteral("CustomJobName"), QT_TRANSLATE_NOOP("ProfileDialog", "Job name")},
          {QStringLiteral("EMailNotification"), QT_TRANSLATE_NOOP("ProfileDialog", "Job e-mail notification")},
          {QStringLiteral("UserLogin"), QT_TRANSLATE_NOOP("ProfileDialog", "User login")}}},
        {QT_TRANSLATE_NOOP("ProfileDialog", "Watermark"), Shown::WithoutVpsl,
         {{kw::Wren, QT_TRANSLATE_NOOP("ProfileDialog", "Watermark")},
          {kw::Wtxt, QT_TRANSLATE_NOOP("ProfileDialog", "Text")}}},
    };
    return groups;
}

// A file name of the maker's directory that stays in it and names a
// regular file (never a device or a FIFO, which would hang the reading).
bool isModelPpdFile(const QString &name, QByteArray *path)
{
    if (name.split(QLatin1Char('/')).contains(QStringLiteral("..")))
        return false;
    QString dir = modelPpdDir;
    if (!dir.endsWith(QLatin1Char('/')))
        dir += QLatin1Char('/');
    *path = (dir + name + QStringLiteral(".ppd")).toUtf8();
    struct stat info;
    return ::stat(path->constData(), &info) == 0 && S_ISREG(info.st_mode);
}

} // namespace

ProfileDialog::ProfileDialog(VelDialog *dialog, TabListRef *tabs)
    : QDialog(dialog)
{
    setWindowTitle(tr("Profiles"));
    setWindowFlags(windowFlags()
                   & ~(Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint | Qt::WindowContextHelpButtonHint));
    setWindowModality(Qt::WindowModal);
    saveDialog = new ProfileSaveDialog(this, tabs);
    saveDialog->setWindowTitle(tr("Save Profiles"));
    editDialog = new ProfileEditDialog(this);
    editDialog->setWindowTitle(tr("Edit Profile"));

    layout = new QGridLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    selectLabel = new QLabel(tr("Select profile:"), this);
    profileTable = new QTableWidget(this);
    profileTable->setColumnCount(1);
    profileTable->horizontalHeader()->hide();
    profileTable->verticalHeader()->hide();
    profileTable->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    profileTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    profileTable->setSelectionMode(QAbstractItemView::SingleSelection);
    profileTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    profileTable->setTabKeyNavigation(false);
    saveButton = new QPushButton(tr("Save") + QStringLiteral("..."), this);
    editButton = new QPushButton(tr("Edit..."), this);
    deleteButton = new QPushButton(tr("Delete"), this);
    separator = new QFrame(this);
    separator->setFrameShape(QFrame::HLine);
    separator->setFrameShadow(QFrame::Plain);
    detailsTree = new QTreeWidget(this);
    detailsTree->setColumnCount(2);
    detailsTree->setHeaderLabels({tr("Item"), tr("Detail")});
    detailsTree->setColumnWidth(0, 190);
    detailsTree->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    detailsTree->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    buttonBox = new QDialogButtonBox(this);
    buttonBox->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
    buttonBox->addButton(tr("Close"), QDialogButtonBox::RejectRole);
    applyButton = buttonBox->addButton(tr("Apply"), QDialogButtonBox::ApplyRole);

    layout->addWidget(selectLabel, 1, 1, 1, 1);
    layout->addWidget(profileTable, 2, 1, 6, 1);
    layout->addWidget(saveButton, 2, 2, 1, 1);
    layout->addWidget(editButton, 3, 2, 1, 1);
    layout->addWidget(deleteButton, 4, 2, 1, 1);
    layout->addWidget(detailsTree, 8, 1, 1, 2);
    layout->addWidget(separator, 9, 1, 1, 2);
    layout->addWidget(buttonBox, 10, 1, 1, 2, Qt::AlignRight);
    setLayout(layout);
    setMinimumSize(450, 500);

    connect(profileTable, SIGNAL(currentCellChanged(int,int,int,int)), this,
            SLOT(loadDetailsFromCell(int,int,int,int)));
    connect(buttonBox, SIGNAL(accepted()), this, SLOT(loadProfile()));
    connect(buttonBox, SIGNAL(accepted()), dialog, SLOT(profileChanged()));
    connect(buttonBox, SIGNAL(accepted()), dialog, SLOT(setConstraints()));
    connect(buttonBox, SIGNAL(accepted()), this, SLOT(close()));
    connect(applyButton, SIGNAL(clicked()), this, SLOT(loadProfile()));
    connect(applyButton, SIGNAL(clicked()), dialog, SLOT(profileChanged()));
    connect(applyButton, SIGNAL(clicked()), dialog, SLOT(setConstraints()));
    connect(saveButton, SIGNAL(clicked()), saveDialog, SLOT(exec()));
    connect(saveButton, SIGNAL(clicked()), this, SLOT(fillProfileTable()));
    connect(editButton, SIGNAL(clicked()), this, SLOT(launchProfileEditDialog()));
    connect(editButton, SIGNAL(clicked()), this, SLOT(fillProfileTable()));
    connect(deleteButton, SIGNAL(clicked()), this, SLOT(deleteProfile()));
    connect(deleteButton, SIGNAL(clicked()), this, SLOT(fillProfileTable()));
    connect(buttonBox, SIGNAL(rejected()), this, SLOT(reject()));
}

void ProfileDialog::addProfileRow(const QString &name)
{
    profileTable->insertRow(nextRow);
    profileTable->setItem(nextRow, 0, new QTableWidgetItem(name));
    ++nextRow;
}

QString ProfileDialog::profilePath(int row) const
{
    QTableWidgetItem *item = profileTable->item(row, 0);
    if (row <= 0 || !item)
        return userDir;
    return profiles::profileFilePath(item->text());
}

void ProfileDialog::fillProfileTable()
{
    QString previous;
    if (QTableWidgetItem *current = profileTable->currentItem())
        previous = current->text();
    QSet<QString> oldNames;
    for (int row = 0; row < profileTable->rowCount(); ++row) {
        if (QTableWidgetItem *item = profileTable->item(row, 0))
            oldNames.insert(item->text());
    }

    profileTable->blockSignals(true);
    nextRow = 0;
    profileTable->clear();
    profileTable->setRowCount(0);
    addProfileRow(tr("Factory Default"));
    const QStringList names = profiles::profileNames();
    for (const QString &name : names)
        addProfileRow(name);

    // A profile that is new since the last filling is chosen, else the one
    // chosen before, else the factory defaults.
    int chosen = -1;
    for (int row = 0; row < profileTable->rowCount() && chosen < 0; ++row) {
        if (!oldNames.contains(profileTable->item(row, 0)->text()))
            chosen = row;
    }
    for (int row = 0; row < profileTable->rowCount() && chosen < 0; ++row) {
        if (profileTable->item(row, 0)->text() == previous)
            chosen = row;
    }
    if (chosen < 0)
        chosen = 0;
    profileTable->setCurrentCell(chosen, 0);
    loadDetailsFromCell(chosen, 0, -1, -1);
    profileTable->blockSignals(false);
}

void ProfileDialog::show()
{
    saveButton->setEnabled(settingsValid);
    QDialog::show();
}

void ProfileDialog::launchProfileEditDialog()
{
    QTableWidgetItem *item = profileTable->currentItem();
    if (!item || item->row() == 0)
        return;
    const QString name = item->text();
    const QString description = readProfileForEdit(name);
    if (name.isEmpty())
        return;
    editDialog->setProfile(name, description);
    editDialog->exec();
}

void ProfileDialog::loadDetailsFromCell(int row_end, int col_end, int row_start, int col_start)
{
    Q_UNUSED(col_end)
    Q_UNUSED(row_start)
    Q_UNUSED(col_start)
    if (!profileTable->item(row_end, 0)) {
        detailsTree->clear();
        editButton->setEnabled(false);
        deleteButton->setEnabled(false);
        return;
    }
    showProfileDetails(row_end);
    editButton->setEnabled(row_end != 0);
    deleteButton->setEnabled(row_end != 0);
}

void ProfileDialog::loadProfile()
{
    // Row 0 names the directory, which holds no settings: every tab shows
    // the printer description's defaults.
    const int row = profileTable->currentRow();
    if (row < 0 || !profileTable->item(row, 0))
        return;
    settingsSource = profilePath(row);
}

void ProfileDialog::deleteProfile()
{
    const int row = profileTable->currentRow();
    if (row <= 0 || !profileTable->item(row, 0))
        return;
    const QString path = profilePath(row);
    if (!QFile::remove(path) && QFileInfo::exists(path)) {
        showMessageBox(tr("Error"), tr("The profile could not be deleted."));
    }
}

void ProfileDialog::showProfileDetails(int row)
{
    detailsTree->clear();
    if (row == 0) {
        showProfileValues(factoryDefaultValues());
        return;
    }
    QFile file(profilePath(row));
    showProfileValues(readProfileFile(file));
}

QHash<QString, QString> ProfileDialog::readProfileFile(QFile &file)
{
    QHash<QString, QString> values;
    modelPpd = nullptr;
    // The model's options live only for this reading.
    vOptionSet store;
    const QStringList lines = profiles::readTextLines(file.fileName());
    for (const QString &line : lines) {
        // The first model line whose description opens decides the model.
        if (!modelPpd && profiles::isModelLine(line)) {
            if (line.contains(generic))
                values.insert(generic, kw::True);
            if (line.contains(vpsl))
                values.insert(vpsl, kw::True);
            modelPpd = openModelPpd(line);
            if (modelPpd) {
                loadFromPpd(modelPpd, &store);
                ppdClose(modelPpd);
            }
        }
        const int equals = line.indexOf(QLatin1Char('='));
        if (equals < 0)
            continue;
        const QString keyword = line.left(equals);
        const QString value = line.mid(equals + 1);
        // With more "=" in the line, only a line with a keyword counts.
        if (keyword.isEmpty() && value.contains(QLatin1Char('=')))
            continue;
        values.insert(keyword, profileValueText(keyword, value, &store));
    }
    return values;
}

ppd_file_t *ProfileDialog::openModelPpd(const QString &modelLine)
{
    QString name = modelLine;
    name.remove(QLatin1Char('['));
    name.remove(QLatin1Char(']'));
    name.replace(QLatin1Char(' '), QLatin1Char('_'));
    name.remove(QStringLiteral("_VPDL"));
    name.replace(QStringLiteral("B/W"), QStringLiteral("Monochrome"));
    name.replace(QStringLiteral("WR/Wexa"), QStringLiteral("WR"));
    name.remove(QStringLiteral("_VPSL"));
    QByteArray path;
    if (!isModelPpdFile(name, &path))
        return nullptr;
    return ppdOpenFile(path.constData());
}

QString ProfileDialog::profileValueText(const QString &keyword, const QString &value, vOptionSet *store)
{
    const QString error1 = QStringLiteral("ERROR 1");
    if (!modelPpd)
        return QStringLiteral("ERROR 3");
    if (vOption *option = store->findOption(keyword)) {
        if (vChoice *choice = option->findChoice(value))
            return choice->text();
        if (keyword == kw::VZCollate1 && value == kw::Custom1)
            return tr("Private print");
        if (keyword == kw::VZCollate1 && value == kw::Custom2)
            return tr("Custom box");
        if (keyword == kw::VqManagment)
            return value == kw::Default ? error1 : tr("On");
        if (keyword == kw::JobName)
            return value == kw::off ? error1 : tr("On");
        if (keyword == kw::Wtxt)
            return tr("Custom watermark");
        return error1;
    }
    static const QStringList switches = {QStringLiteral("VqCoverModeEnabled"), QStringLiteral("VqPageInsertEnabled"),
                                         QStringLiteral("VqIntLvEnabled"), QStringLiteral("UserLogin")};
    if (switches.contains(keyword))
        return value == kw::True ? tr("On") : tr("Off");
    if (keyword == descriptionKey)
        return value;
    if (keyword == QLatin1String("EMailNotification"))
        return value == kw::off ? tr("Off") : value;
    if (keyword == QLatin1String("CustomJobName"))
        return tr("On");
    if (keyword == QLatin1String("PQX_enabled"))
        return value == kw::ON ? tr("On") : tr("Off");
    if (keyword == kw::ColorModel)
        return tr("Black & white");
    return QStringLiteral("ERROR 2");
}

QHash<QString, QString> ProfileDialog::factoryDefaultValues()
{
    QHash<QString, QString> values;
    if (!currentOptionSet)
        return values;
    const QList<vOption *> options = currentOptionSet->allOptions();
    for (vOption *option : options) {
        if (option->isFromPpd())
            values.insert(option->keyword(), option->defaultChoice() ? option->defaultChoice()->text() : QString());
    }
    if (currentOptionSet->isGeneric())
        values.insert(generic, kw::True);
    if (currentOptionSet->hasVpslFilter())
        values.insert(vpsl, kw::True);
    for (const char *key : {"VqCoverModeEnabled", "VqPageInsertEnabled", "VqIntLvEnabled", "UserLogin"})
        values.insert(QLatin1String(key), tr("Off"));
    return values;
}

void ProfileDialog::showProfileValues(const QHash<QString, QString> &values)
{
    const bool hasVpsl = values.contains(vpsl);
    const bool hasGeneric = values.contains(generic);
    for (const DetailGroup &group : detailGroups()) {
        if ((group.shown != Shown::Always && hasVpsl) || (group.shown == Shown::WithoutVpslOrGeneric && hasGeneric))
            continue;
        QTreeWidgetItem *item = nullptr;
        for (const DetailRow &row : group.rows) {
            const QString &key = row.key;
            if (!values.contains(key))
                continue;
            if (!item)
                item = new QTreeWidgetItem(detailsTree, {tr(group.title), QString()});
            QString value = values.value(key);
            if (key == descriptionKey)
                value = profiles::shownDescription(value);
            addDetailRow(row.label ? tr(row.label) : rotate180Text(), value, item);
        }
    }
    if (!hasVpsl) {
        const QString pqx = QStringLiteral("uLmera");
        auto *item = new QTreeWidgetItem(detailsTree, {pqx, QString()});
        addDetailRow(pqx, values.value(QStringLiteral("PQX_enabled"), tr("Off")), item);
    }
    fitItemColumn();
}

void ProfileDialog::fitItemColumn()
{
    const QFontMetrics metrics(detailsTree->font());
    const int margin = 2 * (detailsTree->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, detailsTree) + 1);
    const int indent = detailsTree->indentation();
    const int groupIndent = detailsTree->rootIsDecorated() ? indent : 0;
    int widest = qMax(190, detailsTree->header()->sectionSizeHint(0));
    for (int i = 0; i < detailsTree->topLevelItemCount(); ++i) {
        QTreeWidgetItem *group = detailsTree->topLevelItem(i);
        widest = qMax(widest, groupIndent + metrics.horizontalAdvance(group->text(0)) + margin);
        for (int j = 0; j < group->childCount(); ++j)
            widest = qMax(widest, groupIndent + indent + metrics.horizontalAdvance(group->child(j)->text(0)) + margin);
    }
    detailsTree->setColumnWidth(0, widest);
}

void ProfileDialog::addDetailRow(const QString &label, const QString &value, QTreeWidgetItem *group)
{
    new QTreeWidgetItem(group, {label, value});
}

QString ProfileDialog::readProfileForEdit(const QString &name)
{
    QString description;
    const QStringList lines = profiles::readTextLines(profiles::profileFilePath(name));
    for (const QString &line : lines) {
        if (line.section(QLatin1Char('='), 0, 0) == descriptionKey)
            description = line.section(QLatin1Char('='), 1, -1);
    }
    return description;
}
