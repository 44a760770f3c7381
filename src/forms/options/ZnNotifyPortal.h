// The portal web service behind the portal users of the recipient dialog: the call through the
// web-service library "CallWebService" and the portal's user list.
#pragma once

#include <functional>
#include <string>

#include "Kvtr42C/Exception.h"

namespace znp::notify {

// A call of the web-service library that failed; Answer holds whatever answer arrived.
class EWebServiceError : public Exception {
public:
    EWebServiceError(const std::string& message, std::string answer) : Exception(message), Answer(std::move(answer)) {}
    std::string Answer;
};

// The name of the answer file of a call at Moment: "~Velmo_" YYYYMMDDHHNNSSZZZ ".tmp".
std::string AnswerFileName(double moment);

// Whether the process's last command-line argument is "T" (any case): the trace pause is wanted.
bool TracePauseWanted();

// Calls Method of the web service at Address with Request through the library "CallWebService"
// and answers its answer text (lines joined by CR LF). Empty, without a message, when the library
// or its export is missing. Raises EWebServiceError when the library reports a failure. With the
// trace pause wanted, Pause is called with its message before the library is called.
std::string InvokeWebService(const std::string& address, const std::string& method, const std::string& request,
                             const std::function<void(const std::string&)>& pause);

// Asks the portal at Address for its users ("PORTAL.getAllUser") and answers the answer text;
// empty when there is no address, the call failed or the portal reported a failure, after
// ShowError was called with the box text.
std::string CallPortal(const std::string& address, const std::string& userId, const std::string& companyId,
                       const std::string& uiCodePage, const std::function<void(const std::string&)>& showError,
                       const std::function<void(const std::string&)>& pause);

}  // namespace znp::notify
