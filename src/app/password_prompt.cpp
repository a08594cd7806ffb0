#include "app/password_prompt.h"

#include <QByteArray>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>

#include "app/busy_cursor.h"
#include "app/program_state.h"
#include "app/quiet_command.h"
#include "app/vel_dialog.h"
#include "model/option_model.h"
#include "root_writer_status.h"
#include "ui/message_box.h"
#include "ui/option_widgets.h"

const char sudoMethodPrefix[] = "sudo -S -p \"\"";
const char suMethodPrefix[] = "su -c";

namespace {
// How much of the output of sudo and the writer is kept for a look.
const int outputHeadBytes = 4096;
} // namespace

QStringList installedOptionItems(const QString &args)
{
    return args.split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

QString shellQuote(const QString &word)
{
    QString quoted = word;
    quoted.replace(QLatin1Char('\''), QLatin1String("'\\''"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

RootWriterCommand buildRootWriterCommand(const QString &prefix, const QString &queue, const QString &args)
{
    const QStringList items = installedOptionItems(args);
    RootWriterCommand command;
    if (prefix.contains(QLatin1String("sudo"))) {
        // sudo reads the password from standard input (-S) with an empty
        // prompt; "--" ends its options, so nothing after it is taken for one.
        command.program = sudoProgramPath;
        command.arguments << QStringLiteral("-S") << QStringLiteral("-p") << QString() << QStringLiteral("--")
                          << rootWriterPath << queue << items;
    } else {
        // su runs one command string through root's login shell: every word
        // in it is quoted, so no character of the queue or an option is
        // special.
        QStringList words;
        words << shellQuote(rootWriterPath) << shellQuote(queue);
        for (const QString &item : items)
            words << shellQuote(item);
        command.program = suProgramPath;
        command.arguments << QStringLiteral("-l") << QStringLiteral("-c") << words.join(QLatin1Char(' '))
                          << QStringLiteral("root");
    }
    return command;
}

QProcessEnvironment rootRoadEnvironment()
{
    QProcessEnvironment environment;
    environment.insert(QStringLiteral("PATH"), QStringLiteral("/usr/sbin:/usr/bin:/sbin:/bin"));
    return environment;
}

PasswordPrompt::PasswordPrompt(VelDialog *dialog, const QString &args)
    : QDialog(nullptr)
    , dialog(dialog)
    , args(args)
{
    setWindowTitle(tr("Password Prompt"));
    setWindowFlags(windowFlags() & ~(Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint
                                     | Qt::WindowContextHelpButtonHint));
    // OK on the main dialog closes it only after a successful root write.
    if (dialog)
        dialog->applyOk = false;

    promptLabel = new QLabel();

    methodCombo = new ComboBoxEx();
    methodCombo->addItem(QStringLiteral("sudo"));
    methodCombo->addItem(QStringLiteral("su"));
    showPasswordRequest();
    connect(methodCombo, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            [this]() { showPasswordRequest(); });

    QPushButton *okButton = new QPushButton(QStringLiteral("OK"));
    connect(okButton, SIGNAL(clicked()), this, SLOT(okButtonSlot()));

    passwordEdit = new QLineEdit();
    passwordEdit->setEchoMode(QLineEdit::Password);
    passwordEdit->setInputMethodHints(Qt::ImhHiddenText | Qt::ImhNoAutoUppercase | Qt::ImhNoPredictiveText);

    QGridLayout *grid = new QGridLayout(this);
    grid->addWidget(promptLabel, 1, 1, 1, 3, Qt::AlignCenter);
    grid->addWidget(methodCombo, 2, 1, Qt::AlignRight);
    grid->addWidget(passwordEdit, 2, 2, Qt::AlignLeft);
    grid->addWidget(okButton, 3, 2, Qt::AlignRight);

    passwordEdit->setFocus();
    grid->setSizeConstraint(QLayout::SetFixedSize);
}

void PasswordPrompt::showPasswordRequest()
{
    // sudo asks for the user's own password, su for root's.
    if (methodCombo->currentText() == QLatin1String("sudo"))
        promptLabel->setText(tr("Please enter your own password."));
    else
        promptLabel->setText(tr("Please enter the root password."));
}

void PasswordPrompt::okButtonSlot()
{
    const QString method = methodCombo->currentText();
    const QString password = passwordEdit->text();
    QString prefix;
    if (method == QLatin1String("sudo"))
        prefix = QString::fromLatin1(sudoMethodPrefix);
    else if (method == QLatin1String("su"))
        prefix = QString::fromLatin1(suMethodPrefix);

    int status = 1;
    {
        // sudo and su take seconds to turn a wrong password down.
        BusyCursor busy(this);
        dropSudoCredentials();
        status = runInstalledOptionsWriter(password, prefix, args);
    }
    if (status != 0) {
        showMessageBox(tr("Error"), failureText(status));
    } else if (dialog) {
        dialog->applyOk = true;
        dialog->snapshotPrinterOptions();
        if (dialog->writeTolpoptions())
            dialog->showSettingsApplied();
    }
    dropSudoCredentials();
    close();
}

QString PasswordPrompt::failureText(int status)
{
    const QString notWritten = tr("The installable options were not written: %1");
    switch (status) {
    case WriterInvalidArgument:
        return notWritten.arg(tr("the queue name or an option is not valid."));
    case WriterUnknown:
        return notWritten.arg(tr("the queue, an option or a choice is unknown to CUPS."));
    case WriterNotInstallable:
        return notWritten.arg(tr("an option is not one of the printer's installable options."));
    case WriterNotMakerQueue:
        return notWritten.arg(tr("the queue is not one of this maker's printers."));
    case WriterLpadminFailed:
        return notWritten.arg(tr("lpadmin failed."));
    case WriterUnsafeConfiguration:
        return notWritten.arg(tr("the writer's configuration file is not safe."));
    case 126:
    case 127:
        return notWritten.arg(tr("the writer %1 could not be run.").arg(rootWriterPath));
    case sudoRefusedStatus:
        return notWritten.arg(tr("sudo does not allow you to run %1 as root. Choose su and enter the root "
                                 "password, or ask the administrator for a sudo rule (see the README).")
                                  .arg(rootWriterPath));
    default:
        // A wrong password, or su (or sudo otherwise) refusing.
        return tr("Could not authorize.");
    }
}

bool PasswordPrompt::sudoRefusedCommand(const QByteArray &output)
{
    // sudo runs without any locale variable (rootRoadEnvironment), so it
    // speaks in the C locale; after a wrong password it says neither.
    return output.contains(" is not allowed to execute ") || output.contains(" is not in the sudoers file");
}

void PasswordPrompt::reject()
{
    QDialog::reject();
}

void PasswordPrompt::dropSudoCredentials()
{
    runQuietCommand(sudoProgramPath, QStringList() << QStringLiteral("-k"), 30000);
}

int PasswordPrompt::runInstalledOptionsWriter(const QString &password, const QString &prefix, const QString &args)
{
    const QString queue = currentOptionSet ? currentOptionSet->printerName() : QString();
    const RootWriterCommand command = buildRootWriterCommand(prefix, queue, args);

    QProcess process;
    process.setProgram(command.program);
    process.setArguments(command.arguments);
    process.setProcessEnvironment(rootRoadEnvironment());
    // The writer's messages are read (and dropped) to the end, so a writer
    // that says more than a few lines is never cut off by a closed pipe.
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(QIODevice::ReadWrite);
    if (!process.waitForStarted(30000))
        return 1;

    // The password reaches sudo or su only through standard input.
    QByteArray secret = password.toUtf8();
    secret.append('\n');
    process.write(secret);
    secret.fill('\0');
    process.closeWriteChannel();

    // Only the head of the output is kept: sudo's refusal comes before the
    // writer could say anything.
    QByteArray head;
    auto keepHead = [&process, &head]() {
        const QByteArray chunk = process.readAll();
        if (head.size() < outputHeadBytes)
            head += chunk.left(outputHeadBytes - head.size());
    };
    QDeadlineTimer deadline(writerTimeoutMs);
    while (process.state() != QProcess::NotRunning) {
        if (deadline.hasExpired()) {
            process.kill();
            process.waitForFinished(1000);
            return 1;
        }
        process.waitForReadyRead(int(qMin<qint64>(deadline.remainingTime(), 1000)));
        keepHead();
    }
    keepHead();
    if (process.exitStatus() != QProcess::NormalExit)
        return 1;
    // sudo ends with 1 for a wrong password and a refused command alike.
    if (process.exitCode() == 1 && command.program == sudoProgramPath && sudoRefusedCommand(head))
        return sudoRefusedStatus;
    return process.exitCode();
}
