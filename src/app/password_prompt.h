// The root password prompt: asks for a method ("sudo", which takes the user's
// own password, or "su", which takes root's) and the password, and runs the
// root-side writer of installable options with it.
#pragma once

#include <QDialog>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

class ComboBoxEx;
class QLabel;
class QLineEdit;
class VelDialog;

// One command to start: a program and its argument list (never a shell line).
struct RootWriterCommand
{
    QString program;
    QStringList arguments;
};

// Method prefixes: the "sudo" method reads the password from standard input
// and prints an empty prompt; the "su" method runs one command string.
extern const char sudoMethodPrefix[];
extern const char suMethodPrefix[];

// Splits the installed-options string ("key=value " per option) into items.
QStringList installedOptionItems(const QString &args);

// Quotes one word for a POSIX shell: the result is the word itself to the
// shell, whatever characters it holds.
QString shellQuote(const QString &word);

// The command that runs the writer (rootWriterPath) for queue with the
// installed options: through sudo when prefix names sudo, otherwise through
// su as a login shell; sudo, su and the writer by absolute path.
RootWriterCommand buildRootWriterCommand(const QString &prefix, const QString &queue, const QString &args);

// The environment of sudo and su: a fixed search path and nothing of the
// panel's own (no BASH_ENV, ENV, LD_* or IFS can reach root's side).
QProcessEnvironment rootRoadEnvironment();

class PasswordPrompt : public QDialog
{
    Q_OBJECT
public:
    PasswordPrompt(VelDialog *dialog, const QString &args);

    // Runs "sudo -k" (sudoProgramPath): sudo's cached credentials are dropped.
    static void dropSudoCredentials();
    // Starts the writer through the method of prefix, hands it the password
    // on standard input, reads its output to the end and returns its exit
    // status (1 when it could not run, was killed or timed out, or a wrong
    // password; sudoRefusedStatus when sudo took the password but does not
    // let the user run the writer).
    int runInstalledOptionsWriter(const QString &password, const QString &prefix, const QString &args);
    // What the user is told when the attempt ended with status (not 0).
    static QString failureText(int status);
    // Whether sudo's own words (the head of its output, sudo ended with
    // status 1) say that the user may not run the command as root.
    static bool sudoRefusedCommand(const QByteArray &output);

    // Beyond every exit status: sudo accepted the password, but no rule lets
    // the user run the writer as root.
    static const int sudoRefusedStatus = 256;

    QLineEdit *passwordEdit = nullptr;
    ComboBoxEx *methodCombo = nullptr;
    VelDialog *dialog = nullptr;
    QString args;
    // Says whose password the chosen method takes.
    QLabel *promptLabel = nullptr;

    // Upper bound of one run of the writer through sudo or su, in ms.
    static const int writerTimeoutMs = 120000;

public slots:
    void okButtonSlot();
    void reject() override;

private:
    void showPasswordRequest();
};
