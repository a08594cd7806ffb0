// Careful file access for places that other users may be able to write or
// that hold content we did not make ourselves: a private directory is opened
// without following a link and checked for its owner and mode before any file
// in it is touched; files are read only when they are regular and not too
// large, without blocking on a FIFO; files are replaced through a short
// hidden temporary sibling that is created 0600 with O_EXCL, never through a
// link, and renamed into place.
#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include <fcntl.h>
#include <sys/stat.h>

// The translation context of the settings-directory texts, shared with the
// settings files.
class SettingsFiles
{
    Q_DECLARE_TR_FUNCTIONS(SettingsFiles)
};

namespace safefile {

// Upper bound of one file read, in bytes.
const qint64 readLimit = 8 * 1024 * 1024;

// A directory opened for use by its owner alone.
class PrivateDir
{
public:
    // Opens path (the last component is never followed when it is a link)
    // and checks that it is a directory owned by the effective user that
    // nobody else may write to.
    explicit PrivateDir(const QString &path);
    ~PrivateDir();
    PrivateDir(const PrivateDir &) = delete;
    PrivateDir &operator=(const PrivateDir &) = delete;

    // True when the directory may be used; fd() then refers to it.
    bool usable() const { return descriptor >= 0; }
    int fd() const { return descriptor; }
    // True when nothing exists at the path.
    bool missing() const { return absent; }
    // What is wrong with it, for the user; empty when it is usable.
    QString problem() const { return whatIsWrong; }

private:
    int descriptor = -1;
    bool absent = false;
    QString whatIsWrong;
};

// Reads the regular file name in directory dirfd (AT_FDCWD: name is a path)
// into *data: opened with O_NOFOLLOW and O_NONBLOCK, checked with fstat, and
// at most readLimit bytes. False when it is anything else or cannot be read;
// *missing tells whether nothing was there.
// *status, when given, receives the file's fstat.
bool readRegularFile(int dirfd, const QByteArray &name, QByteArray *data, bool *missing = nullptr,
                     struct stat *status = nullptr);

// Creates the file name in dirfd for writing: an old entry of that name is
// removed first, then it is made with O_CREAT | O_EXCL | O_NOFOLLOW and mode
// 0600. The descriptor, or -1 with errno set.
int createPrivateFile(int dirfd, const QByteArray &name);

// Writes all of data to fd and flushes it to disk.
bool writeAll(int fd, const QByteArray &data);

// A short hidden name for this process's temporary files in a directory; it
// fits whatever the length of the file it stands in for.
QByteArray temporaryName();

// Replaces name in dirfd with data: written to temporary (made as by
// createPrivateFile), flushed, then renamed over name. On failure the old
// file stays as it was, no temporary is left and false is returned with errno
// set.
bool replaceFile(int dirfd, const QByteArray &name, const QByteArray &data, const QByteArray &temporary);

// The system's text for errno value error.
QString errorText(int error);

} // namespace safefile
