// The host shell: loads the plug-in exactly as the ERP client does (dlopen, GetController),
// creates the manager object, opens the condition form with the host parameter array from the
// command line, shows what the controller reports, optionally hands it a command array, and
// closes it.
//
//   hostshell [--plugin FILE] [--show] [--execute MODE [--value NAME=VALUE]...] [--click NAME]...
//             [--job] [USER COMPANY DATABASE [WINDOW [CONTEXT]]]
//
// --execute hands the controller the command [0, [MODE, [true, [[NAME, VALUE], ...]]]]: the
// condition values by component name, then the run of the mode (0 only hands them over). A value
// "true" or "false" is handed over as a Boolean (a check box's tick, the periodic button's
// state), any other as text.
// --click presses a button of the form by its name as a user would (an enabled, visible button
// only), for instance "btnWebDesign" for the web report or "btnDesign" for report design.
// --job prints the request that the report server keeps under the job number the form reported.
#include <dlfcn.h>

#include <cstdlib>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ConsoleDialogs.h"
#include "Kvtr42C/DLLBaseCtrller.h"
#include "platform/Application.h"
#include "platform/ClassRegistry.h"
#include "platform/Controls.h"
#include "platform/ShellVerbs.h"

namespace {

using znp::Variant;

std::string Show(const Variant& v) {
    if (v.IsEmpty()) return "(unassigned)";
    if (v.IsNull()) return "(null)";
    if (v.IsArray()) {
        std::string s = "[";
        for (int i = v.LowBound(); i <= v.HighBound(); ++i) s += (i > v.LowBound() ? ", " : "") + Show(v[i]);
        return s + "]";
    }
    if (v.IsObject()) return "(object)";
    return "\"" + ToTerminal(v.AsString()) + "\"";
}

const char* NotificationName(int code) {
    switch (code) {
        case znp::ncFormCreated: return "form created";
        case znp::ncFormShown: return "form shown";
        case znp::ncFormHidden: return "form hidden";
        case znp::ncFormDestroyed: return "form destroyed";
        default: return "extra";
    }
}

int Usage() {
    std::cerr << "usage: hostshell [--plugin FILE] [--show] [--execute MODE [--value NAME=VALUE]...] [--click NAME]... "
                 "[--job] [USER COMPANY DATABASE [WINDOW [CONTEXT]]]\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    std::string plugin = "Kvtr42C.so";
    bool show = false;
    std::optional<int> executeMode;
    std::vector<std::string> clicks;
    bool printJob = false;
    std::vector<std::string> hostArgs;
    std::vector<Variant> values;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--plugin" && i + 1 < argc) plugin = argv[++i];
        else if (arg == "--show") show = true;
        else if (arg == "--job") printJob = true;
        else if (arg == "--execute" && i + 1 < argc) executeMode = std::atoi(argv[++i]);
        else if (arg == "--click" && i + 1 < argc) clicks.push_back(argv[++i]);
        else if (arg == "--value" && i + 1 < argc) {
            std::string pair = argv[++i];
            auto eq = pair.find('=');
            if (eq == std::string::npos) return Usage();
            const std::string value = pair.substr(eq + 1);
            const Variant passed = value == "true" ? Variant(true) : value == "false" ? Variant(false) : Variant(FromTerminal(value));
            values.push_back(Variant::ArrayOf({Variant(pair.substr(0, eq)), passed}));
        }
        else if (arg.rfind("--", 0) == 0) return Usage();
        else hostArgs.push_back(arg);
    }
    if (hostArgs.empty()) hostArgs = {"U01", "C01", "DEMO", "0", "host"};

    znp::Application().SetDialogs(std::make_shared<ConsoleDialogs>());
    // A terminal has no desktop: the shell's verbs are shown, not carried out.
    znp::SetShellVerbHandler([](const std::string& verb, const std::string& path) {
        std::cout << "[shell] " << verb << " " << path << std::endl;
        return true;
    });

    void* library = dlopen(plugin.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        std::cerr << "cannot load " << plugin << ": " << dlerror() << "\n";
        return 1;
    }
    auto getController = reinterpret_cast<GetControllerFn>(dlsym(library, "GetController"));
    if (!getController) {
        std::cerr << plugin << " exports no GetController\n";
        return 1;
    }

    int exitCode = 0;
    try {
        std::unique_ptr<znp::TDLLBaseController> controller(getController());
        controller->OnNotify = [](std::int32_t code, znp::TDLLBaseController*) {
            std::cout << "notification " << code << " (" << NotificationName(code) << ")" << std::endl;
        };
        try {
            controller->Manager = znp::CreateOleObject("OstrelWorkCenter.Manager");
        } catch (const std::exception& e) {
            std::cout << "no manager object: " << e.what() << std::endl;
        }

        std::vector<Variant> params;
        for (size_t i = 0; i < hostArgs.size(); ++i)
            params.push_back(i == 3 ? Variant(std::atoi(hostArgs[i].c_str())) : Variant(hostArgs[i]));
        const int opened = controller->Open(Variant::ArrayOf(params));
        std::cout << "Open -> " << opened << std::endl;
        znp::Application().ProcessMessages();

        Variant info;
        const int got = controller->GetInfo(info);
        std::cout << "GetInfo -> " << got << " " << Show(info) << std::endl;
        std::cout << "GetVersion -> " << Show(Variant(controller->GetVersion())) << std::endl;

        if (show && !controller->IsFormFreed()) {
            controller->SetVisible(-1);
            std::cout << "GetVisible -> " << controller->GetVisible() << std::endl;
        }
        if (executeMode && !controller->IsFormFreed()) {
            Variant command = Variant::ArrayOf({Variant(0), Variant::ArrayOf({Variant(*executeMode),
                                                               Variant::ArrayOf({Variant(true), Variant::ArrayOf(values)})})});
            std::cout << "Execute(" << *executeMode << ") -> " << controller->Execute(command) << std::endl;
            znp::Application().ProcessMessages();
        }
        for (const std::string& name : clicks) {
            if (controller->IsFormFreed()) break;
            auto* form = znp::Application().FindControl(static_cast<znp::HWND>(controller->GetHandle()));
            auto* button = form ? dynamic_cast<znp::TControl*>(form->FindComponent(name)) : nullptr;
            if (!button || !button->Enabled() || !button->Visible()) {
                std::cout << "Click(" << name << ") -> not offered" << std::endl;
                continue;
            }
            std::cout << "Click(" << name << ")" << std::endl;
            button->Click();
            znp::Application().ProcessMessages();
        }
        controller->CloseForm();
        znp::Application().ProcessMessages();
        std::cout << "IsFormFreed -> " << (controller->IsFormFreed() ? "true" : "false") << std::endl;
        std::cout << "ResultCode -> " << controller->ResultCode << ", ResultValue -> " << Show(controller->ResultValue)
                  << std::endl;
        if (printJob && controller->ResultValue.IsText()) {
            try {
                const Variant server = znp::CreateOleObject("ReportCounterS.dmReportCounter");
                std::cout << "Job -> " << Show(znp::OleCall(server, "GetJob", {controller->ResultValue})) << std::endl;
            } catch (const std::exception& e) {
                std::cout << "no job: " << ToTerminal(e.what()) << std::endl;
            }
        }
        exitCode = opened == 0 ? 0 : 3;
    } catch (const std::exception& e) {
        std::cerr << "the plug-in raised: " << ToTerminal(e.what()) << "\n";
        exitCode = 1;
    }
    // The plug-in stays loaded until the process ends: objects it made may still be referenced.
    return exitCode;
}
