// libFuzzer target over the selection panel's saved value: the input (after a selector byte for
// the mask and the list options) is restored into a panel as a scheme restores it. A text the
// panel accepts is saved again and restored until it restores to itself: an outside text may hold
// what no edit could and be tidied, but within a few rounds (one per byte of the text at most) the
// saved value must settle instead of changing for ever.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzInput.h"
#include "controls/SelectPnl.h"
#include "platform/Forms.h"
#include "platform/StandardClasses.h"

using namespace znp;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    RegisterStandardClasses();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    static const char* const masks[] = {"", "9999/99/99;1; ", "!aaaa\\-aaaaaaaaaaa;0; ", ">LL-000;0;_"};
    const unsigned selector = data[0];
    const std::string text = fuzz::Text(data + 1, size - 1);

    TForm* form = Construct<TForm>(nullptr);
    TSelectPanel* panel = Construct<TSelectPanel>(form);
    panel->SetParent(form);
    panel->SetEditMask(masks[selector % 4]);
    panel->SetCheckDuplicate(static_cast<TCheckDuplicate>(selector / 4 % 3));
    panel->SetSortListBox(selector & 0x40);
    try {
        panel->ApplySaveValue(text);
        std::string saved = panel->BuildSaveValue();
        for (size_t round = 0;; ++round) {
            panel->ApplySaveValue(saved);
            std::string again = panel->BuildSaveValue();
            if (again == saved) break;
            if (round > text.size() + 2) __builtin_trap();
            saved = std::move(again);
        }
    } catch (const std::exception&) {
    }
    TObject::Free(form);
    return 0;
}
