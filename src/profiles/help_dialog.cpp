#include "profiles/help_dialog.h"

#include <QDialogButtonBox>
#include <QTextEdit>

#include "profiles/text_dialog.h"

HelpDialog::HelpDialog(QWidget *parent)
    : QDialog(parent)
{
    layOutTextDialog(this, &textEdit, &buttonBox);
    setWindowTitle(tr("Help"));
    showTopic(QStringLiteral("Printer"));
    connect(buttonBox, SIGNAL(accepted()), this, SLOT(accept()));
}

void HelpDialog::showTopic(const QString &tabTitle)
{
    // The pages are XHTML: always shown as rich text.
    textEdit->setHtml(loadHelpText(tabTitle));
}

QString HelpDialog::loadHelpText(const QString &topic)
{
    return readTextResource(helpResourceForTopic(topic));
}

QString HelpDialog::helpResourceForTopic(const QString &topic)
{
    static const QList<QPair<QString, QString>> pages = {
        {QStringLiteral("Basic"), QStringLiteral(":/strings/help_basic")},
        {QStringLiteral("Job"), QStringLiteral(":/strings/help_job")},
        {QStringLiteral("Finishing"), QStringLiteral(":/strings/help_finishing")},
        {QStringLiteral("Imaging"), QStringLiteral(":/strings/help_imaging")},
        {QStringLiteral("Layout"), QStringLiteral(":/strings/help_layout")},
        {QStringLiteral("Quorix"), QStringLiteral(":/strings/help_quorix")},
        {QStringLiteral("uLmera"), QStringLiteral(":/strings/help_quorix-wr")},
        {QStringLiteral("Publishing"), QStringLiteral(":/strings/help_publishing")},
        {QStringLiteral("Watermark"), QStringLiteral(":/strings/help_watermark")},
    };
    for (const auto &page : pages) {
        if (page.first == topic)
            return page.second;
    }
    return QStringLiteral(":/strings/help_printer");
}
