// Saving the current settings as a named profile.
// This version holds the dialog's frame only.
#pragma once

#include <QDialog>

class VelDialog;
struct TabListRef;

class ProfileSaveDialog : public QDialog
{
    Q_OBJECT
public:
    ProfileSaveDialog(VelDialog *dialog, TabListRef *tabs);

private:
    VelDialog *dialog = nullptr;
    TabListRef *tabs = nullptr;
};
