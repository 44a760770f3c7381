// The server module of the repair-call list report (KVTR42S), as far as this installation needs
// it: it checks the job it is handed and writes the report as a text file under the
// installation's "Reports" folder (ZNP_INSTALL, else the temporary folder): the job, the layout
// code and one line per condition value. Its status text names the file.
#include <stdlib.h>

#include <filesystem>
#include <fstream>

#include "Kvtr42C/SvrController.h"
#include "platform/Clock.h"

namespace {

std::string Describe(const znp::Variant& value) {
    if (value.IsArray()) {
        std::string text = "[";
        for (int i = value.LowBound(); i <= value.HighBound(); ++i)
            text += (i > value.LowBound() ? ", " : "") + Describe(value[i]);
        return text + "]";
    }
    std::string text = znp::VarToStr(value);
    for (char& c : text)
        if (c == '\x04') c = 'R';
        else if (c == '\x05') c = 'L';
    return text;
}

std::string ReportFolder() {
    const char* install = getenv("ZNP_INSTALL");
    std::string folder = install && *install ? std::string(install) : std::filesystem::temp_directory_path().string();
    return folder + "/Reports/";
}

class Kvtr42Controller : public znp::TSvrController {
public:
    void Run(const znp::Variant& params) override {
        if (!params.IsArray() || params.DimCount() != 1 || params.HighBound() - params.LowBound() != 11)
            throw znp::Exception("KVTR42S: the job needs the twelve-element parameter array");
        const int low = params.LowBound();
        const znp::Variant& values = params[low + 5];
        if (!values.IsArray() || values.DimCount() != 1)
            throw znp::Exception("KVTR42S: the job carries no condition values");
        std::string number = znp::VarToStr(params[low + 8]);
        if (number.empty() || number == "0001") number = "direct" + std::to_string(static_cast<long long>(znp::Now() * 86400));
        const std::string folder = ReportFolder();
        std::filesystem::create_directories(folder);
        const std::string path = folder + "KVTR42-" + number + "-" + znp::VarToStr(params[low + 1]) + ".txt";
        std::ofstream out(path);
        out << "KVTR42 job " << znp::VarToStr(params[low]) << " report " << znp::VarToStr(params[low + 8]) << " layout "
            << znp::VarToStr(params[low + 1]) << " company " << znp::VarToStr(params[low + 2]) << " user "
            << znp::VarToStr(params[low + 3]) << "\n";
        for (int i = values.LowBound(); i <= values.HighBound(); ++i) out << i << ": " << Describe(values[i]) << "\n";
        if (!out) throw znp::Exception("KVTR42S: cannot write " + path);
        status_ = znp::Variant(std::string("报表已产生: ") + path).AsWide();
    }

    std::u16string MessageText() override { return status_; }

    void Free() override { delete this; }

private:
    ~Kvtr42Controller() override = default;
    std::u16string status_;
};

}  // namespace

extern "C" __attribute__((visibility("default"))) znp::TSvrController* GetSvrController() {
    return new Kvtr42Controller;
}
