// libFuzzer target over the edit-mask engine: a mask and a text from the input, laid in, formatted,
// read back and typed into a masked edit character by character. Input: mask NUL text, the code
// page chosen by the input's size.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzInput.h"
#include "platform/Component.h"
#include "platform/Forms.h"
#include "platform/Messages.h"
#include "platform/EditMask.h"
#include "platform/Mask.h"
#include "runtime/LibStrs.h"

using namespace znp;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto parts = fuzz::Parts(fuzz::Text(data, size), 2);
    const std::string& maskText = parts[0];
    const std::string& text = parts[1];
    const std::string codePage = fuzz::CodePageOf(static_cast<unsigned char>(size));

    const EditMask mask(maskText, codePage);
    (void)mask.BlankText();
    const std::string applied = mask.Apply(text);
    const std::string formatted = mask.Format(text);
    (void)mask.Value(applied);
    (void)mask.Value(formatted);
    (void)mask.Value(text);
    (void)mask.Strip(text);
    (void)mask.IsComplete(formatted);
    for (int pos = -1; pos <= mask.Length(); ++pos) {
        (void)mask.IsInputPosition(pos);
        (void)mask.IsRequiredPosition(pos);
        (void)mask.Allows(pos, text.substr(0, 2));
        (void)mask.Shifted(pos, text.substr(0, 1));
    }
    (void)ReformatMaskText(text, maskText, "9999/99/99;1; ", codePage);
    (void)ReformatMaskText(text, "9999/99/99;1; ", maskText, codePage);

    // The masked edit as a user drives it, only on the process's code page (the edit's own):
    // backspace and delete as keys, everything else typed.
    if (codePage == AnsiCodePage() && text.size() <= 64) {
        TForm* form = Construct<TForm>(nullptr);
        try {
            form->Show();
            TMaskEdit* edit = Construct<TMaskEdit>(form);
            edit->SetParent(form);
            edit->SetEditMask(maskText);
            edit->SetText(text);
            (void)edit->EditText();
            edit->SetText("");
            form->FocusControl(edit);
            for (char c : text) {
                if (c == '\b')
                    form->PressKey(VK_BACK);
                else if (c == 0x7F)
                    form->PressKey(VK_DELETE);
                else
                    form->TypeChar(c);
            }
            (void)edit->Text();
            (void)edit->IsComplete();
        } catch (const std::exception&) {
        }
        TObject::Free(form);
    }
    return 0;
}
