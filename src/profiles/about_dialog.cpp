#include "profiles/about_dialog.h"

#include "profiles/license_dialog.h"

#include <QDialogButtonBox>
#include <QFont>
#include <QGridLayout>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace {

// The maker's notice under the picture, in two lines.
const char *const makerNoticeLines[] = {
    "Ordovan print settings for Velmora devices, Wexa edition.",
    "Copyright (C) Velmora. All rights reserved.",
};

} // namespace

AboutDialog::AboutDialog(QWidget *parent)
    : QDialog(parent)
{
    imageLabel = new QLabel(this);
    imageLabel->setMinimumSize(480, 300);
    imageLabel->setPixmap(aboutPixmap());
    buttonBox = new QDialogButtonBox(this);
    closeButton = new QPushButton(tr("Close"), this);
    buttonBox->addButton(closeButton, QDialogButtonBox::RejectRole);
    legalNoticesButton = new QPushButton(tr("Legal notices") + QStringLiteral("..."), this);
    buttonBox->addButton(legalNoticesButton, QDialogButtonBox::HelpRole);
    licenseDialog = new LicenseDialog(this);

    auto *layout = new QGridLayout(this);
    layout->addWidget(imageLabel, 0, 0);
    layout->addWidget(buttonBox, 1, 0);
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(2, 1);
    setWindowTitle(tr("About"));
    setFixedSize(sizeHint());

    connect(closeButton, SIGNAL(clicked()), this, SLOT(close()));
    connect(legalNoticesButton, SIGNAL(clicked()), licenseDialog, SLOT(exec()));
}

QPixmap AboutDialog::aboutPixmap()
{
    QImage image(QStringLiteral(":/icons/about-background-wr"));
    if (image.isNull())
        return QPixmap();
    image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    painter.setPen(Qt::black);
    painter.setFont(QFont(QStringLiteral("Tahoma"), 10));
    painter.drawText(20, 200, tr("Version") + QStringLiteral(" " ORDOVAN_VERSION));
    painter.setFont(QFont(QStringLiteral("Tahoma"), 7));
    painter.drawText(20, 280, QString::fromUtf8(makerNoticeLines[0]));
    painter.drawText(20, 295, QString::fromUtf8(makerNoticeLines[1]));
    painter.end();
    return QPixmap::fromImage(image);
}
