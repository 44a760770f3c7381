// A form for the selection-panel tests: it owns the panels, records the quick-pick requests it
// is sent and can answer them by filling the requesting edit or list, as the report forms do.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "controls/SelectPnl.h"
#include "platform/Forms.h"
#include "platform/SystemInfo.h"

namespace znp::test {

class TfrmPanelProbe : public TForm {
public:
    using TForm::TForm;
    void WndProc(TMessage& message) override {
        if (message.Msg == WM_USER + 10) {
            auto* control = reinterpret_cast<TWinControl*>(message.LParam);
            Requests.push_back(control);
            FocusAtRequest = ActiveControl();
            if (Answer) Answer(control);
            message.Result = 1;
            return;
        }
        TForm::WndProc(message);
    }
    std::vector<TWinControl*> Requests;
    TWinControl* FocusAtRequest = nullptr;
    std::function<void(TWinControl*)> Answer;
};

// Runs the tests with the program's own code page, restored afterwards.
class ScopedCodePage {
public:
    explicit ScopedCodePage(const std::string& codePage) : old_(AnsiCodePage()) { SetAnsiCodePage(codePage); }
    ~ScopedCodePage() { SetAnsiCodePage(old_); }
    ScopedCodePage(const ScopedCodePage&) = delete;
    ScopedCodePage& operator=(const ScopedCodePage&) = delete;

private:
    std::string old_;
};

// The rows of a panel's list: caption, then sub-items.
inline std::vector<std::vector<std::string>> Rows(const TSelectPanel& panel) {
    std::vector<std::vector<std::string>> rows;
    for (int i = 0; i < panel.ListView->ItemCount(); ++i) {
        const TListItem& item = *panel.ListView->Items(i);
        std::vector<std::string> row{item.Caption()};
        for (const std::string& s : item.SubItems()->Items()) row.push_back(s);
        rows.push_back(row);
    }
    return rows;
}

inline std::vector<std::string> Captions(const TSelectPanel& panel) {
    std::vector<std::string> captions;
    for (int i = 0; i < panel.ListView->ItemCount(); ++i) captions.push_back(panel.ListView->Items(i)->Caption());
    return captions;
}

}  // namespace znp::test
