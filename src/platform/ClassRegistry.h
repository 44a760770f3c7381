// Automation objects created by class name, and the helpers that call them by name.
//
// A class name ("OstrelWorkCenter.Manager") is found, without regard to case, in two places:
//
// 1. factories registered in code (RegisterAutomationClass): the test fakes, or an application
//    that builds an object in itself. They take precedence, so a test can stand in for an
//    installed class and, on unregistering, give the installed one back;
// 2. the installation's class configuration: a text file that maps class names to the service
//    libraries that implement them. LoadAutomationConfig reads one explicitly; otherwise the first
//    lookup of an unknown class reads, once, the file named by the environment variable
//    ZNP_AUTOMATION, or else "automation.ini" in the installation folder named by ZNP_INSTALL.
//
// The configuration file: lines "ClassName=Library"; blank lines, lines beginning with ";" or "#"
// and section headers ("[Classes]") are ignored; spaces around both sides are trimmed. Library is
// a name for the dynamic-library service ("OstrelWorkCenter", "ReportCounterS.dll", "sub/X.so"):
// a relative name is looked for in the folder of the configuration file first, then on the
// library search path. A service library exports
//
//     extern "C" znp::AutomationObject* ZnpCreateObject(const char* className);
//
// which returns a new object of the class (owned by the caller, deleted through the virtual
// destructor) or nullptr when the library does not implement the class. Libraries are loaded at
// the first creation and stay loaded for the life of the process: objects they made may live on
// in variants anywhere.
#pragma once

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "Kvtr42C/Automation.h"
#include "Kvtr42C/Variant.h"

namespace znp {

// The name of the export of a service library, and its type.
inline constexpr const char* kAutomationFactoryExport = "ZnpCreateObject";
using AutomationFactoryFn = AutomationObject* (*)(const char* className);

using AutomationFactory = std::function<AutomationRef()>;

// Registers (or replaces) the factory of a class. A factory that returns nullptr or raises makes
// the creation fail with EOleError.
void RegisterAutomationClass(const std::string& className, AutomationFactory factory);
void UnregisterAutomationClass(const std::string& className);
// Whether a class can be created: registered in code or configured.
bool IsAutomationClassKnown(const std::string& className);

// Reads a class configuration file; its entries replace configured entries of the same class.
// Raises EOleError when the file cannot be read. Returns the number of classes read.
int LoadAutomationConfig(const std::string& path);
// Forgets every configured class (registered factories stay) and lets the next lookup read the
// configuration named by the environment again.
void ClearAutomationConfig();

// Creates an object of the class (CreateOleObject). Raises EOleError "Invalid class string" for a
// class that is neither registered nor configured, and EOleError with the reason when the library
// cannot be loaded or the object cannot be made.
Variant CreateOleObject(const std::string& className);

// Late-bound calls through a variant holding an object. Calling through a variant that holds no
// object (Empty, Null, anything else) raises EOleError. A failure inside the object reaches the
// caller as EOleError with the object's message, as the platform's late binding turns every
// server error into one.
//
// Args are passed by reference: what the object writes into them is there afterwards.
Variant OleCall(const Variant& obj, const std::string& name, std::vector<Variant>& args);
Variant OleCall(const Variant& obj, const std::string& name, std::initializer_list<Variant> args = {});
Variant OleGet(const Variant& obj, const std::string& name);
void OleSet(const Variant& obj, const std::string& name, const Variant& value);

}  // namespace znp
