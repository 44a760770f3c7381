// The export through which the class configuration creates the report server.
#include <strings.h>

#include "ReportServer.h"

extern "C" __attribute__((visibility("default"))) znp::AutomationObject* ZnpCreateObject(const char* className) {
    if (!className || strcasecmp(className, znp::report::kServerClass) != 0) return nullptr;
    return new znp::report::ReportServer();
}
