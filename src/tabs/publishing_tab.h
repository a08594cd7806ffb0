// The Publishing tab: covers from an inserter or tray, sheets inserted before
// chosen pages, and a backing sheet behind each transparency. Each section is
// switched by a section button; interleaving cannot be combined with covers
// or page insert.
#pragma once

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include "ui/tab.h"

class VelDialog;
class ComboBoxEx;
class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class VelCheckBoxButton;

class PublishingTab : public Tab
{
    Q_OBJECT
public:
    explicit PublishingTab(VelDialog *dialog);

    void setTabName() override;
    void buildWidgets() override;
    QIcon tabIcon() override;
    QIcon tabConstraintIcon() override;
    bool hasOptions() override;
    void reload() override;
    QHash<QString, QString> extraOptions() override;
    void clearConstraintMarks() override;
    void prepareConstraintMarks() override;
    bool isConstrained() override;
    void retranslate() override;
    void markCustomConstraints() override;
    bool enableOptions() override;

    // The "Front" and "Back" print-onto labels follow the cover paper
    // sources: an inserter tray cannot be printed on.
    void updateCoverPrintOnto();
    // The back-cover source belongs to the cover section only on printers
    // that have one; otherwise it is hidden.
    void adjustBackCoverControls();

    // Stored section settings.
    void coverExtraOptions(QHash<QString, QString> &options);
    void pageInsertExtraOptions(QHash<QString, QString> &options);
    void interleaveExtraOptions(QHash<QString, QString> &options);
    QString coverModeValue() const;
    QString coverRadioState() const;
    QString pageInsertValue() const;
    void refreshPublishingStates();
    void loadCoverValues();
    void loadPageInsertValues();
    void loadInterleaveValues();

    // The steps of the page-list check.
    bool hasInvalidPageCharacters(const QString &text) const;
    QStringList splitPageList(const QString &text) const;
    bool hasBadRange(const QStringList &items) const;
    bool hasItemWithoutDigit(const QStringList &items) const;
    bool hasSpaceSeparatedNumbers(const QStringList &items) const;
    // Adds the pages an item names to pages (input order, no repeats; seen
    // holds the same pages). Stops once more pages than may be inserted
    // are known, so a huge range is never walked through.
    void expandRange(const QString &item, QList<int> &pages, QSet<int> &seen) const;
    QList<int> expandPageList(const QStringList &items) const;
    void appendPageNumbers(const QList<int> &pages);

    // The accepted page list, ascending, as "3,5,7"; empty until accepted.
    QString pageNumbers;
    // True while the page list of the page-insert section is not accepted.
    bool pageListInvalid = false;

    QLabel *coverModeLabel = nullptr;
    QRadioButton *frontRadio = nullptr;
    QRadioButton *frontBackRadio = nullptr;
    QLabel *printOntoLabel = nullptr;
    QLabel *frontPrintOntoLabel = nullptr;
    QCheckBox *frontOutsideBox = nullptr;
    QCheckBox *frontInsideBox = nullptr;
    QLabel *backPrintOntoLabel = nullptr;
    QCheckBox *backOutsideBox = nullptr;
    QCheckBox *backInsideBox = nullptr;
    QLabel *frontSourceLabel = nullptr;
    ComboBoxEx *frontCoverSourceCombo = nullptr;
    QLabel *backSourceLabel = nullptr;
    ComboBoxEx *backCoverSourceCombo = nullptr;
    VelCheckBoxButton *coverModeButton = nullptr;
    QLabel *pageInsertLabel = nullptr;
    QCheckBox *insertFrontBox = nullptr;
    QCheckBox *insertBackBox = nullptr;
    QLabel *insertPagesLabel = nullptr;
    QLineEdit *insertPagesEdit = nullptr;
    QLabel *insertSourceLabel = nullptr;
    ComboBoxEx *insertSourceCombo = nullptr;
    VelCheckBoxButton *pageInsertButton = nullptr;
    QLabel *interleaveLabel = nullptr;
    QCheckBox *interleavePrintBox = nullptr;
    QLabel *interleaveSourceLabel = nullptr;
    ComboBoxEx *interleaveSourceCombo = nullptr;
    VelCheckBoxButton *interleaveButton = nullptr;

public slots:
    void checkPageInsertInputText();
    void BlockAllSignals(bool block);
    void coverRadioButtonSelectionChanged();
    void coverModeToggled(bool toggleState);
    void pageInsertToggled(bool toggleState);
    void interleaveToggled(bool toggleState);

private:
    VelCheckBoxButton *sectionButton(const char *name, const char *icon);
    void layOutPage();
    void connectPage();
    // The section's option exists and none of its paper-source combos is
    // left without items.
    bool sectionAvailable(VelCheckBoxButton *section, const QString &keyword) const;
    bool showsInserter(ComboBoxEx *combo, const QString &keyword) const;
    void markPageList(const QString &message);
    void clearPageListMark();
};
