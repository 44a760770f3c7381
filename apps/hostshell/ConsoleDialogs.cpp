#include "ConsoleDialogs.h"

#include <iostream>

#include "Kvtr42C/Variant.h"
#include "platform/Forms.h"
#include "platform/SystemInfo.h"

std::string ToTerminal(const std::string& text) {
    std::u16string wide = znp::BytesToWide(text, znp::AnsiCodePage());
    std::string out = znp::WideToBytes(wide, "65001");
    for (char& c : out)
        if (c == '\r') c = '\n';
    return out;
}

std::string FromTerminal(const std::string& text) {
    return znp::WideToBytes(znp::BytesToWide(text, "65001"), znp::AnsiCodePage());
}

znp::TModalResult ConsoleDialogs::ShowMessageBox(const znp::MessageBoxRequest& request) {
    static const char* const kinds[] = {"warning", "error", "information", "confirmation", "message"};
    znp::TMsgDlgButtons button = request.DefaultButton;
    for (znp::TMsgDlgButtons b = 1; !button && b <= znp::mbHelp; b <<= 1)
        if (request.Buttons & b) button = b;
    std::cout << "[box " << kinds[static_cast<int>(request.Type)] << "] " << ToTerminal(request.Caption) << ": "
              << ToTerminal(request.Text) << std::endl;
    return znp::ButtonResult(button);
}

void ConsoleDialogs::RunModal(znp::TCustomForm& form) {
    std::cout << "[modal] " << form.ClassName() << " closed with Cancel" << std::endl;
    form.ModalResult = znp::mrCancel;
}
