#include "profiles/about_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

AboutDialog::AboutDialog(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(tr("About"));
    auto *label = new QLabel(tr("Ordovan"), this);
    auto *buttonBox = new QDialogButtonBox(this);
    QPushButton *closeButton = buttonBox->addButton(tr("Close"), QDialogButtonBox::RejectRole);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(buttonBox);
    connect(closeButton, SIGNAL(clicked()), this, SLOT(close()));
}
