// libFuzzer target over the stored-form reader: every input is a form file read into a new form.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "controls/KitClasses.h"
#include "platform/Forms.h"
#include "platform/FormReader.h"
#include "platform/StandardClasses.h"

using namespace znp;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    RegisterStandardClasses();
    RegisterKitClasses();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TForm* form = Construct<TForm>(nullptr);
    try {
        ReadForm(*form, std::string_view(reinterpret_cast<const char*>(data), size));
    } catch (const std::exception&) {
        // A file that is no form is refused; what was read so far stays owned by the form.
    }
    TObject::Free(form);
    return 0;
}
