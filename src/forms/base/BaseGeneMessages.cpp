// Messages of the form: named by identifier, resolved through the host's catalogue, logged, and
// shown in the box their type asks for.
#include <cctype>
#include <cstdlib>

#include "Kvtr42C/Exception.h"
#include "forms/base/BaseGene.h"
#include "platform/Application.h"
#include "platform/Buttons.h"
#include "platform/ClassRegistry.h"
#include "platform/Graphics.h"
#include "runtime/CodeConverter.h"
#include "runtime/LibStrs.h"

namespace znp {

namespace {

// The arguments an identifier text can carry.
constexpr size_t kArgumentSlots = 10;

[[noreturn]] void InvalidFormat(const std::string& format) {
    throw EConvertError("Format '" + format + "' invalid or incompatible with argument");
}

// Reads a decimal number or "*" at Pos; -1 when there is neither. A "*" takes its value from the
// next argument, which must be an integer: every argument here is a text, so it never is.
int ReadCount(const std::string& format, size_t& pos, bool& star) {
    star = false;
    if (pos < format.size() && format[pos] == '*') {
        ++pos;
        star = true;
        return 0;
    }
    if (pos >= format.size() || !std::isdigit(static_cast<unsigned char>(format[pos]))) return -1;
    int value = 0;
    while (pos < format.size() && std::isdigit(static_cast<unsigned char>(format[pos]))) {
        value = value * 10 + (format[pos] - '0');
        if (value > 100000) InvalidFormat(format);
        ++pos;
    }
    return value;
}

// The platform's Format over text arguments: "%" [index ":"] ["-"] [width] ["." precision] type,
// "%%" for a percent sign. A text fills "%s" (precision = at most that many bytes, width = padded
// with blanks, on the right with "-"); the numeric types (d u x e f g n m p) exist but take no
// text, so they fail like an unknown type, a missing argument or a cut-off specifier: with
// EConvertError.
std::string FormatTexts(const std::string& format, const std::vector<std::string>& args) {
    std::string out;
    size_t next = 0;
    for (size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%') {
            out += format[i];
            continue;
        }
        size_t pos = i + 1;
        if (pos < format.size() && format[pos] == '%') {
            out += '%';
            i = pos;
            continue;
        }
        bool star = false;
        bool leftAlign = false;
        int width = ReadCount(format, pos, star);
        if (star) InvalidFormat(format);
        if (width >= 0 && pos < format.size() && format[pos] == ':') {
            next = static_cast<size_t>(width);
            ++pos;
            width = -1;
        }
        if (width < 0) {
            if (pos < format.size() && format[pos] == '-') {
                leftAlign = true;
                ++pos;
            }
            width = ReadCount(format, pos, star);
            if (star) InvalidFormat(format);
        }
        int precision = -1;
        if (pos < format.size() && format[pos] == '.') {
            ++pos;
            precision = ReadCount(format, pos, star);
            if (star) InvalidFormat(format);
        }
        if (pos >= format.size()) InvalidFormat(format);
        const char type = static_cast<char>(std::tolower(static_cast<unsigned char>(format[pos])));
        if (type != 's') InvalidFormat(format);
        if (next >= args.size()) throw EConvertError("No argument for format '" + format + "'");
        std::string value = args[next++];
        if (precision >= 0 && value.size() > static_cast<size_t>(precision)) value.resize(static_cast<size_t>(precision));
        if (width > 0 && value.size() < static_cast<size_t>(width)) {
            const std::string padding(static_cast<size_t>(width) - value.size(), ' ');
            value = leftAlign ? value + padding : padding + value;
        }
        out += value;
        i = pos;
    }
    return out;
}

TMsgDlgType KindOf(const std::string& type) {
    switch (type.empty() ? ' ' : type[0]) {
        case 'C':
        case 'D':
        case 'W': return TMsgDlgType::mtWarning;
        case 'E': return TMsgDlgType::mtError;
        case 'I': return TMsgDlgType::mtInformation;
        case 'Q': return TMsgDlgType::mtConfirmation;
        default: return TMsgDlgType::mtCustom;
    }
}

// The buttons ShowMessageFmt offers when the caller names none.
TMsgDlgButtons DefaultButtonsOf(const std::string& type) {
    switch (type.empty() ? ' ' : type[0]) {
        case 'C':
        case 'W':
        case 'Q': return mbOKCancel;
        case 'D': return mbYesNoCancel;
        default: return mbOK;
    }
}

// A number field read as an integer; 0 when it is none.
long NumberOf(const std::string& number) {
    const char* begin = number.c_str();
    char* end = nullptr;
    long value = std::strtol(begin, &end, 10);
    return end != begin && *end == '\0' ? value : 0;
}

bool IsBlank(const std::string& text) {
    for (char c : text)
        if (static_cast<unsigned char>(c) > ' ') return false;
    return true;
}

// The button names, in the order the box shows the buttons.
struct ButtonName {
    TMsgDlgButtons Button;
    const char* Name;
};
constexpr ButtonName kButtonNames[] = {
    {mbYes, "Yes"},     {mbNo, "No"},           {mbOK, "OK"},       {mbCancel, "Cancel"},
    {mbAbort, "Abort"}, {mbRetry, "Retry"},     {mbIgnore, "Ignore"}, {mbAll, "All"},
    {mbNoToAll, "NoToAll"}, {mbYesToAll, "YesToAll"}, {mbHelp, "Help"},
};

// The text log holds every distinct text once.
void AddToTextLog(std::string& log, const std::string& text) {
    if (!text.empty() && log.find(text) == std::string::npos) log += text + "; ";
}

}  // namespace

std::string TfrmBaseGene::GetMessageText(const std::string& type, const std::string& number) {
    if (!Manager.IsObject()) return "Can not Get Message\rType= " + type + ", ID= " + number + " ";
    try {
        return DBToUI(VarToStr(OleCall(Manager, "GetMessage", {Variant(type), Variant(number)})));
    } catch (const Exception&) {
        // A catalogue that cannot answer is as good as none.
        return "Can not Get Message\rType= " + type + ", ID= " + number + " ";
    }
}

void TfrmBaseGene::ShowMessageId(const std::string& idText) {
    if (CancelHasFocus()) return;
    if (idText.empty()) {
        MessageIdLog.clear();
        MessageTextLog.clear();
        return;
    }
    MessageIdLog += idText + "; ";

    std::string rest = idText;
    const std::string type = SplitFirst(rest, ";");
    std::string number = SplitFirst(rest, ";");
    // Ten argument slots; fields beyond the tenth stay with it, so nothing the caller passed is lost.
    std::vector<std::string> slots;
    while (!rest.empty() && slots.size() + 1 < kArgumentSlots) slots.push_back(SplitFirst(rest, ";"));
    if (!rest.empty()) slots.push_back(rest);
    slots.resize(kArgumentSlots);

    const bool shown = NumberOf(number) > 0;
    if (!shown && !number.empty()) number.erase(0, 1);

    const std::string catalogue = GetMessageText(type, number);
    std::string text;
    try {
        text = FormatTexts(catalogue, slots);
    } catch (const EConvertError&) {
        // Placeholders and arguments do not fit: show the catalogue text and the raw arguments.
        text = catalogue + "\r";
        for (const std::string& slot : slots) text += slot + ";";
    }
    AddToTextLog(MessageTextLog, text);
    if (shown) ShowDialog(text, KindOf(type), mbOK);
}

void TfrmBaseGene::RecordError(const std::string& text) {
    if (CancelHasFocus()) return;
    if (IsBlank(text)) {
        MessageIdLog.clear();
        MessageTextLog.clear();
        return;
    }
    MessageIdLog += "E;-1; ";
    AddToTextLog(MessageTextLog, text);
}

TModalResult TfrmBaseGene::ShowMessageFmt(const std::string& type, const std::string& number, TMsgDlgButtons buttons,
                                          const std::vector<std::string>& args) {
    const std::string catalogue = GetMessageText(type, number);
    std::string text;
    try {
        text = FormatTexts(catalogue, args);
    } catch (const EConvertError&) {
        text = catalogue + "\r";
        for (const std::string& arg : args) text += arg + ";";
    }
    return ShowDialog(text, KindOf(type), buttons ? buttons : DefaultButtonsOf(type));
}

// While Cancel has the focus, or the focus is moving onto it, the user is leaving: checks and
// their messages keep quiet.
bool TfrmBaseGene::CancelHasFocus() const {
    return btnCancel && ActiveControl() == static_cast<const TWinControl*>(btnCancel);
}

TModalResult TfrmBaseGene::ShowDialog(const std::string& text, TMsgDlgType kind, TMsgDlgButtons buttons) {
    // A page change checks its fields quietly: only errors are worth stopping the user for.
    if (PageChanging && kind != TMsgDlgType::mtError) return mrNone;
    MessageBoxRequest request;
    request.Text = text;
    request.Caption = Caption();
    request.Type = kind;
    request.Buttons = buttons;
    // An English interface keeps the platform's own captions.
    if (UICodePage() != "437")
        for (const ButtonName& b : kButtonNames)
            if (buttons & b.Button) request.ButtonCaptions.push_back(ToUI(ButtonCaption(b.Name)));
    if (ZnConverter) {
        TFont font;
        TCodeConverter::SetFontForKind(UIConvertKind(), font);
        request.FontName = font.Name();
        request.FontCharset = font.Charset();
    }
    const TModalResult result = Application().Dialogs().ShowMessageBox(request);
    // The box ended any mouse press on the active control; tell it the button is up.
    if (TWinControl* active = ActiveControl(); active && active != this)
        Application().PostMessage(active->Handle(), WM_LBUTTONUP);
    if (kind == TMsgDlgType::mtError)
        if (auto* previous = dynamic_cast<TWinControl*>(PreviousControl);
            previous && previous != this && previous->CanFocus())
            previous->SetFocus();
    return result;
}

}  // namespace znp
