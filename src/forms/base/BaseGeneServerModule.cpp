// Running a report job in this process through the program's server module: find the module in
// the work folders, bring it up to date, load it, hand its controller the job, record its status
// text and unload it.
#include <cctype>
#include <exception>

#include "Kvtr42C/SvrController.h"
#include "forms/base/BaseGene.h"
#include "platform/Application.h"
#include "platform/ClassRegistry.h"
#include "platform/DynamicLibrary.h"
#include "runtime/LibStrs.h"
#include "runtime/TrovaneINI.h"
#include "runtime/ZARiviZuzuNewFileU.h"
#include "platform/SysUtils.h"

namespace znp {

namespace {

// Lets the window stay responsive around the job (not during it).
void ProcessPendingMessages() { Application().ProcessMessages(); }

// The reason of a failure raised by the module or on its way: the text of a standard exception,
// otherwise a fixed text, since a class of the module's own cannot be read here.
std::string ModuleFailureText(std::exception_ptr failure) {
    try {
        std::rethrow_exception(failure);
    } catch (const std::exception& e) {
        return e.what();
    } catch (...) {
        return "The server module raised an exception of an unknown kind";
    }
}

}  // namespace

bool TfrmBaseGene::FindServerModule(const std::vector<std::string>& folders, std::string& path) {
    path.clear();
    if (folders.empty()) return false;
    const std::string fileName = ProgramId + "S.DLL";
    // The update step for one candidate: the manager describes the current server copy of the
    // file, the step compares and fetches. Without a description the step decides on its own.
    auto updated = [&](const std::string& candidate) {
        std::string description;
        try {
            description = VarToStr(OleCall(Manager, "GetFileList", {Variant::ArrayOf({Variant(LowerCase(fileName))})}));
        } catch (const Exception&) {
            description.clear();
        }
        std::string error;
        return UpdateModuleFile(description, candidate, true, error);
    };
    const std::string* packageFolder = nullptr;
    for (const std::string& folder : folders) {
        if (!packageFolder && UpperCase(folder).find("S_PKG") != std::string::npos) packageFolder = &folder;
        const std::string candidate = folder + fileName;
        if (!ResolveLibraryPath(candidate).empty() && updated(candidate)) {
            path = candidate;
            return true;
        }
    }
    // No usable copy here: fetch one into the server-module package folder (or the first folder).
    const std::string candidate = (packageFolder ? *packageFolder : folders.front()) + fileName;
    if (!updated(candidate)) return false;
    path = candidate;
    return true;
}

bool TfrmBaseGene::RunServerModule(const std::string& jobNumber, const std::string& programId,
                                   const std::string& reportNumber, int mode, const Variant& values,
                                   const std::string& dbName, const std::string& kind, const std::string& serverClass,
                                   const std::string& userId, const std::string& companyId,
                                   const std::string& formatCode) {
    // The module is the program's own (ProgramId); the server class is not the module's business.
    (void)programId;
    (void)serverClass;
    ProcessPendingMessages();
    bool result = false;
    ServerModuleRaised = false;
    try {
        TTrovaneIniS reader;
        std::vector<std::string> folders;
        reader.GetWorkFolders(folders);
        std::string path;
        DynamicLibrary library;
        GetSvrControllerFn getController = nullptr;
        if (FindServerModule(folders, path)) {
            library = DynamicLibrary(path);
            getController = library.Function<GetSvrControllerFn>(kGetSvrControllerExport);
        }
        TSvrController* controller = nullptr;
        if (getController) {
            try {
                controller = getController();
            } catch (...) {
                RecordError(ModuleFailureText(std::current_exception()));
            }
        }
        if (controller) {
            const std::string upperKind = UpperCase(kind);
            const Variant params =
                upperKind != "B"
                    ? Variant::ArrayOf({Variant(jobNumber), Variant(formatCode), Variant(companyId), Variant(userId),
                                        Variant(dbName), values, Variant(mode), Variant(upperKind),
                                        Variant(reportNumber), Variant(ProductCode), Variant(TextsCollected ? 1 : 0),
                                        Variant(UICodePage())})
                    : Variant::ArrayOf({Variant(jobNumber), Variant(companyId), Variant(userId), values,
                                        Variant(dbName), Variant(reportNumber), Variant(ProductCode)});
            // Whatever the module raises is caught here, while it is still loaded: the exception
            // object (and its destructor) may live in the module, so it must be gone before the
            // library is unloaded below.
            bool raised = false;
            try {
                controller->Run(params);
                result = true;
            } catch (...) {
                raised = true;
                ServerModuleRaised = true;
                RecordError(ModuleFailureText(std::current_exception()));
            }
            try {
                const std::string status = VarToStr(Variant(controller->MessageText()));
                // An empty status clears the log, but not the reason of a run that failed.
                if (!(raised && status.empty())) RecordError(status);
            } catch (...) {
                RecordError(ModuleFailureText(std::current_exception()));
            }
            try {
                controller->Free();
            } catch (...) {
                RecordError(ModuleFailureText(std::current_exception()));
            }
        }
        // The library is unloaded here, after its controller is gone. (No system this runs on
        // needs a module kept loaded after its run.)
    } catch (...) {
        result = false;
        RecordError(ModuleFailureText(std::current_exception()));
    }
    ProcessPendingMessages();
    return result;
}

}  // namespace znp
