// libFuzzer target: any bytes that libcups accepts as a PPD go through the
// whole import, then every choice of every option is marked and the store
// is reset and deleted.
#include "model/option_model.h"
#include "model/ppd_import.h"

#include <cstdint>
#include <sys/mman.h>
#include <unistd.h>

// libcups itself loses a few bytes on some malformed files; the leak check
// is about this program's code.
extern "C" const char *__lsan_default_suppressions()
{
    return "leak:libcups.so\n";
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    // libcups reads from a file descriptor: hand it an in-memory file.
    const int fd = memfd_create("fuzz.ppd", 0);
    if (fd < 0)
        return 0;
    size_t written = 0;
    while (written < size) {
        const ssize_t n = write(fd, data + written, size - written);
        if (n <= 0)
            break;
        written += size_t(n);
    }
    if (written != size || lseek(fd, 0, SEEK_SET) != 0) {
        close(fd);
        return 0;
    }
    // libcups closes the descriptor when it is done with it.
    ppd_file_t *ppd = ppdOpenFd(fd);
    if (!ppd)
        return 0;

    auto *store = new vOptionSet;
    loadFromPpd(ppd, store);
    ppdClose(ppd);

    const QList<vOption *> options = store->allOptions();
    for (vOption *option : options) {
        for (vChoice *choice : option->choices())
            store->markOptionChoice(option->keyword(), choice->keyword());
        option->setCurrentChoice(nullptr);
    }
    store->resetConstraintState();
    delete store;
    return 0;
}
