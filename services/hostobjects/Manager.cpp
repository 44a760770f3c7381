#include <strings.h>

#include "HostObjects.h"
#include "Kvtr42C/Exception.h"
#include "platform/SysUtils.h"

namespace znp::host {

namespace {

int IntegerSetting(const DataFile& data, const char* key, int fallback) {
    std::string text = data.Value("Manager", key);
    if (text.empty()) return fallback;
    return Variant(text).AsInteger();
}

// The first element of an array argument, or the argument itself.
Variant FirstOf(const Variant& arg) {
    if (!arg.IsArray()) return arg;
    if (arg.DimCount() != 1 || arg.HighBound() < arg.LowBound()) return Variant();
    return arg[arg.LowBound()];
}

}  // namespace

Manager::Manager(std::shared_ptr<HostData> data) : data_(std::move(data)) {
    // "VersionType" set to "fail" in the data makes the call raise, as a broken host does.
    Method("VersionType", 0, [this](std::vector<Variant>&) -> Variant {
        if (strcasecmp(data_->Data().Value("Manager", "VersionType").c_str(), "fail") == 0)
            throw EOleError("The manager cannot tell its version");
        return IntegerSetting(data_->Data(), "VersionType", 1);
    });
    Property("ProductID", [this] { return Variant(IntegerSetting(data_->Data(), "ProductID", 1)); });
    Method("GetMessage", 2, [this](std::vector<Variant>& args) -> Variant {
        return data_->Message(DbText(args[0]), DbText(args[1]));
    });
    Method("CallHelp", 1, [this](std::vector<Variant>& args) -> Variant {
        const Variant& request = args[0];
        if (request.IsArray() && request.DimCount() == 1 && request.HighBound() - request.LowBound() >= 1)
            lastHelp_ = DbText(request[request.LowBound()]) + "|" + DbText(request[request.LowBound() + 1]);
        else
            lastHelp_ = DbText(FirstOf(request));
        return Variant();
    });
    Method("GetFileList", 1, [this](std::vector<Variant>& args) { return FileList(args[0]); });
    Method("Com_Counter", 0, [this](std::vector<Variant>&) { return Variant(AutomationRef(std::make_shared<Counter>(data_))); });
    Method("Com_Validator", 0, [this](std::vector<Variant>&) { return Variant(AutomationRef(std::make_shared<Validator>(data_))); });
    Method("Com_F2Window", 0, [this](std::vector<Variant>&) { return Variant(AutomationRef(std::make_shared<F2Window>(data_))); });
    Property("DataPath", [this] { return Variant(data_->Folder()); },
             [this](const Variant& v) { data_->SetFolder(VarToStr(v)); });
    Property("LastHelp", [this] { return Variant(lastHelp_); });
}

// The update description of a file: "<Modify>stamp</Modify><Path>source</Path>" from the entry
// "name=stamp|source" of the section "Files"; "" for a file the host does not distribute.
Variant Manager::FileList(const Variant& name) {
    std::string wanted = LowerCase(DbText(FirstOf(name)));
    for (const auto& [file, value] : data_->Data().Section("Files")) {
        if (LowerCase(file) != wanted) continue;
        std::vector<std::string> fields = SplitRow(value);
        std::string stamp = fields[0];
        std::string source = fields.size() > 1 ? fields[1] : "";
        return "<Modify>" + stamp + "</Modify><Path>" + source + "</Path>";
    }
    return std::string();
}

}  // namespace znp::host
