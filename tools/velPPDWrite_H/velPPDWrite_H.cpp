// velPPDWrite_H QUEUE KEY=VALUE...
//
// Run as root (through sudo or su) by the print-settings panel.  Sets the
// default choice of each named installable option in the queue's printer
// description through CUPS and exits 0 only when all of them were written.
//
// Every argument is checked before anything is changed: the queue name must
// be one that CUPS accepts, the queue must be known to CUPS and be one of the
// maker's (its description names the maker, one of the maker's filters and a
// Wexa device ID), every keyword must be an option of the description's
// "InstallableOptions" group and every value one of its choices.  lpadmin is
// started directly with an argument vector; no shell is involved.
//
// The environment is cleared at once; lpadmin gets only the writer's own.
// The CUPS server is the default one, unless the configuration file
// WRITER_CONF names another with a line "ServerName <name>".  That file must
// be a regular file owned by root that nobody else may write to; a file that
// exists but is not safe stops the writer.  The caller's environment is never
// consulted for it, so an unprivileged caller cannot point the writer at a
// server of its choosing.
//
// Exit status (see root_writer_status.h): 0 written; 2 usage or an argument
// that is not allowed; 3 unknown queue, option or choice; 4 not an
// installable option; 5 not one of the maker's queues; 6 lpadmin failed;
// 7 unsafe configuration file.

#include "root_writer_status.h"

#include <cups/cups.h>
#include <cups/ppd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

const size_t maxQueueLength = 127;
const size_t maxKeywordLength = 40;
const char *const makerFilters[] = {"velfilter_H", "velfilter_ras_H", "velfilter_pdf_H", "velfilter_vpsl_H"};

std::string configurationPath = WRITER_CONF;
std::string lpadminPath = WRITER_LPADMIN;

// A queue name as CUPS accepts it: up to 127 bytes, no blank or control
// character and none of / \ ? ' " #.  "@" would name another server, and a
// leading "-" would read as an option to every command-line tool.
bool isQueueName(const std::string &name)
{
    if (name.empty() || name.size() > maxQueueLength || name[0] == '-')
        return false;
    for (unsigned char c : name) {
        if (c <= ' ' || c == 0x7f || std::strchr("/\\?'\"#@", c))
            return false;
    }
    return true;
}

// Option keywords and choices: plain characters only, so that lpadmin's own
// option parsing cannot read more into them.
bool isPlainWord(const std::string &text)
{
    if (text.empty() || text.size() > maxKeywordLength || text[0] == '-' || text[0] == '.')
        return false;
    for (char c : text) {
        const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_'
            || c == '-' || c == '.' || c == '+';
        if (!plain)
            return false;
    }
    return true;
}

std::string trim(const std::string &text)
{
    const char *blank = " \t\r\n";
    const size_t first = text.find_first_not_of(blank);
    if (first == std::string::npos)
        return std::string();
    const size_t last = text.find_last_not_of(blank);
    return text.substr(first, last - first + 1);
}

// Reads the configuration file: false when it exists but is not safe to
// trust; *server receives the server it names (empty: the default one).
bool readConfiguration(std::string *server)
{
    server->clear();
    const int fd = open(configurationPath.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return errno == ENOENT;
    struct stat info;
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_uid != 0
        || (info.st_mode & (S_IWGRP | S_IWOTH)) != 0) {
        close(fd);
        return false;
    }
    FILE *file = fdopen(fd, "r");
    if (!file) {
        close(fd);
        return false;
    }
    char line[1024];
    while (fgets(line, sizeof line, file)) {
        std::string text = trim(line);
        if (text.compare(0, 10, "ServerName") != 0)
            continue;
        text = trim(text.substr(10));
        if (!text.empty())
            *server = text;
    }
    fclose(file);
    for (char c : *server) {
        if (static_cast<unsigned char>(c) < 0x21 || c == '\'' || c == '"' || c == '\\')
            return false;
    }
    return true;
}

std::string ppdText(const char *text)
{
    return text ? std::string(text) : std::string();
}

// The description names the maker, one of the maker's filters and a Wexa
// device, as the panel's own queue list requires.
bool isMakerPpd(ppd_file_t *ppd)
{
    const std::string manufacturer = ppdText(ppd->manufacturer);
    if (manufacturer != "Velmora" && manufacturer != "WR_Wexa")
        return false;
    bool makerFilter = false;
    for (int i = 0; i < ppd->num_filters && !makerFilter; ++i) {
        const std::string entry = ppdText(ppd->filters[i]);
        for (const char *name : makerFilters)
            makerFilter = makerFilter || entry.find(name) != std::string::npos;
    }
    ppd_attr_t *deviceId = ppdFindAttr(ppd, "1284DeviceID", nullptr);
    return makerFilter && deviceId && ppdText(deviceId->value).find("MFG:Wexa") != std::string::npos;
}

bool groupHolds(const ppd_group_t &group, const ppd_option_t *option)
{
    for (int i = 0; i < group.num_options; ++i) {
        if (&group.options[i] == option)
            return true;
    }
    for (int i = 0; i < group.num_subgroups; ++i) {
        if (groupHolds(group.subgroups[i], option))
            return true;
    }
    return false;
}

bool isInstallable(ppd_file_t *ppd, const ppd_option_t *option)
{
    for (int i = 0; i < ppd->num_groups; ++i) {
        if (std::strcmp(ppd->groups[i].name, "InstallableOptions") == 0 && groupHolds(ppd->groups[i], option))
            return true;
    }
    return false;
}

// Checks the queue's description and every setting against it.
int checkSettings(const std::string &queue, const std::vector<std::pair<std::string, std::string>> &settings)
{
    cups_dest_t *dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, queue.c_str(), nullptr);
    if (!dest) {
        fprintf(stderr, "velPPDWrite_H: unknown queue\n");
        return WriterUnknown;
    }
    cupsFreeDests(1, dest);
    const char *ppdPath = cupsGetPPD(queue.c_str());
    ppd_file_t *ppd = ppdPath ? ppdOpenFile(ppdPath) : nullptr;
    if (ppdPath)
        unlink(ppdPath);
    if (!ppd) {
        fprintf(stderr, "velPPDWrite_H: the queue has no usable printer description\n");
        return WriterUnknown;
    }
    int status = WriterDone;
    if (!isMakerPpd(ppd)) {
        fprintf(stderr, "velPPDWrite_H: not one of the maker's queues\n");
        status = WriterNotMakerQueue;
    }
    for (size_t i = 0; status == WriterDone && i < settings.size(); ++i) {
        ppd_option_t *option = ppdFindOption(ppd, settings[i].first.c_str());
        if (!option || !ppdFindChoice(option, settings[i].second.c_str())) {
            fprintf(stderr, "velPPDWrite_H: unknown option or choice %s\n", settings[i].first.c_str());
            status = WriterUnknown;
        } else if (!isInstallable(ppd, option)) {
            fprintf(stderr, "velPPDWrite_H: %s is not an installable option\n", settings[i].first.c_str());
            status = WriterNotInstallable;
        }
    }
    ppdClose(ppd);
    return status;
}

// Runs lpadmin with the writer's own (cleared) environment; true when it
// ended with status 0.
bool runLpadmin(const std::vector<std::string> &arguments)
{
    std::vector<char *> argv;
    argv.push_back(const_cast<char *>(lpadminPath.c_str()));
    for (const std::string &argument : arguments)
        argv.push_back(const_cast<char *>(argument.c_str()));
    argv.push_back(nullptr);

    const pid_t child = fork();
    if (child < 0)
        return false;
    if (child == 0) {
        // lpadmin's own notes are of no use to the caller.
        const int null = open("/dev/null", O_RDWR);
        if (null >= 0) {
            dup2(null, STDIN_FILENO);
            dup2(null, STDOUT_FILENO);
            if (null > STDERR_FILENO)
                close(null);
        }
        execve(argv[0], argv.data(), environ);
        _exit(127);
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0) {
        if (errno != EINTR)
            return false;
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

} // namespace

int main(int argc, char **argv)
{
#ifdef WRITER_TEST_HOOKS
    // Test builds only: run without root, the configuration file and lpadmin
    // may be named by the environment, so that the tests can try unsafe
    // files and a failing lpadmin.  Run as root, the built-in paths hold.
    if (getuid() != 0 && geteuid() != 0) {
        if (const char *path = getenv("ORDOVAN_TEST_WRITER_CONF"))
            configurationPath = path;
        if (const char *path = getenv("ORDOVAN_TEST_WRITER_LPADMIN"))
            lpadminPath = path;
    }
#endif
    // Nothing of the caller's environment reaches libcups or lpadmin.
    clearenv();
    setenv("PATH", "/usr/sbin:/usr/bin:/sbin:/bin", 1);
    setenv("LC_ALL", "C", 1);

    if (argc < 3) {
        fprintf(stderr, "usage: velPPDWrite_H QUEUE KEY=VALUE...\n");
        return WriterInvalidArgument;
    }
    const std::string queue = argv[1];
    if (!isQueueName(queue)) {
        fprintf(stderr, "velPPDWrite_H: invalid queue name\n");
        return WriterInvalidArgument;
    }
    std::vector<std::pair<std::string, std::string>> settings;
    for (int i = 2; i < argc; ++i) {
        const std::string pair = argv[i];
        const size_t equals = pair.find('=');
        if (equals == std::string::npos || !isPlainWord(pair.substr(0, equals))
            || !isPlainWord(pair.substr(equals + 1))) {
            fprintf(stderr, "velPPDWrite_H: expected KEY=VALUE with plain words\n");
            return WriterInvalidArgument;
        }
        settings.emplace_back(pair.substr(0, equals), pair.substr(equals + 1));
    }

    std::string server;
    if (!readConfiguration(&server)) {
        fprintf(stderr, "velPPDWrite_H: %s is not a root-owned file that only root may write\n",
                configurationPath.c_str());
        return WriterUnsafeConfiguration;
    }
    if (!server.empty())
        setenv("CUPS_SERVER", server.c_str(), 1);

    const int status = checkSettings(queue, settings);
    if (status != WriterDone)
        return status;

    std::vector<std::string> arguments = {"-p", queue};
    for (const auto &setting : settings) {
        arguments.push_back("-o");
        arguments.push_back(setting.first + "=" + setting.second);
    }
    if (!runLpadmin(arguments)) {
        fprintf(stderr, "velPPDWrite_H: lpadmin failed\n");
        return WriterLpadminFailed;
    }
    return WriterDone;
}
