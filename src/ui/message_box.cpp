#include "ui/message_box.h"

#include <QGridLayout>
#include <QPushButton>
#include <QSpacerItem>

namespace {

MessageBoxShower &currentShower()
{
    static MessageBoxShower shower;
    return shower;
}

// A message box sizes itself to its contents and ignores a minimum size set
// on it; an empty item laid over all its cells holds it at that size.
void holdMinimumSize(QMessageBox &box, const QSize &minimum)
{
    box.setMinimumWidth(minimum.width());
    box.setMinimumHeight(minimum.height());
    if (auto *grid = qobject_cast<QGridLayout *>(box.layout())) {
        grid->addItem(new QSpacerItem(minimum.width(), minimum.height(), QSizePolicy::Minimum, QSizePolicy::Minimum),
                      0, 0, grid->rowCount(), grid->columnCount());
    }
}

} // namespace

MessageBoxReply showMessageBox(const MessageBoxRequest &request)
{
    const MessageBoxShower &shower = currentShower();
    return shower ? shower(request) : execMessageBox(request);
}

MessageBoxReply showMessageBox(const QString &title, const QString &text, Qt::TextFormat format)
{
    MessageBoxRequest request;
    request.title = title;
    request.text = text;
    request.textFormat = format;
    return showMessageBox(request);
}

MessageBoxShower setMessageBoxShower(const MessageBoxShower &shower)
{
    MessageBoxShower replaced = currentShower();
    currentShower() = shower;
    return replaced;
}

MessageBoxReply execMessageBox(const MessageBoxRequest &request)
{
    QMessageBox box(request.parent);
    if (request.icon != QMessageBox::NoIcon)
        box.setIcon(request.icon);
    if (!request.title.isNull())
        box.setWindowTitle(request.title);
    box.setTextFormat(request.textFormat);
    box.setText(request.text);
    if (request.buttons != QMessageBox::NoButton)
        box.setStandardButtons(request.buttons);
    QPushButton *accept = nullptr;
    if (!request.acceptButton.isEmpty()) {
        accept = box.addButton(request.acceptButton, QMessageBox::AcceptRole);
        box.setDefaultButton(box.addButton(QMessageBox::Cancel));
    }
    if (request.minimumSize.isValid())
        holdMinimumSize(box, request.minimumSize);
    MessageBoxReply reply;
    reply.result = box.exec();
    reply.accepted = accept && box.clickedButton() == accept;
    return reply;
}
