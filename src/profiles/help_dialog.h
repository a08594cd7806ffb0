// The help page of the tab the user is on: the main dialog hands over the
// tab's title at every tab change, the "?" button opens the dialog.
#pragma once

#include <QDialog>
#include <QString>

class QDialogButtonBox;
class QTextEdit;

class HelpDialog : public QDialog
{
    Q_OBJECT
public:
    explicit HelpDialog(QWidget *parent);

    // Puts the page for the tab title (the untranslated one) into the text
    // area; does not open the dialog.
    void showTopic(const QString &tabTitle);
    // The page's text, or an empty string when it cannot be read.
    static QString loadHelpText(const QString &topic);
    // The resource of the page for a tab title; the Printer page for a
    // title without a page of its own.
    static QString helpResourceForTopic(const QString &topic);

    QTextEdit *textEdit = nullptr;
    QDialogButtonBox *buttonBox = nullptr;
};
