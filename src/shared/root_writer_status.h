// Exit statuses of the root-side writer of installable options, shared by
// the writer and the password prompt that reports them.  Status 1 is left to
// sudo and su, which use it when they refuse (a wrong password, a command the
// user may not run).
#pragma once

enum RootWriterStatus {
    WriterDone = 0,
    WriterInvalidArgument = 2,     // wrong usage, or a name or value that is not allowed
    WriterUnknown = 3,             // queue, option or choice unknown to CUPS
    WriterNotInstallable = 4,      // an option outside the "InstallableOptions" group
    WriterNotMakerQueue = 5,       // the queue is not one of the maker's
    WriterLpadminFailed = 6,       // lpadmin did not end with status 0
    WriterUnsafeConfiguration = 7, // the configuration file may have been changed by others
};
