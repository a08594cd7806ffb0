#include "app/cups_queries.h"

#include <cups/cups.h>

QSet<QString> queueNames(bool *reached)
{
    QSet<QString> names;
    ipp_t *request = ippNewRequest(IPP_OP_CUPS_GET_PRINTERS);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr, "printer-name");
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
    ipp_t *response = cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/");
    if (reached)
        *reached = response != nullptr || !schedulerUnreachable();
    if (!response)
        return names;
    for (ipp_attribute_t *attr = ippFindAttribute(response, "printer-name", IPP_TAG_NAME); attr;
         attr = ippFindNextAttribute(response, "printer-name", IPP_TAG_NAME)) {
        if (const char *name = ippGetString(attr, 0, nullptr))
            names.insert(QString::fromUtf8(name));
    }
    ippDelete(response);
    return names;
}

bool schedulerUnreachable()
{
    return cupsLastError() == IPP_STATUS_ERROR_SERVICE_UNAVAILABLE;
}
