// The name and description form that the profile save and edit dialogs
// share: the fields, OK and Cancel, and the names a profile may not take.
#pragma once

#include <QDialog>
#include <QStringList>
#include <QTextEdit>

class QDialogButtonBox;
class QGridLayout;
class QLabel;
class QLineEdit;

// A plain-text edit that the user cannot fill beyond maxLength characters:
// a paste or a drop is cut to the room left before it goes in (so a huge
// paste costs nothing), and a key that would add a character beyond the
// bound adds nothing. Text the program sets is shown whole.
class BoundedTextEdit : public QTextEdit
{
public:
    BoundedTextEdit(int maxLength, QWidget *parent);

protected:
    bool canInsertFromMimeData(const QMimeData *source) const override;
    void insertFromMimeData(const QMimeData *source) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    // How many characters may still go in for the current selection.
    int room() const;

    int maxLength;
};

class ProfileFormDialog : public QDialog
{
public:
    bool isFactoryDefaultName(const QString &name) const;
    QString profileFilePath(const QString &name) const;
    QStringList queueNames() const;

    QGridLayout *layout = nullptr;
    QLabel *nameLabel = nullptr;
    QLineEdit *nameEdit = nullptr;
    QLabel *descriptionLabel = nullptr;
    QTextEdit *descriptionEdit = nullptr;
    QDialogButtonBox *buttonBox = nullptr;
    // Base names of CUPS's queue descriptions, refreshed at each opening.
    QStringList reservedNames;

protected:
    explicit ProfileFormDialog(QWidget *parent);

    // Enables OK exactly when the name rules hold for the two fields.
    void updateOkButton();
    // The description as typed, line breaks as stored in the file.
    QString descriptionForFile() const;
    // A message box without a parent.
    static void showMessage(const QString &title, const QString &text);
};
