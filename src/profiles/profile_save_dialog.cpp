#include "profiles/profile_save_dialog.h"

#include "app/vel_dialog.h"

ProfileSaveDialog::ProfileSaveDialog(VelDialog *dialog, TabListRef *tabs)
    : QDialog(dialog)
    , dialog(dialog)
    , tabs(tabs)
{
    setWindowTitle(tr("Save As..."));
}
