// Saving the current settings of the tabs as a named profile in the per-user
// directory.
#pragma once

#include "profiles/profile_form_dialog.h"

struct TabListRef;

class ProfileSaveDialog : public ProfileFormDialog
{
    Q_OBJECT
public:
    // tabs: the main dialog's tabs, whose settings are saved.
    ProfileSaveDialog(QWidget *parent, TabListRef *tabs);

    // The profiles in the per-user directory.
    int countProfiles() const;

public slots:
    void saveProfile();
    void checkProfileNameAndDescription();
    virtual void show();
    int exec() override;

private:
    // Refuses to open without a printer or at the profile limit; otherwise
    // empties the fields and refreshes the reserved names.
    bool prepareOpening(int *result);

    TabListRef *tabListRef = nullptr;
};
