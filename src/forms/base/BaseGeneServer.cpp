// The form's channels to the host's objects and the application server.
#include "forms/base/BaseGene.h"

#include "platform/ClassRegistry.h"
#include "runtime/LibStrs.h"
#include "runtime/TrovaneINI.h"

namespace znp {

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
            Variant answer = OleCall(Counter, "GetSysInfo", args);
            if (answer.IsArray() && answer.DimCount() == 2)
                for (int i = answer.LowBound(2); i <= answer.HighBound(2); ++i)
                    SysParamCache->SetValue(VarToStr(answer.At(answer.LowBound(1), i)),
                                            VarToStr(answer.At(answer.LowBound(1) + 1, i)));
        }
    } catch (const Exception&) {
        result.clear();
    }
    if (result.empty()) {
        const bool english = UICodePage() == "437";
        static const char* const chinese[] = {"商品分类方式一", "商品分类方式二", "商品分类方式三", "商品分类方式四"};
        static const char* const latin[] = {"Inv.Cate.1", "Inv.Cate.2", "Inv.Cate.3", "Inv.Cate.4"};
        for (int i = 0; i < 4; ++i)
            if (SameText(name, "SYS00" + std::to_string(7 + i))) return english ? latin[i] : chinese[i];
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
            ok = OleCall(Validator, byQuery ? "QueryData" : "CheckValue", args).AsBoolean();
            data = args[4];
        }
    } catch (const Exception&) {
        ok = false;
    }
    if (Converted) data = DBToUI(data);
    return ok;
}

bool TfrmBaseGene::ConfigureConnection() {
    try {
        MainMidas->Close();
        TTrovaneIniC reader;
        std::string failure;
        if (!MessageIdLog.empty()) {
            // An earlier step of the set-up reported a message: show it again rather than connect.
            failure = MessageIdLog;
        } else if (reader.Servers().IsArray()) {
            const Variant& servers = reader.Servers();
            MainMidas->Address = VarToStr(servers.At(0, servers.LowBound(2)));
            MainMidas->Port = servers.At(1, servers.LowBound(2)).AsInteger();
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

bool TfrmBaseGene::RunServerModule(const std::string&, const std::string&, const std::string&, int, const Variant&,
                                   const std::string&, const std::string&, const std::string&, const std::string&,
                                   const std::string&, const std::string&) {
    RecordError("The server module cannot be run yet");
    return false;
}

void TfrmBaseGene::GetLookupData(const std::string&, const std::string&, Variant& data, bool, const std::string&,
                                 const Variant&) {
    data = Variant();
}

}  // namespace znp
