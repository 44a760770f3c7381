#include "runtime/ZARiviZuzuNewFileU.h"

namespace znp {

bool UpdateModuleFile(const std::string&, const std::string&, bool, std::string& errorText) {
    errorText.clear();
    return true;
}

}  // namespace znp
