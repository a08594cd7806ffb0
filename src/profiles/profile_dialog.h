// The profile list: the saved profiles of the user with a first row for the
// factory defaults, the stored settings of the chosen row, and loading,
// saving, editing and deleting profiles.
#pragma once

#include <QDialog>
#include <QDir>
#include <QHash>
#include <QString>

#include <cups/ppd.h>

class QDialogButtonBox;
class QFile;
class QFrame;
class QGridLayout;
class QLabel;
class QPushButton;
class QTableWidget;
class QTreeWidget;
class QTreeWidgetItem;
class ProfileEditDialog;
class ProfileSaveDialog;
class VelDialog;
class vOptionSet;
struct TabListRef;

class ProfileDialog : public QDialog
{
    Q_OBJECT
public:
    ProfileDialog(VelDialog *dialog, TabListRef *tabs);

    void addProfileRow(const QString &name);
    // The file of a row's profile; the per-user directory alone for row 0.
    QString profilePath(int row) const;

    // Details of a row: the factory defaults or a profile file's settings
    // as the user knows them, grouped like the tabs.
    void showProfileDetails(int row);
    QHash<QString, QString> readProfileFile(QFile &file);
    ppd_file_t *openModelPpd(const QString &modelLine);
    QString profileValueText(const QString &keyword, const QString &value, vOptionSet *store);
    static QHash<QString, QString> factoryDefaultValues();
    void showProfileValues(const QHash<QString, QString> &values);
    void addDetailRow(const QString &label, const QString &value, QTreeWidgetItem *group);
    // Widens the first column of the details to its longest label, folded
    // groups included (never below 190 pixels).
    void fitItemColumn();
    // The description stored in a profile, as stored.
    QString readProfileForEdit(const QString &name);

    // Set while a profile is read when its model's description opened.
    ppd_file_t *modelPpd = nullptr;
    QGridLayout *layout = nullptr;
    QLabel *selectLabel = nullptr;
    QTableWidget *profileTable = nullptr;
    QPushButton *saveButton = nullptr;
    QPushButton *editButton = nullptr;
    QPushButton *deleteButton = nullptr;
    QTreeWidget *detailsTree = nullptr;
    QFrame *separator = nullptr;
    QDialogButtonBox *buttonBox = nullptr;
    QPushButton *applyButton = nullptr;
    ProfileSaveDialog *saveDialog = nullptr;
    ProfileEditDialog *editDialog = nullptr;
    int nextRow = 0;

public slots:
    void fillProfileTable();
    virtual void show();
    void launchProfileEditDialog();
    void loadDetailsFromCell(int row_end, int col_end, int row_start, int col_start);
    void loadProfile();
    void deleteProfile();
};
