// The one dialog service: every message box and every modal loop goes through it.
//
// The headless service answers from a script that a test or the host shell sets, and records
// every box it was asked to show. A window layer implements the same interface with real windows.
#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/Messages.h"

namespace znp {

class TCustomForm;

enum class TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };

using TMsgDlgButtons = std::uint16_t;
constexpr TMsgDlgButtons mbYes = 1, mbNo = 2, mbOK = 4, mbCancel = 8, mbAbort = 16, mbRetry = 32, mbIgnore = 64,
                         mbAll = 128, mbNoToAll = 256, mbYesToAll = 512, mbHelp = 1024;
constexpr TMsgDlgButtons mbOKCancel = mbOK | mbCancel, mbYesNoCancel = mbYes | mbNo | mbCancel,
                         mbYesNo = mbYes | mbNo, mbAbortRetryIgnore = mbAbort | mbRetry | mbIgnore;

// The modal result a button gives.
TModalResult ButtonResult(TMsgDlgButtons button);

struct MessageBoxRequest {
    std::string Text;
    std::string Caption;
    TMsgDlgType Type = TMsgDlgType::mtInformation;
    TMsgDlgButtons Buttons = mbOK;
    TMsgDlgButtons DefaultButton = 0;  // 0: the first button shown
    // Captions of the buttons shown, in the order shown (empty: the platform's own captions).
    std::vector<std::string> ButtonCaptions;
    std::string FontName;
    int FontCharset = 0;
    int HelpContext = 0;
};

struct DialogRecord {
    enum Kind { Box, Modal } RecordKind = Box;
    MessageBoxRequest Request;      // for boxes
    std::string FormClass, FormName; // for modal forms
    TModalResult Result = mrNone;
};

class DialogService {
public:
    virtual ~DialogService() = default;
    virtual TModalResult ShowMessageBox(const MessageBoxRequest& request) = 0;
    // Runs the modal loop of a form that is already shown; returns when the form's ModalResult
    // is set (the loop treats a result still unset at its end as Cancel).
    virtual void RunModal(TCustomForm& form) = 0;
};

// The headless service. Boxes are answered from a queue of results, then by the default
// button; modal forms are driven by a queue of scripts, then closed with Cancel.
class ScriptedDialogs : public DialogService {
public:
    using ModalScript = std::function<void(TCustomForm&)>;

    TModalResult ShowMessageBox(const MessageBoxRequest& request) override;
    void RunModal(TCustomForm& form) override;

    void AnswerNextBox(TModalResult result) { boxAnswers_.push_back(result); }
    void OnNextModal(ModalScript script) { modalScripts_.push_back(std::move(script)); }
    // Called for every box after it was recorded (the host shell prints them).
    std::function<void(const MessageBoxRequest&)> OnBox;

    const std::vector<DialogRecord>& Records() const { return records_; }
    std::vector<std::string> BoxTexts() const;
    void Clear();

private:
    std::deque<TModalResult> boxAnswers_;
    std::deque<ModalScript> modalScripts_;
    std::vector<DialogRecord> records_;
};

}  // namespace znp
