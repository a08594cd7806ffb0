// velPPDWrite_H QUEUE KEY=VALUE...
//
// Run as root (through sudo or su) by the print-settings panel.  Sets the
// default choice of each named option in the queue's printer description
// through CUPS and exits 0 only when all of them were written.
//
// Every argument is checked before anything runs: the queue must be known to
// CUPS, every keyword must be an option of its printer description and every
// value one of that option's choices, all of them made of plain characters.
// lpadmin is started directly with an argument vector and a clean
// environment; no shell is involved.
//
// The CUPS server is the default one, unless the root-owned configuration
// file WRITER_CONF (not writable by group or others) names another with a
// line "ServerName <name>".  The caller's environment is never consulted for
// it, so an unprivileged caller cannot point the writer at a server of its
// choosing.
//
// Exit status: 0 written; 1 lpadmin failed; 2 usage or invalid argument;
// 3 unknown queue, option or choice.

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

namespace {

const size_t maxNameLength = 127;
const size_t maxKeywordLength = 40;

bool isPlainCharacter(char c, bool allowAt)
{
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))
        return true;
    if (c == '_' || c == '-' || c == '.' || c == '+')
        return true;
    return allowAt && c == '@';
}

bool isPlainWord(const std::string &text, size_t maxLength, bool allowAt)
{
    if (text.empty() || text.size() > maxLength || text[0] == '-' || text[0] == '.')
        return false;
    for (char c : text) {
        if (!isPlainCharacter(c, allowAt))
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

// The server named by the configuration file, or an empty string.
std::string configuredServer()
{
    const int fd = open(WRITER_CONF, O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return std::string();
    struct stat info;
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_uid != 0
        || (info.st_mode & (S_IWGRP | S_IWOTH)) != 0) {
        close(fd);
        return std::string();
    }
    FILE *file = fdopen(fd, "r");
    if (!file) {
        close(fd);
        return std::string();
    }
    std::string server;
    char line[1024];
    while (fgets(line, sizeof line, file)) {
        std::string text = trim(line);
        if (text.compare(0, 10, "ServerName") != 0)
            continue;
        text = trim(text.substr(10));
        if (!text.empty())
            server = text;
    }
    fclose(file);
    for (char c : server) {
        if (static_cast<unsigned char>(c) < 0x21 || c == '\'' || c == '"' || c == '\\')
            return std::string();
    }
    return server;
}

int runLpadmin(const std::vector<std::string> &arguments, const std::string &server)
{
    std::vector<char *> argv;
    argv.push_back(const_cast<char *>(WRITER_LPADMIN));
    for (const std::string &argument : arguments)
        argv.push_back(const_cast<char *>(argument.c_str()));
    argv.push_back(nullptr);

    std::vector<std::string> environment = {"PATH=/usr/sbin:/usr/bin:/sbin:/bin", "LC_ALL=C"};
    if (!server.empty())
        environment.push_back("CUPS_SERVER=" + server);
    std::vector<char *> envp;
    for (const std::string &entry : environment)
        envp.push_back(const_cast<char *>(entry.c_str()));
    envp.push_back(nullptr);

    const pid_t child = fork();
    if (child < 0)
        return 1;
    if (child == 0) {
        // lpadmin's own notes are of no use to the caller.
        const int null = open("/dev/null", O_RDWR);
        if (null >= 0) {
            dup2(null, STDIN_FILENO);
            dup2(null, STDOUT_FILENO);
            if (null > STDERR_FILENO)
                close(null);
        }
        execve(argv[0], argv.data(), envp.data());
        _exit(127);
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0) {
        if (errno != EINTR)
            return 1;
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 3) {
        fprintf(stderr, "usage: velPPDWrite_H QUEUE KEY=VALUE...\n");
        return 2;
    }
    const std::string queue = argv[1];
    if (!isPlainWord(queue, maxNameLength, true)) {
        fprintf(stderr, "velPPDWrite_H: invalid queue name\n");
        return 2;
    }

    std::vector<std::pair<std::string, std::string>> settings;
    for (int i = 2; i < argc; ++i) {
        const std::string pair = argv[i];
        const size_t equals = pair.find('=');
        if (equals == std::string::npos) {
            fprintf(stderr, "velPPDWrite_H: expected KEY=VALUE\n");
            return 2;
        }
        const std::string key = pair.substr(0, equals);
        const std::string value = pair.substr(equals + 1);
        if (!isPlainWord(key, maxKeywordLength, false) || !isPlainWord(value, maxKeywordLength, false)) {
            fprintf(stderr, "velPPDWrite_H: invalid option or value\n");
            return 2;
        }
        settings.emplace_back(key, value);
    }

    // Nothing of the caller's environment reaches libcups or lpadmin.
    clearenv();
    setenv("PATH", "/usr/sbin:/usr/bin:/sbin:/bin", 1);
    setenv("LC_ALL", "C", 1);
    const std::string server = configuredServer();
    if (!server.empty())
        cupsSetServer(server.c_str());

    cups_dest_t *dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, queue.c_str(), nullptr);
    if (!dest) {
        fprintf(stderr, "velPPDWrite_H: unknown queue\n");
        return 3;
    }
    cupsFreeDests(1, dest);

    const char *ppdPath = cupsGetPPD(queue.c_str());
    if (!ppdPath) {
        fprintf(stderr, "velPPDWrite_H: the queue has no printer description\n");
        return 3;
    }
    ppd_file_t *ppd = ppdOpenFile(ppdPath);
    bool known = ppd != nullptr;
    for (size_t i = 0; known && i < settings.size(); ++i) {
        ppd_option_t *option = ppdFindOption(ppd, settings[i].first.c_str());
        known = option && ppdFindChoice(option, settings[i].second.c_str());
    }
    if (ppd)
        ppdClose(ppd);
    unlink(ppdPath);
    if (!known) {
        fprintf(stderr, "velPPDWrite_H: unknown option or choice\n");
        return 3;
    }

    std::vector<std::string> arguments = {"-p", queue};
    for (const auto &setting : settings) {
        arguments.push_back("-o");
        arguments.push_back(setting.first + "=" + setting.second);
    }
    if (runLpadmin(arguments, server) != 0) {
        fprintf(stderr, "velPPDWrite_H: lpadmin failed\n");
        return 1;
    }
    return 0;
}
