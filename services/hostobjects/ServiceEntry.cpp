// The export through which the class configuration creates the manager.
#include <strings.h>

#include "HostObjects.h"

extern "C" __attribute__((visibility("default"))) znp::AutomationObject* ZnpCreateObject(const char* className) {
    using namespace znp::host;
    if (!className || strcasecmp(className, kManagerClass) != 0) return nullptr;
    return new Manager(std::make_shared<HostData>(HostData::FolderFromEnvironment()));
}
