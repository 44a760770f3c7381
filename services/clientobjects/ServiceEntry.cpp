// The export through which the class configuration creates the client machine's objects.
#include <strings.h>

#include "ClientObjects.h"

extern "C" __attribute__((visibility("default"))) znp::AutomationObject* ZnpCreateObject(const char* className) {
    using namespace znp::clientobjects;
    if (!className) return nullptr;
    if (strcasecmp(className, kQueueManagerClass) == 0) return new QueueManager();
    if (strcasecmp(className, kBrowserClass) == 0) return new Browser();
    if (strcasecmp(className, kHttpRequestClass) == 0) return new HttpRequest();
    return nullptr;
}
