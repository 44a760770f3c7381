// The scheme pane: the list of the user's saved condition schemes of this program, and saving,
// opening, deleting and renaming them on the report server. The value text of a scheme is built
// and applied by BaseGeneSchemeText.cpp; the name dialog of the save flow belongs to the option
// level.
#include "Kvtr42C/Protocol.h"
#include "forms/base/BaseGene.h"
#include "platform/ClassRegistry.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/ListView.h"
#include "platform/SysUtils.h"
#include "runtime/LibStrs.h"

namespace znp {

namespace {

const char* const kSection = "TfrmBaseGene";

// The longest scheme name, in bytes of the interface's code page.
constexpr size_t kSchemeNameBytes = 20;

// Whether Text reads back unchanged through the code page: no broken double-byte character.
bool ValidInCodePage(const std::string& text, const std::string& codePage) {
    if (codePage != "936" && codePage != "950") return true;
    return WideToBytes(BytesToWide(text, codePage), codePage) == text;
}

}  // namespace

std::string TfrmBaseGene::SchemeText(const std::string& key, const std::string& defaultText) {
    std::string text;
    GetLangText(kSection, key, text, true, defaultText);
    return text;
}

// What the application shows for an error that leaves an event handler.
void TfrmBaseGene::ShowSchemeError(const std::string& text) { ShowMessageBox(text, TMsgDlgType::mtError, mbOK); }

// A scheme call: the answer as text, empty on success; a call that raises answers its reason.
std::string TfrmBaseGene::CallSchemeServer(const std::string& name, std::vector<Variant> args) {
    try {
        return VarToStr(OleCall(ServerObject, name, args));
    } catch (const Exception& e) {
        RecordError(e.what());
        return e.what();
    }
}

void TfrmBaseGene::BuildSchemeColumns() {
    if (!lstCondition) return;
    lstCondition->ClearColumns();
    // A width of -2 fits the column to its header.
    TListColumn* name = lstCondition->AddColumn(SchemeText("sProjectName", "方案名称"), -2);
    name->Alignment = TAlignment::taRightJustify;
    TListColumn* created = lstCondition->AddColumn(SchemeText("sCreateTime", "创建时间"), -2);
    created->Alignment = TAlignment::taLeftJustify;
}

bool TfrmBaseGene::LoadSchemeList() {
    if (!ServerObject.IsObject() || !lstCondition || !ClientDataSet1) return false;
    const TViewStyle style = lstCondition->ViewStyle;
    lstCondition->BeginUpdate();
    // The user's view comes back in every case, the update ends in every case.
    struct Restore {
        TListView* list;
        TViewStyle style;
        ~Restore() {
            list->ViewStyle = style;
            list->EndUpdate();
        }
    } restore{lstCondition, style};
    try {
        lstCondition->ViewStyle = TViewStyle::vsList;
        lstCondition->ClearItems();
        OleCall(ServerObject, "LoadTable", {protocol::SchemeOwner{UserId, ProgramId}.ToVariant()});
        ClientDataSet1->Close();
        ClientDataSet1->Open();
        ClientDataSet1->First();
        // A table without every field of a scheme cannot be opened or renamed later: refuse it now.
        for (const char* field : protocol::SchemeTable::kFieldNames) ClientDataSet1->FieldByName(field);
        const TField& name = ClientDataSet1->FieldByName("NCONDITION");
        const TField& created = ClientDataSet1->FieldByName("CREATE_DATE");
        const int count = ClientDataSet1->RecordCount();
        for (int i = 0; i < count; ++i) {
            // A creation date that is no date shows empty rather than hiding every scheme.
            const double date = ParseYYYYMMDD(Trim(VarToStr(created.Value())));
            TListItem* item = lstCondition->AddItemSorted(DBToUI(VarToStr(name.Value())),
                                                         {date != 0 ? FormatDateByType(1, "/", date) : std::string()});
            item->ImageIndex = 0;
            ClientDataSet1->Next();
        }
        return true;
    } catch (const Exception& e) {
        throw Exception(e.what());
    }
}

// Loads the list where an event handler asks for it: an error is shown, not raised.
void TfrmBaseGene::ReloadSchemeList() {
    try {
        LoadSchemeList();
    } catch (const Exception& e) {
        ShowSchemeError(e.what());
    }
}

bool TfrmBaseGene::SaveScheme(const std::string& keys, const std::string& schemeName, bool overwrite) {
    try {
        std::string values;
        if (!BuildSchemeValues(keys, values)) return false;
        protocol::SchemeInsert insert;
        insert.Record.Name = UIToDB(schemeName);
        insert.Record.Creator = UserId;
        insert.Record.Programme = ProgramId;
        // The keys the values were built from, so that both stay in step.
        insert.Record.Keys = keys;
        insert.Record.Value = UIToDB(values);
        insert.Record.CreateDate = FormatDateByType(1, "", Now());
        insert.Overwrite = overwrite;
        const std::string answer = VarToStr(OleCall(ServerObject, "InsertConTable", {insert.ToVariant()}));
        if (!answer.empty()) throw Exception(answer);
        return true;
    } catch (const std::exception& e) {
        RecordError(e.what());
        return false;
    }
}

void TfrmBaseGene::btnInsertClick(TObject*) {
    // Leaving the current control runs its exit check; a failed check ends the save silently.
    if (lstCondition && lstCondition->CanFocus()) lstCondition->SetFocus();
}

bool TfrmBaseGene::FindSchemeRecord(const std::string& caption) {
    if (!ClientDataSet1 || !ClientDataSet1->Active()) return false;
    return ClientDataSet1->FindKey({Variant(UIToDB(caption)), Variant(UserId), Variant(ProgramId)});
}

void TfrmBaseGene::btnOpenClick(TObject*) {
    TListItem* item = lstCondition ? lstCondition->Selected() : nullptr;
    if (!item || !FindSchemeRecord(item->Caption())) return;
    const std::string keys = VarToStr(ClientDataSet1->FieldByName("SCONDITION").Value());
    const std::string values = DBToUI(VarToStr(ClientDataSet1->FieldByName("VCONDITION").Value()));
    if (!RestoreScheme(keys, values)) ShowMessageId("R;200235");
    AfterSchemeRestored();
}

void TfrmBaseGene::btnDeleteClick(TObject*) {
    TListItem* item = lstCondition ? lstCondition->Selected() : nullptr;
    if (!item) return;
    const std::string caption = item->Caption();
    const std::string question = SchemeText("sDeleteProj", "确实要删除此方案吗？") + caption;
    if (ShowMessageBox(question, TMsgDlgType::mtConfirmation, mbYesNo) != mrYes) return;
    const std::string answer =
        CallSchemeServer("DeleteConTable", {protocol::SchemeKey{UIToDB(caption), UserId, ProgramId}.ToVariant()});
    if (!answer.empty()) {
        ShowSchemeError(answer);
        return;
    }
    ReloadSchemeList();
}

void TfrmBaseGene::lstConditionEdited(TObject*, TListItem* item, std::string& text) {
    if (!item) return;
    const std::string old = item->Caption();
    auto refuse = [&](const char* key, const char* defaultText) {
        ShowSchemeError(SchemeText(key, defaultText));
        text = old;
    };
    if (Trim(text).empty()) return refuse("sProjNameEmpty", "方案名不可空白!");
    if (text.size() > kSchemeNameBytes) return refuse("sProjNameError", "方案名长度不可大于20!");
    // A broken double-byte character would reach the server as another name than the one shown.
    if (!ValidInCodePage(text, UICodePage())) return refuse("sProjNameInvalid", "方案名含有无效字符!");
    for (int i = 0; i < lstCondition->ItemCount(); ++i) {
        const TListItem* other = lstCondition->Items(i);
        if (other != item && other->Caption() == text) return refuse("sProjNameExist", "此方案名称已经存在！");
    }
    if (text == old) return;
    const std::string answer =
        CallSchemeServer("ChangeConName", {protocol::SchemeKey{UIToDB(old), UserId, ProgramId}.ToVariant(),
                                           protocol::SchemeKey{UIToDB(text), UserId, ProgramId}.ToVariant()});
    if (!answer.empty()) {
        refuse("sFailedRename", "更改方案名失败!");
        ShowSchemeError(answer);
        return;
    }
    // The server has the new name already; the data set's copy follows.
    if (FindSchemeRecord(old)) {
        ClientDataSet1->Edit();
        ClientDataSet1->FieldByName("NCONDITION").SetValue(Variant(UIToDB(text)));
        ClientDataSet1->Post();
    }
}

}  // namespace znp
