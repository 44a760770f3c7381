// The message catalogue of the condition form: resolving, filling placeholders, both logs and
// the boxes.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "fixture/FormFixture.h"
#include "platform/Application.h"
#include "platform/Buttons.h"
#include "platform/ClassRegistry.h"
#include "platform/SystemInfo.h"

using namespace znp;
using namespace znp::test;

namespace {

class Messages : public FormTest {
protected:
    // A form set up and shown, so that its controls can take the focus.
    TfrmTestGene* CreateShown() {
        auto* form = CreateForm();
        EXPECT_TRUE(form->Setup(HostParams()));
        form->Show();
        dialogs_->Clear();
        return form;
    }
    const MessageBoxRequest& LastBox() const { return dialogs_->Records().back().Request; }
};

TEST_F(Messages, IdentifiersAreResolvedFilledLoggedAndShownByTheirType) {
    struct Case {
        const char* id;
        const char* catalogueType;
        const char* catalogueNumber;
        const char* catalogueText;
        const char* text;  // logged (and shown when the number is positive)
        bool shown;
        TMsgDlgType kind;
    };
    const Case cases[] = {
        {"E;000038", "E", "000038", "缺少宿主参数", "缺少宿主参数", true, TMsgDlgType::mtError},
        // Not positive: logged under the number without its first character, not shown.
        {"I;-000004;J0000001", "I", "000004", "作业 %s 已登记", "作业 J0000001 已登记", false, TMsgDlgType::mtInformation},
        {"E;-1", "E", "1", "fixed", "fixed", false, TMsgDlgType::mtError},
        // Ten slots: a placeholder without an argument gets an empty one.
        {"W;000002;A", "W", "000002", "[%s][%s]", "[A][]", true, TMsgDlgType::mtWarning},
        {"C;000009;x;y", "C", "000009", "%1:s-%0:s-%s", "y-x-y", true, TMsgDlgType::mtWarning},
        {"D;000009;ab", "D", "000009", "<%4s|%0:-4s|%0:.1s>", "<  ab|ab  |a>", true, TMsgDlgType::mtWarning},
        {"Q;000009;x", "Q", "000009", "100%% %s", "100% x", true, TMsgDlgType::mtConfirmation},
        {"R;200235", "R", "200235", "stopped", "stopped", true, TMsgDlgType::mtCustom},
        // Placeholders that do not fit the text arguments: the catalogue text and ten raw slots.
        {"E;000013;12", "E", "000013", "第%d行", "第%d行\r12;;;;;;;;;;", true, TMsgDlgType::mtError},
        {"W;000003;a", "W", "000003", "%x %s", "%x %s\ra;;;;;;;;;;", true, TMsgDlgType::mtWarning},
        {"W;000003;a", "W", "000003", "%10:s", "%10:s\ra;;;;;;;;;;", true, TMsgDlgType::mtWarning},
        {"W;000003;a", "W", "000003", "cut %", "cut %\ra;;;;;;;;;;", true, TMsgDlgType::mtWarning},
        {"W;000003;a", "W", "000003", "%*s", "%*s\ra;;;;;;;;;;", true, TMsgDlgType::mtWarning},
        // More than ten fields: the tenth argument keeps the rest.
        {"I;000001;1;2;3;4;5;6;7;8;9;10;11", "I", "000001", "%9:s", "10;11", true, TMsgDlgType::mtInformation},
    };
    for (const Case& c : cases) {
        auto* form = CreateForm();
        form->MessageIdLog.clear();
        form->MessageTextLog.clear();
        dialogs_->Clear();
        fakes_.Log().Clear();
        fakes_.Manager().SetMessage(c.catalogueType, c.catalogueNumber, c.catalogueText);
        form->ShowMessageId(c.id);
        EXPECT_EQ(form->MessageIdLog, std::string(c.id) + "; ") << c.id;
        EXPECT_EQ(form->MessageTextLog, std::string(c.text) + "; ") << c.id;
        const RecordedCall* asked = fakes_.Log().Last("Manager", "GetMessage");
        ASSERT_NE(asked, nullptr);
        EXPECT_EQ(asked->Args[0], Variant(std::string(c.catalogueType))) << c.id;
        EXPECT_EQ(asked->Args[1], Variant(std::string(c.catalogueNumber))) << c.id;
        ASSERT_EQ(dialogs_->Records().size(), c.shown ? 1u : 0u) << c.id;
        if (c.shown) {
            EXPECT_EQ(LastBox().Text, c.text) << c.id;
            EXPECT_EQ(LastBox().Type, c.kind) << c.id;
            EXPECT_EQ(LastBox().Buttons, mbOK) << "every identifier shows OK alone: " << c.id;
        }
    }
}

TEST_F(Messages, TheLogsKeepEveryIdButEachTextOnceAndAnEmptyTextClearsThem) {
    auto* form = CreateForm();
    fakes_.Manager().SetMessage("E", "000037", "必须输入");
    form->ShowMessageId("E;000037");
    form->ShowMessageId("E;000037");
    EXPECT_EQ(form->MessageIdLog, "E;000037; E;000037; ");
    EXPECT_EQ(form->MessageTextLog, "必须输入; ");
    EXPECT_EQ(Boxes().size(), 2u);

    form->RecordError("socket closed");
    form->RecordError("socket closed");
    EXPECT_EQ(form->MessageIdLog, "E;000037; E;000037; E;-1; E;-1; ");
    EXPECT_EQ(form->MessageTextLog, "必须输入; socket closed; ");
    EXPECT_EQ(Boxes().size(), 2u) << "recorded errors are not shown";

    form->RecordError(" \t\r\n");
    EXPECT_EQ(form->MessageIdLog, "");
    EXPECT_EQ(form->MessageTextLog, "");

    form->RecordError("again");
    form->ShowMessageId("");
    EXPECT_EQ(form->MessageIdLog, "");
    EXPECT_EQ(form->MessageTextLog, "");
    EXPECT_EQ(Boxes().size(), 2u);
}

TEST_F(Messages, WithoutACatalogueTheFallbackTextNamesTypeAndNumber) {
    auto* form = CreateForm();
    form->Manager = Variant();
    EXPECT_EQ(form->GetMessageText("E", "000038"), "Can not Get Message\rType= E, ID= 000038 ");
    form->ShowMessageId("W;000014");
    EXPECT_EQ(form->MessageTextLog, "Can not Get Message\rType= W, ID= 000014 ; ");

    // A catalogue that fails is no better than none.
    form->Manager = CreateOleObject("OstrelWorkCenter.Manager");
    fakes_.Manager().FailOn("GetMessage");
    EXPECT_EQ(form->GetMessageText("I", "000003"), "Can not Get Message\rType= I, ID= 000003 ");
}

TEST_F(Messages, WhileCancelHasTheFocusNothingIsShownOrLogged) {
    auto* form = CreateShown();
    form->MessageIdLog = "W;000002; ";
    form->btnCancel->SetFocus();
    form->ShowMessageId("E;000005");
    form->RecordError("lost");
    form->ShowMessageId("");
    form->RecordError("");
    EXPECT_EQ(form->MessageIdLog, "W;000002; ") << "not even emptied";
    EXPECT_TRUE(Boxes().empty());
    // ShowMessageFmt is not a check: it still shows.
    form->ShowMessageFmt("I", "000005", 0, {""});
    EXPECT_EQ(Boxes().size(), 1u);
}

TEST_F(Messages, ShowMessageFmtUsesTheDefaultButtonsOfTheTypeAndLogsNothing) {
    auto* form = CreateForm();
    struct Case {
        const char* type;
        TMsgDlgType kind;
        TMsgDlgButtons buttons;
        TModalResult result;  // the default button's
    };
    const Case cases[] = {
        {"C", TMsgDlgType::mtWarning, mbOKCancel, mrOk},          {"D", TMsgDlgType::mtWarning, mbYesNoCancel, mrYes},
        {"W", TMsgDlgType::mtWarning, mbOKCancel, mrOk},          {"E", TMsgDlgType::mtError, mbOK, mrOk},
        {"I", TMsgDlgType::mtInformation, mbOK, mrOk},            {"Q", TMsgDlgType::mtConfirmation, mbOKCancel, mrOk},
        {"R", TMsgDlgType::mtCustom, mbOK, mrOk},
    };
    for (const Case& c : cases) {
        dialogs_->Clear();
        fakes_.Manager().SetMessage(c.type, "000002", "%s: %s 应为 %s");
        EXPECT_EQ(form->ShowMessageFmt(c.type, "000002", 0, {"条件", "3", "2"}), c.result) << c.type;
        EXPECT_EQ(LastBox().Text, "条件: 3 应为 2") << c.type;
        EXPECT_EQ(LastBox().Type, c.kind) << c.type;
        EXPECT_EQ(LastBox().Buttons, c.buttons) << c.type;
    }
    dialogs_->AnswerNextBox(mrNo);
    EXPECT_EQ(form->ShowMessageFmt("W", "000002", mbYesNo, {"a"}), mrNo);
    EXPECT_EQ(LastBox().Buttons, mbYesNo) << "named buttons replace the default";
    EXPECT_EQ(form->MessageIdLog, "");
    EXPECT_EQ(form->MessageTextLog, "");
}

TEST_F(Messages, TheBoxCarriesTheFormsCaptionTranslatedButtonCaptionsAndTheConvertersFont) {
    auto* form = CreateForm();
    form->SetCaption("叫修单列表[8.7]");
    dialogs_->AnswerNextBox(mrCancel);
    EXPECT_EQ(form->ShowDialog("继续?", TMsgDlgType::mtConfirmation, mbYesNoCancel), mrCancel);
    const MessageBoxRequest& box = LastBox();
    EXPECT_EQ(box.Text, "继续?") << "no margin: the box is the form's, not the converter's";
    EXPECT_EQ(box.Caption, "叫修单列表[8.7]");
    EXPECT_EQ(box.ButtonCaptions, (std::vector<std::string>{"是(&Y)", "否(&N)", "取消"}));
    EXPECT_EQ(box.FontName, "SimSun");
    EXPECT_EQ(box.FontCharset, 134);

    // An English interface keeps the platform's captions.
    SetAnsiCodePage("437");
    auto* english = CreateForm();
    english->ShowDialog("Go on?", TMsgDlgType::mtConfirmation, mbOKCancel);
    EXPECT_TRUE(LastBox().ButtonCaptions.empty());
    SetAnsiCodePage("936");
}

TEST_F(Messages, DuringAPageChangeOnlyErrorBoxesAreShown) {
    auto* form = CreateForm();
    form->PageChanging = true;
    EXPECT_EQ(form->ShowDialog("warn", TMsgDlgType::mtWarning, mbOKCancel), mrNone);
    form->ShowMessageId("W;000004;x");
    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ(form->MessageIdLog, "W;000004;x; ") << "suppressed boxes are still logged";
    EXPECT_EQ(form->ShowDialog("err", TMsgDlgType::mtError, mbOK), mrOk);
    EXPECT_EQ(Boxes(), std::vector<std::string>{"err"});
}

TEST_F(Messages, AfterABoxTheActiveControlGetsAButtonUpAndAnErrorReturnsTheFocus) {
    auto* form = CreateShown();
    form->btnOk->SetFocus();
    form->btnCancel->SetFocus();
    ASSERT_EQ(form->PreviousControl, form->btnOk);
    Application().ClearMessages();

    form->ShowDialog("note", TMsgDlgType::mtInformation, mbOK);
    ASSERT_EQ(Application().PendingMessages().size(), 1u);
    EXPECT_EQ(Application().PendingMessages().front().Window, form->btnCancel->Handle());
    EXPECT_EQ(Application().PendingMessages().front().Message.Msg, WM_LBUTTONUP);
    EXPECT_EQ(form->ActiveControl(), form->btnCancel) << "only an error box moves the focus";

    Application().ClearMessages();
    form->ShowDialog("bad", TMsgDlgType::mtError, mbOK);
    EXPECT_EQ(form->ActiveControl(), form->btnOk);
    EXPECT_EQ(Application().PendingMessages().front().Window, form->btnCancel->Handle())
        << "the button-up goes to the control that was active during the box";

    // A previous control that cannot take the focus keeps it where it is.
    form->btnOk->SetEnabled(false);
    form->PreviousControl = form->btnOk;
    form->btnCancel->SetFocus();
    form->PreviousControl = form->btnOk;
    form->ShowDialog("bad", TMsgDlgType::mtError, mbOK);
    EXPECT_EQ(form->ActiveControl(), form->btnCancel);
    Application().ClearMessages();
}

}  // namespace
