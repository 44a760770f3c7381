// The client machine's automation objects behind report design and the web report.
//
//   QueueManagerC.Class1          OpenReport([[JobNo, ReportNo, UserId, Product], UserId, Design])
//                                 -> 0 when the request names a job, 1 otherwise; the request is
//                                 printed ("[queue manager] ...") and kept in LastRequest.
//   InternetExplorer.Application  window properties (Visible, left, top, height, width, menubar,
//                                 addressbar, toolbar) and Navigate(Url): the address is printed
//                                 ("[browser] ...") and kept in LocationURL; on a desktop (DISPLAY
//                                 or WAYLAND_DISPLAY set and xdg-open on the PATH) the desktop's
//                                 opener is started for it, without waiting.
//   ZnpXml.XMLHTTP                open(Method, Url, Async), send([Body]) over HTTP with libcurl;
//                                 status, statusText, responseText, readyState. A request that gets
//                                 no answer raises; the status of an answer is the caller's
//                                 business. The wait is bounded (Timeout property, seconds).
#pragma once

#include <string>

#include "platform/DispatchObject.h"

namespace znp::clientobjects {

inline constexpr const char* kQueueManagerClass = "QueueManagerC.Class1";
inline constexpr const char* kBrowserClass = "InternetExplorer.Application";
inline constexpr const char* kHttpRequestClass = "ZnpXml.XMLHTTP";

class QueueManager : public DispatchObject {
public:
    QueueManager();

private:
    std::string lastRequest_;
};

class Browser : public DispatchObject {
public:
    Browser();

private:
    bool visible_ = false;
    int left_ = 0, top_ = 0, height_ = 0, width_ = 0, menubar_ = 1, toolbar_ = 1;
    bool addressbar_ = true;
    std::string location_;
};

class HttpRequest : public DispatchObject {
public:
    HttpRequest();

private:
    std::string method_, url_;
    int readyState_ = 0;
    long status_ = 0;
    std::string statusText_, responseText_;
    int timeoutSeconds_ = 15;

    void Send(const std::string& body);
};

}  // namespace znp::clientobjects
