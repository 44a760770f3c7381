// The form's channels to the host's objects and the application server: the manager and the
// services it hands out (counter, validator, F2 window), the socket connection and the server
// object. Every channel degrades to an empty answer when its object is missing, raises or
// answers with the wrong shape.
#include "forms/base/BaseGene.h"

#include "platform/Buttons.h"
#include "platform/ClassRegistry.h"
#include "runtime/LibStrs.h"
#include "runtime/TrovaneINI.h"

namespace znp {

namespace {

std::string Upper(std::string s) {
    for (char& c : s)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return s;
}

bool HoldsSomething(const Variant& v) { return !v.IsEmpty() && !v.IsNull(); }

}  // namespace

void TfrmBaseGene::CreateHostObjects() {
    if (RunsAsLibrary()) {
        try {
            Manager = CreateOleObject("OstrelWorkCenter.Manager");
        } catch (const Exception&) {
            Manager = Variant();
        }
    }
    try {
        Counter = OleCall(Manager, "Com_Counter");
        GetSysParam("");
        VersionText = GetSysParam("ZNP002");
    } catch (const Exception&) {
        Counter = Variant();
    }
    try {
        Validator = OleCall(Manager, "Com_Validator");
    } catch (const Exception&) {
        Validator = Variant();
    }
}

void TfrmBaseGene::CreateF2Window() {
    if (!(F2Flags & 4)) return;
    try {
        F2Window = OleCall(Manager, "Com_F2Window");
    } catch (const Exception&) {
        F2Window = Variant();
    }
}

std::string TfrmBaseGene::GetSysParam(const std::string& name) {
    std::string result;
    try {
        if (!name.empty()) {
            result = SysParamCache ? SysParamCache->Values(name) : std::string();
        } else if (Counter.IsObject() && SysParamCache) {
            std::vector<Variant> args{Variant(CompanyId)};
            const Variant answer = OleCall(Counter, "GetSysInfo", args);
            // [0, i] the name and [1, i] the value of parameter i; any other shape fills nothing.
            if (answer.IsArray() && answer.DimCount() == 2 && answer.HighBound(1) > answer.LowBound(1))
                for (int i = answer.LowBound(2); i <= answer.HighBound(2); ++i)
                    SysParamCache->SetValue(VarToStr(answer.At(answer.LowBound(1), i)),
                                            VarToStr(answer.At(answer.LowBound(1) + 1, i)));
        }
    } catch (const Exception&) {
        result.clear();
    }
    if (result.empty()) {
        // The product classifications always have a name to show.
        const bool english = UICodePage() == "437";
        static const char* const names[] = {"SYS007", "SYS008", "SYS009", "SYS010"};
        static const char* const chinese[] = {"商品分类方式一", "商品分类方式二", "商品分类方式三", "商品分类方式四"};
        static const char* const latin[] = {"Inv.Cate.1", "Inv.Cate.2", "Inv.Cate.3", "Inv.Cate.4"};
        for (int i = 0; i < 4; ++i)
            if (SameText(name, names[i])) return english ? latin[i] : chinese[i];
        return result;
    }
    return Converted ? DBToUI(result) : result;
}

bool TfrmBaseGene::QueryServer(const std::string& tableId, const std::string& queryNo, bool byQuery, Variant& data,
                               const Variant& params) {
    bool ok = false;
    try {
        if (Validator.IsObject()) {
            try {
                OleSet(Validator, "ProductID", Variant(ProductCode));
                OleSet(Validator, "BaseLimited", Variant(Variant(LimitsText).AsString()));
            } catch (const Exception&) {
            }
            std::vector<Variant> args{Variant(tableId), Variant(queryNo), Variant(DbName), UIToDB(params), data};
            const Variant answer = OleCall(Validator, byQuery ? "QueryData" : "CheckValue", args);
            data = args[4];
            ok = answer.AsBoolean();
        }
    } catch (const Exception&) {
        ok = false;
    }
    if (Converted) data = DBToUI(data);
    return ok;
}

bool TfrmBaseGene::QueryWithMessage(const std::string& tableId, const std::string& queryNo,
                                    const std::string& errorKind, int index, Variant& data, const Variant& params) {
    if (CancelHasFocus()) return true;
    bool result = true;
    std::string message;
    if (HoldsSomething(params)) {
        Variant answer;
        if (!QueryServer(tableId, queryNo, index == -2, answer, params)) {
            if (errorKind == "E" || errorKind == "W") {
                message = errorKind == "E" ? "E;000001;" : "W;000004;";
                message += GetMessageText("I", "000008");
            }
            result = false;
        } else {
            data = Variant();
            if (HoldsSomething(answer)) {
                // One element when Index names one; anything else (out of range, no list) is
                // handed over whole.
                const bool element = answer.IsArray() && answer.DimCount() == 1 && index >= answer.LowBound() &&
                                     index <= answer.HighBound();
                data = element ? answer[index] : answer;
            }
        }
    }
    // Also the empty text: a check that found nothing clears the messages of the last one.
    ShowMessageId(message);
    return result;
}

void TfrmBaseGene::QueryCounter(const std::string& name, const Variant& params, Variant& data) {
    data = Variant();
    if (!Counter.IsObject()) return;
    try {
        std::vector<Variant> args{Variant(Upper(name)), params, Variant::ArrayOf({Variant(CompanyId), Variant(DbName)})};
        data = OleCall(Counter, "GetCounter", args);
        if (Converted) data = DBToUI(data);
    } catch (const Exception& e) {
        data = Variant();
        RecordError(e.what());
    }
}

void TfrmBaseGene::GetLookupData(const std::string& tableId, const std::string& queryNo, Variant& data,
                                 bool multiRow, const std::string& filter, const Variant& params) {
    data = Variant();
    if (!HoldsSomething(F2Window)) return;
    try {
        std::vector<Variant> request{
            Variant(tableId),
            Variant(queryNo),
            UIToDB(params),
            Variant(multiRow),
            Variant(UIToDB(filter)),
            Variant(CompanyId),
            Variant(DbName),
            Variant(static_cast<int>(Handle())),
            Variant(1),
            Variant(false),
            Variant(ProductCode),
            Variant(std::string()),
            Variant(std::string()),
            Variant(std::string()),
            Variant(Variant(LimitsText).AsString()),
            Variant(RightsFlag8),
            Variant(RightsFlag7),
            Manager,
            Variant(UserId),
        };
        data = OleCall(F2Window, "F2GetData", {Variant::ArrayOf(std::move(request))});
        if (Converted) data = DBToUI(data);
    } catch (const Exception& e) {
        data = Variant();
        RecordError(e.what());
    }
}

void TfrmBaseGene::ReadRightsRecord(const Variant& record) {
    RightsRecord = protocol::RightsRecord();
    RightsFlag7 = RightsFlag8 = false;
    LimitsText.clear();
    // A record of another shape gives no rights rather than stopping the form; a readable rights
    // string with unreadable limits keeps its rights and has no limits.
    try {
        RightsRecord = protocol::RightsRecord::FromVariant(record);
    } catch (const Exception& e) {
        RecordError(e.what());
        try {
            const int low = protocol::ElementCount(record) >= 2 ? record.LowBound() : 0;
            RightsRecord = protocol::ElementCount(record) >= 2
                               ? protocol::RightsRecord::FromVariant(Variant::ArrayOf({record[low], record[low + 1]}))
                               : protocol::RightsRecord();
        } catch (const Exception&) {
            RightsRecord = protocol::RightsRecord();
        }
    }
    RightsFlag7 = RightsRecord.Right(7);
    RightsFlag8 = RightsRecord.Right(8);
    LimitsText = RightsRecord.LimitsText();
    AfterRightsLoaded();
}

bool TfrmBaseGene::ConfigureConnection() {
    try {
        MainMidas->Close();
        TTrovaneIniC reader;
        std::string failure;
        if (!MessageIdLog.empty()) {
            // An earlier step of the set-up reported a message: show it again rather than connect.
            failure = MessageIdLog;
        } else if (const Variant& servers = reader.Servers(); servers.IsArray() && servers.DimCount() == 2) {
            MainMidas->Address = VarToStr(servers.At(servers.LowBound(1), servers.LowBound(2)));
            MainMidas->Port = servers.At(servers.LowBound(1) + 1, servers.LowBound(2)).AsInteger();
            MainMidas->ObjectBroker = nullptr;
        }
        if (!failure.empty()) ShowMessageId(failure);
        return failure.empty();
    } catch (const Exception& e) {
        RecordError(e.what());
        return false;
    }
}

bool TfrmBaseGene::ObtainServerObject() {
    try {
        ServerObject = Variant();
        if (MainMidas->Connected()) MainMidas->Close();
        LocalServer = IsLocalHost(MainMidas->Address);
        if (LocalServer) {
            // The server runs in this process: the provider reaches it through the connection.
            Variant server = CreateOleObject(MainMidas->ServerName);
            MainMidas->SetAppServer(server);
            ServerObject = server;
        } else {
            MainMidas->Open();
            if (MainMidas->Connected()) ServerObject = MainMidas->AppServer();
        }
        return true;
    } catch (const Exception& e) {
        RecordError(e.what());
        return false;
    }
}

}  // namespace znp
