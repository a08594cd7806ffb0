#include "tabs/publishing_tab.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

#include <algorithm>

#include "app/program_state.h"
#include "app/settings_files.h"
#include "app/vel_dialog.h"
#include "model/option_keywords.h"
#include "model/option_model.h"
#include "ui/option_widgets.h"

namespace {

// At most this many pages may be inserted; page numbers run up to kLastPage.
const int kMaxPages = 50;
const int kLastPage = 511;

const QString *const kBoundKeywords[] = {&kw::CvrM,     &kw::BackCvrM, &kw::Pmed,     &kw::Tmed,
                                         &kw::cCovBut,  &kw::cCovTRad, &kw::cCovBRad, &kw::cCovPOFO,
                                         &kw::cCovPOFI, &kw::cCovPOBO, &kw::cCovPOBI, &kw::cInsBut,
                                         &kw::cInsPrnF, &kw::cInsPrnB, &kw::cIntBut,  &kw::cIntPrn};

bool matchesWhole(const QRegularExpression &pattern, const QString &text)
{
    return pattern.match(text).hasMatch();
}

// The patterns hold no repeated groups: a repeated group fails to match a
// long list (the edit takes up to 32767 characters).
const QRegularExpression &pageCharacters()
{
    static const QRegularExpression re(QStringLiteral("\\A[\\d, -]*\\z"));
    return re;
}

const QRegularExpression &closedRange()
{
    static const QRegularExpression re(QStringLiteral("\\A *\\d+ *- *\\d+ *\\z"));
    return re;
}

// A range left open at its end: from a page of at least 2, written without
// a leading zero.
const QRegularExpression &openRange()
{
    static const QRegularExpression re(QStringLiteral("\\A *(?:[2-9]|[1-9]\\d+) *- *\\z"));
    return re;
}

const QRegularExpression &containsDigit()
{
    static const QRegularExpression re(QStringLiteral("\\d"));
    return re;
}

// Two or more numbers separated by blanks alone.
const QRegularExpression &blankSeparatedNumbers()
{
    static const QRegularExpression re(QStringLiteral("\\A *\\d+(?: +\\d+)+ *\\z"));
    return re;
}

// A page number as typed; one that does not fit an int counts as 0.
int pageNumber(const QString &piece)
{
    bool ok = false;
    const int value = piece.trimmed().toInt(&ok);
    return ok ? value : 0;
}

// The last item names no page the user could have finished typing: it ends
// the list with a comma, or leaves a range open.
bool isIncompleteLastItem(const QString &item)
{
    return !item.contains(containsDigit()) || matchesWhole(openRange(), item);
}

} // namespace

PublishingTab::PublishingTab(VelDialog *dialog)
    : Tab(dialog)
{
    pageNumbers.clear();
    buildWidgets();
    connectSignals();
    setStyleSheet(QStringLiteral("ComboBoxEx{ margin-bottom: 0px }VelButtonGroup{ margin-bottom: 0px }"
                                 "QCheckBox{ margin-bottom: 0px }VelCheckBoxButton{ margin-bottom: 0px; }"));
    layOutPage();
    connectPage();
}

void PublishingTab::setTabName()
{
    tabName = getTabName();
}

VelCheckBoxButton *PublishingTab::sectionButton(const char *name, const char *icon)
{
    return named(new VelCheckBoxButton(this, QLatin1String(name), QIcon(QLatin1String(icon))), name);
}

void PublishingTab::buildWidgets()
{
    tabName = tr("Publishing");

    coverModeLabel = named(new QLabel(tr("Cover mode:")), "lblCvrMode");
    frontRadio = named(new QRadioButton(tr("Front")), "rdButCvrFront");
    frontBackRadio = named(new QRadioButton(tr("Front and back")), "rdButCvrFrontBack");
    printOntoLabel = named(new QLabel(tr("Print onto:")), "lblCvrPrintOnto");
    frontPrintOntoLabel = named(new QLabel(tr("Front")), "lblCvrFront");
    frontOutsideBox = named(new QCheckBox(tr("Outside")), "chkBxCvrFrontOut");
    frontInsideBox = named(new QCheckBox(tr("Inside")), "chkBxCvrFrontIn");
    backPrintOntoLabel = named(new QLabel(tr("Back")), "lblCvrBack");
    backOutsideBox = named(new QCheckBox(tr("Outside")), "chkBxCvrBackOut");
    backInsideBox = named(new QCheckBox(tr("Inside")), "chkBxCvrBackIn");
    frontSourceLabel = named(new QLabel(tr("Paper source for front cover:")), "lblCvrM");
    frontCoverSourceCombo = named(new ComboBoxEx(), "cmbBxCvrM");
    frontCoverSourceCombo->setMinimumWidth(185);
    backSourceLabel = named(new QLabel(tr("Paper source for back cover:")), "lblBackCvrM");
    backCoverSourceCombo = named(new ComboBoxEx(), "cmbBxBackCvrM");
    backCoverSourceCombo->setMinimumWidth(185);
    coverModeButton = sectionButton("chkButCvr", ":/icons/covermode");

    pageInsertLabel = named(new QLabel(tr("Page insert:")), "lblPins");
    insertFrontBox = named(new QCheckBox(tr("Print onto front")), "chkBxPinsPrintOntoFront");
    insertBackBox = named(new QCheckBox(tr("Print onto back")), "chkBxPinsPrintOntoBack");
    insertPagesLabel = named(new QLabel(tr("Insert before pages:")), "lblPinsPage");
    insertPagesEdit = named(new QLineEdit(), "lnEditPinsPage");
    insertPagesEdit->setMinimumWidth(185);
    insertPagesEdit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d[\\d ,-]*")), insertPagesEdit));
    insertSourceLabel = named(new QLabel(tr("Paper source for page:")), "lblPMed");
    insertSourceCombo = named(new ComboBoxEx(), "cmbBxPMed");
    insertSourceCombo->setMinimumWidth(185);
    pageInsertButton = sectionButton("chkButPins", ":/icons/pageinsert");

    interleaveLabel = named(new QLabel(tr("Transparency interleaving:")), "lblTint");
    interleavePrintBox = named(new QCheckBox(tr("Print onto backing")), "chkBxTintPrintOnto");
    interleaveSourceLabel = named(new QLabel(tr("Paper source for backing:")), "lblTMed");
    interleaveSourceCombo = named(new ComboBoxEx(), "cmbBxTMed");
    interleaveSourceCombo->setMinimumWidth(185);
    interleaveButton = sectionButton("chkButTint", ":/icons/transparency");

    const QList<QPair<QString, QWidget *>> bound = {
        {kw::CvrM, frontCoverSourceCombo}, {kw::BackCvrM, backCoverSourceCombo}, {kw::Pmed, insertSourceCombo},
        {kw::Tmed, interleaveSourceCombo}, {kw::cCovBut, coverModeButton},       {kw::cCovTRad, frontRadio},
        {kw::cCovBRad, frontBackRadio},    {kw::cCovPOFO, frontOutsideBox},      {kw::cCovPOFI, frontInsideBox},
        {kw::cCovPOBO, backOutsideBox},    {kw::cCovPOBI, backInsideBox},        {kw::cInsBut, pageInsertButton},
        {kw::cInsPrnF, insertFrontBox},    {kw::cInsPrnB, insertBackBox},        {kw::cIntBut, interleaveButton},
        {kw::cIntPrn, interleavePrintBox}};
    for (const auto &entry : bound)
        controls.insert(entry.first, entry.second);

    labels.insert(kw::CvrM, frontSourceLabel);
    labels.insert(kw::BackCvrM, backSourceLabel);
    labels.insert(kw::Pmed, insertSourceLabel);
    labels.insert(kw::Tmed, interleaveSourceLabel);

    sectionButtons << coverModeButton << pageInsertButton << interleaveButton;
    for (QWidget *widget : {static_cast<QWidget *>(frontRadio), static_cast<QWidget *>(frontBackRadio),
                            static_cast<QWidget *>(printOntoLabel), static_cast<QWidget *>(frontPrintOntoLabel),
                            static_cast<QWidget *>(frontOutsideBox), static_cast<QWidget *>(frontInsideBox),
                            static_cast<QWidget *>(backPrintOntoLabel), static_cast<QWidget *>(backOutsideBox),
                            static_cast<QWidget *>(backInsideBox), static_cast<QWidget *>(frontSourceLabel),
                            static_cast<QWidget *>(frontCoverSourceCombo), static_cast<QWidget *>(backSourceLabel),
                            static_cast<QWidget *>(backCoverSourceCombo)})
        coverModeButton->addDependent(widget, kw::no_default);
    for (QWidget *widget : {static_cast<QWidget *>(insertFrontBox), static_cast<QWidget *>(insertBackBox),
                            static_cast<QWidget *>(insertPagesLabel), static_cast<QWidget *>(insertPagesEdit),
                            static_cast<QWidget *>(insertSourceLabel), static_cast<QWidget *>(insertSourceCombo)})
        pageInsertButton->addDependent(widget, kw::no_default);
    for (QWidget *widget : {static_cast<QWidget *>(interleavePrintBox), static_cast<QWidget *>(interleaveSourceLabel),
                            static_cast<QWidget *>(interleaveSourceCombo)})
        interleaveButton->addDependent(widget, kw::no_default);

    pageListInvalid = false;
}

void PublishingTab::layOutPage()
{
    auto *left = new QGridLayout;
    auto place = [](QGridLayout *grid, QWidget *widget, int row, int column, int rows, int columns,
                    const char *style = nullptr) {
        grid->addWidget(widget, row, column, rows, columns, Qt::AlignLeft);
        if (style)
            widget->setStyleSheet(QLatin1String(style));
    };
    const char *indented = "margin-left: 20px";
    const char *indentedBox = "margin-bottom: 0px; margin-left: 40px";
    place(left, coverModeLabel, 0, 0, 1, 3);
    place(left, coverModeButton, 1, 0, 2, 1);
    place(left, frontRadio, 1, 1, 1, 3);
    place(left, frontBackRadio, 2, 1, 1, 3);
    place(left, printOntoLabel, 3, 1, 1, 3);
    place(left, frontPrintOntoLabel, 5, 1, 1, 2, indented);
    place(left, frontOutsideBox, 6, 1, 1, 1, indentedBox);
    place(left, frontInsideBox, 7, 1, 1, 1, indentedBox);
    place(left, backPrintOntoLabel, 8, 1, 1, 2, indented);
    place(left, backInsideBox, 9, 1, 1, 1, indentedBox);
    place(left, backOutsideBox, 10, 1, 1, 1, indentedBox);
    place(left, frontSourceLabel, 11, 1, 1, 3);
    place(left, frontCoverSourceCombo, 12, 1, 1, 3, "margin-bottom: 15px");
    place(left, backSourceLabel, 13, 1, 1, 3);
    place(left, backCoverSourceCombo, 14, 1, 1, 3, "margin-bottom: 15px");
    left->addWidget(plainLine(QFrame::HLine), 15, 0, 1, 4);
    place(left, interleaveLabel, 16, 0, 1, 3, "margin-top: 15px; margin-bottom: 0px");
    place(left, interleaveButton, 17, 0, 2, 1);
    place(left, interleavePrintBox, 17, 1, 1, 1);
    place(left, interleaveSourceLabel, 18, 1, 1, 1);
    place(left, interleaveSourceCombo, 19, 1, 1, 1);
    left->setColumnStretch(3, 1);
    left->setRowStretch(22, 1);

    auto *right = new QGridLayout;
    place(right, pageInsertLabel, 0, 0, 1, 3);
    place(right, pageInsertButton, 1, 0, 2, 1);
    place(right, insertFrontBox, 1, 1, 1, 2);
    place(right, insertBackBox, 2, 1, 1, 2);
    place(right, insertPagesLabel, 3, 1, 1, 2);
    place(right, insertPagesEdit, 4, 1, 1, 2);
    place(right, insertSourceLabel, 5, 1, 1, 2);
    place(right, insertSourceCombo, 6, 1, 1, 2);
    right->setColumnStretch(4, 1);
    right->setRowStretch(15, 1);

    auto *page = new QHBoxLayout(this);
    page->addLayout(left);
    page->addWidget(plainLine(QFrame::VLine), 1);
    page->addLayout(right);
}

void PublishingTab::connectPage()
{
    connect(coverModeButton, SIGNAL(toggled(bool)), this, SLOT(coverModeToggled(bool)));
    connect(coverModeButton, SIGNAL(toggled(bool)), dialog, SLOT(setConstraints()));
    connect(frontRadio, SIGNAL(toggled(bool)), this, SLOT(coverRadioButtonSelectionChanged()));
    connect(frontRadio, SIGNAL(toggled(bool)), dialog, SLOT(setConstraints()), Qt::UniqueConnection);
    connect(frontBackRadio, SIGNAL(toggled(bool)), this, SLOT(coverRadioButtonSelectionChanged()));
    connect(frontBackRadio, SIGNAL(toggled(bool)), dialog, SLOT(setConstraints()), Qt::UniqueConnection);
    connect(frontCoverSourceCombo, SIGNAL(currentIndexChanged(int)), dialog, SLOT(togglePublishingFronAndBackLabel()));
    connect(backCoverSourceCombo, SIGNAL(currentIndexChanged(int)), dialog, SLOT(togglePublishingFronAndBackLabel()));
    connect(interleaveButton, SIGNAL(toggled(bool)), dialog, SLOT(setConstraints()));
    connect(interleaveButton, SIGNAL(toggled(bool)), this, SLOT(interleaveToggled(bool)));
    connect(pageInsertButton, SIGNAL(toggled(bool)), this, SLOT(pageInsertToggled(bool)));
    connect(insertPagesEdit, SIGNAL(textEdited(QString)), this, SLOT(checkPageInsertInputText()));
    connect(insertPagesEdit, SIGNAL(textEdited(QString)), dialog, SLOT(setConstraints()));
    connect(frontInsideBox, SIGNAL(stateChanged(int)), this, SLOT(checkPageInsertInputText()));
    connect(frontOutsideBox, SIGNAL(stateChanged(int)), this, SLOT(checkPageInsertInputText()));
}

QIcon PublishingTab::tabIcon()
{
    return QIcon(QStringLiteral(":/icons/tab-publishing"));
}

QIcon PublishingTab::tabConstraintIcon()
{
    return QIcon(QStringLiteral(":/icons/tab-publishing-constraint"));
}

bool PublishingTab::hasOptions()
{
    if (!currentOptionSet)
        return false;
    for (const QString *keyword : kBoundKeywords) {
        if (currentOptionSet->findOption(*keyword))
            return true;
    }
    return false;
}

bool PublishingTab::sectionAvailable(VelCheckBoxButton *section, const QString &keyword) const
{
    if (!storeOption(keyword))
        return false;
    const QList<QWidget *> dependents = section->dependents();
    for (QWidget *widget : dependents) {
        auto *combo = qobject_cast<ComboBoxEx *>(widget);
        if (combo && combo->count() == 0)
            return false;
    }
    return true;
}

// ---------------------------------------------------------------------------
// Reload

void PublishingTab::BlockAllSignals(bool block)
{
    blockAllSignals(block);
    insertPagesEdit->blockSignals(block);
}

void PublishingTab::adjustBackCoverControls()
{
    coverModeButton->removeDependent(backCoverSourceCombo);
    coverModeButton->removeDependent(backSourceLabel);
    const bool hasBack = storeOption(kw::BackCvrM) != nullptr;
    if (hasBack) {
        coverModeButton->addDependent(backSourceLabel, kw::no_default);
        coverModeButton->addDependent(backCoverSourceCombo, kw::no_default);
    }
    backSourceLabel->setVisible(hasBack);
    backCoverSourceCombo->setVisible(hasBack);
}

void PublishingTab::reload()
{
    BlockAllSignals(true);
    adjustBackCoverControls();
    insertPagesEdit->clear();
    setTabName();
    constraintMarks->clear();
    clearConstraintMarks();
    updateLabels();
    loadValues();
    markAllOptions();
    refreshPublishingStates();
    // The section states just loaded reach the store before the first
    // constraint pass, whatever order the controls are visited in.
    markAllOptions();
    BlockAllSignals(false);
    updateCoverPrintOnto();
}

void PublishingTab::retranslate()
{
    tabName = tr("Publishing");
    const QList<QPair<QWidget *, QString>> texts = {
        {coverModeLabel, tr("Cover mode:")},
        {frontRadio, tr("Front")},
        {frontBackRadio, tr("Front and back")},
        {printOntoLabel, tr("Print onto:")},
        {frontPrintOntoLabel, tr("Front")},
        {frontOutsideBox, tr("Outside")},
        {frontInsideBox, tr("Inside")},
        {backPrintOntoLabel, tr("Back")},
        {backOutsideBox, tr("Outside")},
        {backInsideBox, tr("Inside")},
        {frontSourceLabel, tr("Paper source for front cover:")},
        {backSourceLabel, tr("Paper source for back cover:")},
        {pageInsertLabel, tr("Page insert:")},
        {insertFrontBox, tr("Print onto front")},
        {insertBackBox, tr("Print onto back")},
        {insertPagesLabel, tr("Insert before pages:")},
        {insertSourceLabel, tr("Paper source for page:")},
        {interleaveLabel, tr("Transparency interleaving:")},
        {interleavePrintBox, tr("Print onto backing")},
        {interleaveSourceLabel, tr("Paper source for backing:")},
    };
    for (const auto &entry : texts) {
        if (auto *label = qobject_cast<QLabel *>(entry.first))
            label->setText(entry.second);
        else if (auto *button = qobject_cast<QAbstractButton *>(entry.first))
            button->setText(entry.second);
        entry.first->repaint();
    }
}

// ---------------------------------------------------------------------------
// Marks

void PublishingTab::clearConstraintMarks()
{
    Tab::clearConstraintMarks();
    for (QLabel *label : {coverModeLabel, pageInsertLabel, interleaveLabel})
        markLabelText(label, false);
}

void PublishingTab::prepareConstraintMarks()
{
    const bool cover = coverModeButton->isChecked();
    const bool insert = pageInsertButton->isChecked();
    const bool interleave = interleaveButton->isChecked();
    if (interleave && cover) {
        addConstraintMark(interleaveButton, interleaveLabel);
        addConstraintMark(coverModeButton, coverModeLabel);
    } else {
        removeConstraintMark(coverModeButton);
    }
    if (interleave && insert) {
        addConstraintMark(interleaveButton, interleaveLabel);
        addConstraintMark(pageInsertButton, pageInsertLabel);
    } else {
        removeConstraintMark(pageInsertButton);
    }
    if (!(interleave && (cover || insert)))
        removeConstraintMark(interleaveButton);
}

void PublishingTab::markCustomConstraints()
{
    Tab::markCustomConstraints();
    checkPageInsertInputText();
}

bool PublishingTab::enableOptions()
{
    const bool changed = Tab::enableOptions();
    // A section whose paper-source list is empty has nothing to offer: free
    // choices in the store do not bring it back.
    const QList<QPair<VelCheckBoxButton *, QString>> sections = {
        {coverModeButton, kw::cCovBut}, {pageInsertButton, kw::cInsBut}, {interleaveButton, kw::cIntBut}};
    for (const auto &section : sections) {
        if (!sectionAvailable(section.first, section.second))
            section.first->setEnabled(false);
    }
    return changed;
}

bool PublishingTab::isConstrained()
{
    if (!hasOptions())
        return false;
    if (constrained)
        return true;
    return pageInsertButton->isChecked() && (pageListInvalid || insertPagesEdit->text().isEmpty());
}

// ---------------------------------------------------------------------------
// Section rules

void PublishingTab::coverRadioButtonSelectionChanged()
{
    if (!coverModeButton->isChecked())
        return;
    const bool hasBack = storeOption(kw::BackCvrM) != nullptr;
    if (frontRadio->isChecked()) {
        backPrintOntoLabel->setEnabled(false);
        if (currentOptionSet) {
            currentOptionSet->markOptionChoice(kw::cCovTRad, kw::True);
            currentOptionSet->markOptionChoice(kw::cCovBRad, kw::False);
        }
        backSourceLabel->setEnabled(false);
        backCoverSourceCombo->setEnabled(false);
        backCoverSourceCombo->setCurrentIndex(0);
    } else if (frontBackRadio->isChecked()) {
        backPrintOntoLabel->setEnabled(true);
        if (currentOptionSet) {
            currentOptionSet->markOptionChoice(kw::cCovTRad, kw::False);
            currentOptionSet->markOptionChoice(kw::cCovBRad, kw::True);
        }
        // A printer without a back-cover source keeps its hidden controls off.
        backSourceLabel->setEnabled(hasBack);
        backCoverSourceCombo->setEnabled(hasBack);
        // The back label may stand above an inserter tray again.
        updateCoverPrintOnto();
    }
}

void PublishingTab::coverModeToggled(bool toggleState)
{
    if (toggleState) {
        coverRadioButtonSelectionChanged();
        return;
    }
    frontRadio->setChecked(true);
    frontCoverSourceCombo->setCurrentIndex(0);
    backCoverSourceCombo->setCurrentIndex(0);
    for (QCheckBox *box : {frontOutsideBox, frontInsideBox, backOutsideBox, backInsideBox})
        box->setChecked(false);
}

void PublishingTab::pageInsertToggled(bool toggleState)
{
    if (toggleState)
        return;
    insertFrontBox->setChecked(false);
    insertBackBox->setChecked(false);
    insertPagesEdit->clear();
    insertSourceCombo->setCurrentIndex(0);
}

void PublishingTab::interleaveToggled(bool toggleState)
{
    if (toggleState)
        return;
    interleavePrintBox->setChecked(false);
    interleaveSourceCombo->setCurrentIndex(0);
}

bool PublishingTab::showsInserter(ComboBoxEx *combo, const QString &keyword) const
{
    const QString text = combo->currentText();
    if (text == QLatin1String("Inserter tray 1") || text == QLatin1String("Inserter tray 2"))
        return true;
    // The tray rules name the choices by keyword; a translated description
    // shows other texts for them.
    vOption *option = storeOption(keyword);
    vChoice *choice = option ? option->findChoiceByText(text) : nullptr;
    return choice && (choice->keyword() == kw::Inserter1 || choice->keyword() == kw::Inserter2);
}

void PublishingTab::updateCoverPrintOnto()
{
    if (!coverModeButton->isChecked())
        return;
    if (frontCoverSourceCombo->isEnabled())
        frontPrintOntoLabel->setEnabled(!showsInserter(frontCoverSourceCombo, kw::CvrM));
    if (storeOption(kw::BackCvrM) && backCoverSourceCombo->isEnabled())
        backPrintOntoLabel->setEnabled(!showsInserter(backCoverSourceCombo, kw::BackCvrM));
}

// ---------------------------------------------------------------------------
// Page list

void PublishingTab::markPageList(const QString &message)
{
    setErrorMark(pageInsertLabel, message, true);
}

void PublishingTab::clearPageListMark()
{
    setErrorMark(pageInsertLabel, QString(), false);
}

bool PublishingTab::hasInvalidPageCharacters(const QString &text) const
{
    return !matchesWhole(pageCharacters(), text);
}

QStringList PublishingTab::splitPageList(const QString &text) const
{
    return text.split(QLatin1Char(','), Qt::KeepEmptyParts);
}

bool PublishingTab::hasBadRange(const QStringList &items) const
{
    for (int i = 0; i < items.size(); ++i) {
        const QString &item = items.at(i);
        if (!item.contains(QLatin1Char('-')) || matchesWhole(closedRange(), item))
            continue;
        if (i == items.size() - 1 && matchesWhole(openRange(), item))
            continue;
        return true;
    }
    return false;
}

bool PublishingTab::hasItemWithoutDigit(const QStringList &items) const
{
    for (int i = 0; i + 1 < items.size(); ++i) {
        if (!items.at(i).contains(containsDigit()))
            return true;
    }
    return false;
}

bool PublishingTab::hasSpaceSeparatedNumbers(const QStringList &items) const
{
    for (const QString &item : items) {
        if (matchesWhole(blankSeparatedNumbers(), item))
            return true;
    }
    return false;
}

void PublishingTab::expandRange(const QString &item, QList<int> &pages, QSet<int> &seen) const
{
    const QString trimmed = item.trimmed();
    if (trimmed.isEmpty())
        return;
    qint64 first = 0;
    qint64 last = 0;
    const int dash = trimmed.indexOf(QLatin1Char('-'));
    if (dash >= 0) {
        if (!matchesWhole(closedRange(), trimmed))
            return; // an open range names no page
        const int a = pageNumber(trimmed.left(dash));
        const int b = pageNumber(trimmed.mid(dash + 1));
        first = std::min(a, b);
        last = std::max(a, b);
    } else {
        first = last = pageNumber(trimmed);
    }
    for (qint64 page = first; page <= last && seen.size() <= kMaxPages; ++page) {
        const int p = static_cast<int>(page);
        if (!seen.contains(p)) {
            seen.insert(p);
            pages.append(p);
        }
    }
}

QList<int> PublishingTab::expandPageList(const QStringList &items) const
{
    QList<int> pages;
    QSet<int> seen;
    for (const QString &item : items) {
        if (seen.size() > kMaxPages)
            break;
        expandRange(item, pages, seen);
    }
    return pages;
}

void PublishingTab::appendPageNumbers(const QList<int> &pages)
{
    QStringList numbers;
    for (int page : pages)
        numbers << QString::number(page);
    pageNumbers = numbers.join(QLatin1Char(','));
}

void PublishingTab::checkPageInsertInputText()
{
    if (!pageInsertButton->isChecked()) {
        clearPageListMark();
        return;
    }
    pageNumbers.clear();
    pageListInvalid = true;

    const QString text = insertPagesEdit->text();
    if (text.isEmpty()) {
        markPageList(tr("Please type a page range."));
        return;
    }
    const QString unclear = tr("Please enter your specified pages.");
    if (hasInvalidPageCharacters(text)) {
        markPageList(unclear);
        return;
    }
    const QStringList items = splitPageList(text);
    if (hasBadRange(items) || hasItemWithoutDigit(items) || hasSpaceSeparatedNumbers(items)) {
        markPageList(unclear);
        return;
    }
    // A list whose last item names no page (a trailing comma or a range
    // left open) is refused with its own word: the user must see why.
    const QString unfinished = tr("Please end the list with a page or a range such as 10-12.");
    QList<int> pages = expandPageList(items);
    if (pages.isEmpty()) {
        markPageList(unfinished);
        return;
    }
    std::sort(pages.begin(), pages.end());
    if (pages.size() > kMaxPages) {
        markPageList(tr("You can only insert up to 50 pages."));
        return;
    }
    const int lowest = pages.first();
    const int highest = pages.last();
    if (lowest < 3 && frontOutsideBox->isChecked() && frontInsideBox->isChecked()) {
        markPageList(tr("You can only enter page numbers between 3 and 511"));
        return;
    }
    if (highest > kLastPage || lowest < 2) {
        markPageList(tr("You can only enter page numbers between 2 and 511"));
        return;
    }
    if (isIncompleteLastItem(items.last())) {
        markPageList(unfinished);
        return;
    }
    appendPageNumbers(pages);
    pageListInvalid = false;
    clearPageListMark();
}

// ---------------------------------------------------------------------------
// Stored section settings

QString PublishingTab::coverModeValue() const
{
    int value = 0;
    if (frontOutsideBox->isChecked())
        value += 1;
    if (frontInsideBox->isChecked())
        value += 2;
    if (backOutsideBox->isChecked())
        value += 4;
    if (backInsideBox->isChecked())
        value += 8;
    if (value == 0)
        value = frontRadio->isChecked() ? 16 : (frontBackRadio->isChecked() ? 32 : 0);
    return QString::number(value);
}

QString PublishingTab::coverRadioState() const
{
    if (frontRadio->isChecked())
        return QStringLiteral("1");
    if (frontBackRadio->isChecked())
        return QStringLiteral("2");
    return QStringLiteral("-1");
}

QString PublishingTab::pageInsertValue() const
{
    if (!pageInsertButton->isChecked())
        return QStringLiteral("-1");
    return QString::number((insertFrontBox->isChecked() ? 1 : 0) + (insertBackBox->isChecked() ? 2 : 0));
}

void PublishingTab::coverExtraOptions(QHash<QString, QString> &options)
{
    const bool on = coverModeButton->isChecked();
    options.insert(QStringLiteral("VqCoverModeEnabled"), on ? kw::True : kw::False);
    if (!on)
        return;
    options.insert(QStringLiteral("VqCoverModeValue"), coverModeValue());
    options.insert(QStringLiteral("VqCovermodeRadioButtonState"), coverRadioState());
    options.insert(QStringLiteral("VQCoverMedia"), frontCoverSourceCombo->currentText());
    options.insert(QStringLiteral("VQCoverMedia2"),
                   backCoverSourceCombo->count() > 0 ? backCoverSourceCombo->currentText() : QString());
}

void PublishingTab::pageInsertExtraOptions(QHash<QString, QString> &options)
{
    const bool on = pageInsertButton->isChecked();
    options.insert(QStringLiteral("VqPageInsertEnabled"), on ? kw::True : kw::False);
    options.insert(QStringLiteral("Pins"), on ? kw::On : kw::Off);
    options.insert(QStringLiteral("VqPageinsertValue"), pageInsertValue());
    if (!on)
        return;
    options.insert(QStringLiteral("VqPageinsertNums"), pageNumbers);
    options.insert(QStringLiteral("VQPageinsertMedia"), insertSourceCombo->currentText());
}

void PublishingTab::interleaveExtraOptions(QHash<QString, QString> &options)
{
    const bool on = interleaveButton->isChecked();
    options.insert(QStringLiteral("VqIntLvEnabled"), on ? kw::True : kw::False);
    options.insert(QStringLiteral("VqIntLvValue"),
                   on ? (interleavePrintBox->isChecked() ? QStringLiteral("2") : QStringLiteral("1"))
                      : QStringLiteral("0"));
    if (on)
        options.insert(QStringLiteral("VQTransparencyinterleavingMedia"), interleaveSourceCombo->currentText());
}

QHash<QString, QString> PublishingTab::extraOptions()
{
    QHash<QString, QString> options;
    coverExtraOptions(options);
    pageInsertExtraOptions(options);
    interleaveExtraOptions(options);
    return options;
}

void PublishingTab::refreshPublishingStates()
{
    loadCoverValues();
    loadPageInsertValues();
    loadInterleaveValues();
    // Interleaving cannot stand beside covers or page insert; a settings
    // source that has both (edited by hand) loads it off.
    if (interleaveButton->isChecked() && (coverModeButton->isChecked() || pageInsertButton->isChecked())) {
        interleaveButton->setChecked(false);
        interleaveToggled(false);
    }
}

void PublishingTab::loadCoverValues()
{
    if (!storeOption(kw::cCovBut))
        return;
    coverModeButton->setChecked(readSettingValue(QStringLiteral("VqCoverModeEnabled")) == kw::True
                                && sectionAvailable(coverModeButton, kw::cCovBut));
    if (readSettingValue(QStringLiteral("VqCovermodeRadioButtonState")) == QLatin1String("2"))
        frontBackRadio->setChecked(true);
    else
        frontRadio->setChecked(true);
    const int value = readSettingValue(QStringLiteral("VqCoverModeValue")).toInt();
    frontOutsideBox->setChecked(value & 1);
    frontInsideBox->setChecked(value & 2);
    backOutsideBox->setChecked(value & 4);
    backInsideBox->setChecked(value & 8);
    coverRadioButtonSelectionChanged();
}

void PublishingTab::loadPageInsertValues()
{
    if (!storeOption(kw::cInsBut))
        return;
    pageInsertButton->setChecked(readSettingValue(QStringLiteral("VqPageInsertEnabled")) == kw::True
                                 && sectionAvailable(pageInsertButton, kw::cInsBut));
    const QString numbers = readSettingValue(QStringLiteral("VqPageinsertNums"));
    if (!numbers.isEmpty()) {
        insertPagesEdit->setText(numbers);
        checkPageInsertInputText();
    }
    const int value = readSettingValue(QStringLiteral("VqPageinsertValue")).toInt();
    insertFrontBox->setChecked(value > 0 && (value & 1));
    insertBackBox->setChecked(value > 0 && (value & 2));
}

void PublishingTab::loadInterleaveValues()
{
    if (!storeOption(kw::cIntBut))
        return;
    interleaveButton->setChecked(readSettingValue(QStringLiteral("VqIntLvEnabled")) == kw::True
                                 && sectionAvailable(interleaveButton, kw::cIntBut));
    interleavePrintBox->setChecked(readSettingValue(QStringLiteral("VqIntLvValue")) == QLatin1String("2"));
}
