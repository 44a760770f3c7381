#include "platform/Dialogs.h"

#include "platform/Forms.h"

namespace znp {

TModalResult ButtonResult(TMsgDlgButtons button) {
    switch (button) {
        case mbYes: return mrYes;
        case mbNo: return mrNo;
        case mbOK: return mrOk;
        case mbCancel: return mrCancel;
        case mbAbort: return mrAbort;
        case mbRetry: return mrRetry;
        case mbIgnore: return mrIgnore;
        case mbAll: return mrAll;
        case mbNoToAll: return mrNoToAll;
        case mbYesToAll: return mrYesToAll;
        default: return mrNone;
    }
}

TModalResult ScriptedDialogs::ShowMessageBox(const MessageBoxRequest& request) {
    TModalResult result;
    if (!boxAnswers_.empty()) {
        result = boxAnswers_.front();
        boxAnswers_.pop_front();
    } else {
        TMsgDlgButtons button = request.DefaultButton;
        for (TMsgDlgButtons b = 1; !button && b <= mbHelp; b <<= 1)
            if (request.Buttons & b) button = b;
        result = ButtonResult(button);
    }
    DialogRecord record;
    record.RecordKind = DialogRecord::Box;
    record.Request = request;
    record.Result = result;
    records_.push_back(record);
    if (OnBox) OnBox(request);
    return result;
}

void ScriptedDialogs::RunModal(TCustomForm& form) {
    DialogRecord record;
    record.RecordKind = DialogRecord::Modal;
    record.FormClass = form.ClassName();
    record.FormName = form.Name();
    size_t index = records_.size();
    records_.push_back(record);
    if (!modalScripts_.empty()) {
        ModalScript script = std::move(modalScripts_.front());
        modalScripts_.pop_front();
        script(form);
    }
    if (form.ModalResult == mrNone) form.ModalResult = mrCancel;
    records_[index].Result = form.ModalResult;
}

std::vector<std::string> ScriptedDialogs::BoxTexts() const {
    std::vector<std::string> texts;
    for (const auto& r : records_)
        if (r.RecordKind == DialogRecord::Box) texts.push_back(r.Request.Text);
    return texts;
}

void ScriptedDialogs::Clear() {
    boxAnswers_.clear();
    modalScripts_.clear();
    records_.clear();
}

}  // namespace znp
