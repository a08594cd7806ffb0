// Every message box of the program is shown through showMessageBox(): one
// place that builds them, and one that a test can stand in for.
#pragma once

#include <QMessageBox>
#include <QSize>
#include <QString>

#include <functional>

class QWidget;

struct MessageBoxRequest
{
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    // A null title leaves the box's own (empty) one.
    QString title;
    QString text;
    // Paths, queue names and what a server said go in as plain text.
    Qt::TextFormat textFormat = Qt::AutoText;
    // None: the box adds its own OK button.
    QMessageBox::StandardButtons buttons = QMessageBox::NoButton;
    // A button of this text in the accept role, beside a Cancel button that
    // is the default; none when empty.
    QString acceptButton;
    // Held against the box's sizing to its contents; none when invalid.
    QSize minimumSize;
    // Parentless unless given.
    QWidget *parent = nullptr;
};

struct MessageBoxReply
{
    // What the box's exec() returned.
    int result = 0;
    // True when the request's accept button was the one clicked.
    bool accepted = false;
};

// Shows the box modally and returns when it is closed.
MessageBoxReply showMessageBox(const MessageBoxRequest &request);
// The same for a box of a title and a text alone.
MessageBoxReply showMessageBox(const QString &title, const QString &text, Qt::TextFormat format = Qt::AutoText);

// What showMessageBox() does: by default execMessageBox(). Tests put
// something else in its place; an empty function restores the default.
// Returns the one replaced.
using MessageBoxShower = std::function<MessageBoxReply(const MessageBoxRequest &)>;
MessageBoxShower setMessageBoxShower(const MessageBoxShower &shower);

// The real box, built from the request and run with exec().
MessageBoxReply execMessageBox(const MessageBoxRequest &request);
