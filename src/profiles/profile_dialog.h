// The profile list: choosing a saved profile (or the factory defaults) makes
// every tab reload from it.
// This version holds the dialog's frame and its connections only.
#pragma once

#include <QDialog>

class QDialogButtonBox;
class QPushButton;
class VelDialog;
struct TabListRef;

class ProfileDialog : public QDialog
{
    Q_OBJECT
public:
    ProfileDialog(VelDialog *dialog, TabListRef *tabs);

    QPushButton *saveButton = nullptr;
    QDialogButtonBox *buttonBox = nullptr;

public slots:
    void fillProfileTable();
    void show();
    void loadProfile();

private:
    VelDialog *dialog = nullptr;
    TabListRef *tabs = nullptr;
};
