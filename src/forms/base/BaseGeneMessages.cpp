// Messages of the form: named by identifier, resolved through the host's catalogue, logged, and
// shown in the box their type asks for.
#include <cctype>

#include "forms/base/BaseGene.h"
#include "platform/Application.h"
#include "platform/ClassRegistry.h"
#include "platform/Buttons.h"
#include "runtime/LibStrs.h"

namespace znp {

namespace {

// Fills the "%s" placeholders (also "%0:s" with an index) of Text from Args; false when the text
// holds a placeholder a text argument cannot fill.
bool FillPlaceholders(const std::string& text, const std::vector<std::string>& args, std::string& out) {
    out.clear();
    size_t next = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            out += text[i];
            continue;
        }
        if (++i >= text.size()) return false;
        if (text[i] == '%') {
            out += '%';
            continue;
        }
        size_t index = next;
        if (std::isdigit(static_cast<unsigned char>(text[i]))) {
            size_t start = i;
            while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) ++i;
            if (i >= text.size() || text[i] != ':') return false;
            index = std::stoul(text.substr(start, i - start));
            ++i;
        }
        if (i >= text.size() || (text[i] != 's' && text[i] != 'S')) return false;
        if (index >= args.size()) return false;
        out += args[index];
        next = index + 1;
    }
    return true;
}

TMsgDlgType KindOf(char type) {
    switch (std::toupper(static_cast<unsigned char>(type))) {
        case 'C':
        case 'D':
        case 'W': return TMsgDlgType::mtWarning;
        case 'E': return TMsgDlgType::mtError;
        case 'I': return TMsgDlgType::mtInformation;
        case 'Q': return TMsgDlgType::mtConfirmation;
        default: return TMsgDlgType::mtCustom;
    }
}

bool CancelHasFocus(const TfrmBaseGene& form) {
    return form.btnCancel && form.ActiveControl() == static_cast<const TWinControl*>(form.btnCancel);
}

}  // namespace

std::string TfrmBaseGene::GetMessageText(const std::string& type, const std::string& number) {
    if (!Manager.IsObject()) return "Can not Get Message\rType= " + type + ", ID= " + number + " ";
    return VarToStr(OleCall(Manager, "GetMessage", {Variant(type), Variant(number)}));
}

void TfrmBaseGene::ShowMessageId(const std::string& idText) {
    if (CancelHasFocus(*this)) return;
    if (idText.empty()) {
        MessageIdLog.clear();
        MessageTextLog.clear();
        return;
    }
    MessageIdLog += idText + "; ";
    std::string rest = idText;
    std::string type = SplitFirst(rest, ";");
    std::string number = SplitFirst(rest, ";");
    std::vector<std::string> args;
    while (!rest.empty() && args.size() < 10) args.push_back(SplitFirst(rest, ";"));
    if (args.empty()) args.push_back("");
    const bool shown = StrToFloatDef(number, 0) > 0;
    if (!shown && !number.empty()) number.erase(0, 1);
    std::vector<std::string> slots = args;
    slots.resize(10);
    const std::string catalogue = GetMessageText(type, number);
    std::string text;
    if (!FillPlaceholders(catalogue, slots, text)) {
        text = catalogue + "\r";
        for (const auto& slot : slots) text += slot + ";";
    }
    if (MessageTextLog.find(text) == std::string::npos) MessageTextLog += text + "; ";
    if (shown) ShowDialog(text, KindOf(type.empty() ? ' ' : type[0]), mbOK);
}

TModalResult TfrmBaseGene::ShowDialog(const std::string& text, TMsgDlgType kind, TMsgDlgButtons buttons) {
    // A page change checks its fields quietly: only errors are worth stopping the user for.
    if (PageChanging && kind != TMsgDlgType::mtError) return mrNone;
    TModalResult result = ShowMessageBox(text, kind, buttons);
    // The box ended any mouse press on the active control; tell it the button is up.
    if (ActiveControl() && ActiveControl() != this)
        Application().PostMessage(ActiveControl()->Handle(), WM_LBUTTONUP);
    if (kind == TMsgDlgType::mtError)
        if (auto* previous = dynamic_cast<TWinControl*>(PreviousControl); previous && previous != this && previous->CanFocus())
            previous->SetFocus();
    return result;
}

void TfrmBaseGene::RecordError(const std::string& text) {
    if (CancelHasFocus(*this)) return;
    if (text.find_first_not_of(" \t\r\n") == std::string::npos) {
        MessageIdLog.clear();
        MessageTextLog.clear();
        return;
    }
    MessageIdLog += "E;-1; ";
    if (MessageTextLog.find(text) == std::string::npos) MessageTextLog += text + "; ";
}

}  // namespace znp
