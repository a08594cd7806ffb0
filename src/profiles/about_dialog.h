// The About box: the picture with the version and the maker's notice, and
// the way to the legal notices.
#pragma once

#include <QDialog>
#include <QPixmap>

class LicenseDialog;
class QDialogButtonBox;
class QLabel;
class QPushButton;

class AboutDialog : public QDialog
{
    Q_OBJECT
public:
    explicit AboutDialog(QWidget *parent);

    // The About picture with the version and the maker's notice painted on
    // it; an empty pixmap when the picture cannot be loaded.
    static QPixmap aboutPixmap();

    QLabel *imageLabel = nullptr;
    QDialogButtonBox *buttonBox = nullptr;
    QPushButton *closeButton = nullptr;
    QPushButton *legalNoticesButton = nullptr;
    LicenseDialog *licenseDialog = nullptr;
};
