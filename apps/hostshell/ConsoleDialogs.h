// The host shell's dialog service: prints every message box to the terminal (in the terminal's
// encoding) and answers it with its default button; modal forms are closed with Cancel.
#pragma once

#include "platform/Dialogs.h"

class ConsoleDialogs : public znp::DialogService {
public:
    znp::TModalResult ShowMessageBox(const znp::MessageBoxRequest& request) override;
    void RunModal(znp::TCustomForm& form) override;
};

// A text of the user-interface code page in the terminal's encoding (UTF-8), and back.
std::string ToTerminal(const std::string& text);
std::string FromTerminal(const std::string& text);
