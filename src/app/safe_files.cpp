#include "app/safe_files.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace safefile {

QString errorText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

PrivateDir::PrivateDir(const QString &path)
{
    QByteArray name = QFile::encodeName(path);
    while (name.size() > 1 && name.endsWith('/'))
        name.chop(1);
    struct stat info;
    if (name.isEmpty() || ::lstat(name.constData(), &info) != 0) {
        absent = name.isEmpty() || errno == ENOENT;
        whatIsWrong = absent ? SettingsFiles::tr("it does not exist") : errorText(errno);
        return;
    }
    if (S_ISLNK(info.st_mode)) {
        whatIsWrong = SettingsFiles::tr("it is a symbolic link");
        return;
    }
    if (!S_ISDIR(info.st_mode)) {
        whatIsWrong = SettingsFiles::tr("it is not a directory");
        return;
    }
    // Opened without following a link, then checked again through the
    // descriptor: what is checked is what is used.
    const int fd = ::open(name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        whatIsWrong = errno == ELOOP ? SettingsFiles::tr("it is a symbolic link") : errorText(errno);
        return;
    }
    if (::fstat(fd, &info) != 0 || !S_ISDIR(info.st_mode)) {
        whatIsWrong = SettingsFiles::tr("it is not a directory");
    } else if (info.st_uid != ::geteuid()) {
        whatIsWrong = SettingsFiles::tr("it belongs to another user");
    } else if (info.st_mode & (S_IWGRP | S_IWOTH)) {
        whatIsWrong = SettingsFiles::tr("other users may write to it");
    } else {
        descriptor = fd;
        return;
    }
    ::close(fd);
}

PrivateDir::~PrivateDir()
{
    if (descriptor >= 0)
        ::close(descriptor);
}

bool readRegularFile(int dirfd, const QByteArray &name, QByteArray *data, bool *missing, struct stat *status)
{
    data->clear();
    if (missing)
        *missing = false;
    const int fd = ::openat(dirfd, name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        if (missing)
            *missing = errno == ENOENT;
        return false;
    }
    struct stat info;
    bool ok = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size <= readLimit;
    if (status)
        *status = info;
    while (ok) {
        char buffer[65536];
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0) {
            ok = got == 0;
            break;
        }
        data->append(buffer, int(got));
        // A file that grows while it is read is cut off at the bound.
        ok = data->size() <= readLimit;
    }
    ::close(fd);
    if (!ok)
        data->clear();
    return ok;
}

int createPrivateFile(int dirfd, const QByteArray &name)
{
    // A leftover of an interrupted run (or whatever stands there) goes
    // first; O_EXCL then makes sure the file is new and ours.
    ::unlinkat(dirfd, name.constData(), 0);
    const int fd = ::openat(dirfd, name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY,
                            S_IRUSR | S_IWUSR);
    if (fd < 0)
        return -1;
    // The umask can only have narrowed 0600; make it exactly that.
    ::fchmod(fd, S_IRUSR | S_IWUSR);
    return fd;
}

bool writeAll(int fd, const QByteArray &data)
{
    const char *p = data.constData();
    qint64 left = data.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, p, size_t(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        p += written;
        left -= written;
    }
    return ::fsync(fd) == 0;
}

QByteArray temporaryName()
{
    return ".ordovan-" + QByteArray::number(qint64(::getpid())) + ".tmp";
}

bool replaceFile(int dirfd, const QByteArray &name, const QByteArray &data, const QByteArray &temporary)
{
    const int fd = createPrivateFile(dirfd, temporary);
    if (fd < 0)
        return false;
    bool ok = writeAll(fd, data);
    int error = errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok && ::renameat(dirfd, temporary.constData(), dirfd, name.constData()) != 0) {
        ok = false;
        error = errno;
    }
    if (!ok) {
        ::unlinkat(dirfd, temporary.constData(), 0);
        errno = error;
    }
    return ok;
}

} // namespace safefile
