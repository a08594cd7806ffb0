// The help page of the tab the user is on.
// This version keeps the topic and shows it as the page's title only.
#pragma once

#include <QDialog>

class QTextEdit;

class HelpDialog : public QDialog
{
    Q_OBJECT
public:
    explicit HelpDialog(QWidget *parent);

    void showTopic(const QString &tabTitle);
    QString topic() const { return currentTopic; }

private:
    QTextEdit *textEdit = nullptr;
    QString currentTopic;
};
