// Giving a stored profile a new name or a new description.
#pragma once

#include "profiles/profile_form_dialog.h"

class ProfileEditDialog : public ProfileFormDialog
{
    Q_OBJECT
public:
    explicit ProfileEditDialog(QWidget *parent);

    // The profile to edit: its name and its description as stored.
    void setProfile(const QString &name, const QString &description);

    // The name of the profile being edited.
    QString oldName;

public slots:
    void editProfile();
    void checkProfileName();
    virtual void show();
    int exec() override;

private:
    // The old profile's lines with the description replaced (or added after
    // the model line); false when the profile cannot be read.
    bool rewrittenProfile(QByteArray *data) const;
};
