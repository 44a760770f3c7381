// The waiting window of the report forms and the registration of its stored form
// (RunningWinCF.form).
#include "forms/report/RunningWinCF.h"

#include "platform/Application.h"
#include "platform/ComCtrls.h"
#include "platform/FormReader.h"
#include "platform/StdCtrls.h"

KV_STORED_FORM(RunningWinCF)

namespace znp {

const ClassInfo& TfrmRunningWinC::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo c("TfrmRunningWinC", &TZNForm::StaticClass());
        c.Creatable<TfrmRunningWinC>();
        return c;
    }();
    return info;
}

void TfrmRunningWinC::Loaded() {
    TZNForm::Loaded();
    Label1 = dynamic_cast<TLabel*>(FindComponent("Label1"));
    Animate1 = dynamic_cast<TAnimate*>(FindComponent("Animate1"));
}

void TfrmRunningWinC::CenterOverOwner() {
    int left = 0, top = 0;
    if (auto* owner = dynamic_cast<TControl*>(Owner())) {
        left = owner->Left() + (owner->Width() - Width()) / 2;
        top = owner->Top() + (owner->Height() - Height()) / 2;
    }
    SetBounds(left, top, Width(), Height());
}

void TfrmRunningWinC::ShowRunning() {
    CenterOverOwner();
    Show();
    Application().UpdateWindow(Handle());
    if (Animate1) Animate1->Play();
}

void RegisterRunningWinClasses() {
    RegisterClass(TfrmRunningWinC::StaticClass());
    RegisterFormResource("TfrmRunningWinC", std::string(storedforms::RunningWinCF()));
}

}  // namespace znp
