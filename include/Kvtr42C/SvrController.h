// The contract of a program's server module: the library that runs a report job inside the
// client process.
//
// The module is a shared library named after the program code followed by "S" ("KVTR42S.DLL" by
// the system's naming, a "KVTR42S.so" file here), found in the work folders of the server
// settings. The client loads it for one run and unloads it afterwards:
//
//     auto get = reinterpret_cast<znp::GetSvrControllerFn>(GetProcAddress(lib, "GetSvrController"));
//     znp::TSvrController* controller = get();
//     try { controller->Run(params); } catch (const znp::Exception& e) { ... }
//     std::u16string status = controller->MessageText();
//     controller->Free();
//
// Params is a one-dimensional variant array indexed from 0. For every run kind except "B" it has
// twelve elements:
//
//   0 job number (empty when no job was registered)   6 mode (integer, 1)
//   1 format code                                     7 run kind, upper case ("R", "CR", ...)
//   2 company id                                      8 report number
//   3 user id                                         9 product code (integer)
//   4 database name                                  10 condition texts collected (integer 0/1)
//   5 the condition values of the request            11 user-interface code page ("936", "950", "437")
//
// For the run kind "B" it has seven:
//
//   0 job number, 1 company id, 2 user id, 3 the condition values, 4 database name,
//   5 report number, 6 product code (integer)
//
// Texts are byte texts in the user-interface code page. The module shares the process's platform
// library (variants, automation classes, dialog service) with the client.
#pragma once

#include <string>

#include "Kvtr42C/Exception.h"
#include "Kvtr42C/Variant.h"

namespace znp {

class TSvrController {
public:
    // Runs the job. A failure is reported by raising znp::Exception (or a class derived from it)
    // with the reason; the client records the reason and goes on.
    virtual void Run(const Variant& params) = 0;
    // The status text of the module, asked after every run whether it succeeded or not: what the
    // user should be told, empty when there is nothing to tell.
    virtual std::u16string MessageText() = 0;
    // Frees the controller. The module made it and frees it; the client never deletes it and
    // does not touch it afterwards. Free is called before the library is unloaded.
    virtual void Free() = 0;

protected:
    virtual ~TSvrController() = default;
};

// The module's one export: a new controller, or nullptr when the module cannot run a job.
inline constexpr const char* kGetSvrControllerExport = "GetSvrController";
using GetSvrControllerFn = TSvrController* (*)();

}  // namespace znp
