#include <curl/curl.h>

#include "ClientObjects.h"
#include "platform/SysUtils.h"

namespace znp::clientobjects {

namespace {

// The answer is kept up to a bound, so a huge page cannot exhaust memory.
constexpr size_t kMaxAnswer = 4 * 1024 * 1024;

size_t Collect(char* data, size_t size, size_t count, void* target) {
    auto* text = static_cast<std::string*>(target);
    const size_t bytes = size * count;
    if (text->size() + bytes > kMaxAnswer) return 0;  // makes curl stop with an error
    text->append(data, bytes);
    return bytes;
}

struct CurlGlobal {
    CurlGlobal() { curl_global_init(CURL_GLOBAL_DEFAULT); }
};

}  // namespace

HttpRequest::HttpRequest() {
    static CurlGlobal global;
    Method("open", 2, 5, [this](std::vector<Variant>& args) -> Variant {
        method_ = UpperCase(VarToStr(args[0]));
        url_ = VarToStr(args[1]);
        if (method_ != "GET" && method_ != "POST" && method_ != "HEAD") throw EOleError("open: unsupported method " + method_);
        readyState_ = 1;
        status_ = 0;
        statusText_.clear();
        responseText_.clear();
        return Variant();
    });
    Method("send", 0, 1, [this](std::vector<Variant>& args) -> Variant {
        Send(args.empty() ? std::string() : VarToStr(args[0]));
        return Variant();
    });
    Property("status", [this] { return Variant(static_cast<int>(status_)); });
    Property("statusText", [this] { return Variant(statusText_); });
    Property("responseText", [this] { return Variant(responseText_); });
    Property("readyState", [this] { return Variant(readyState_); });
    Property("Timeout", [this] { return Variant(timeoutSeconds_); },
             [this](const Variant& v) { timeoutSeconds_ = v.AsInteger() > 0 ? v.AsInteger() : 1; });
}

void HttpRequest::Send(const std::string& body) {
    if (readyState_ != 1) throw EOleError("send: the request is not open");
    CURL* curl = curl_easy_init();
    if (!curl) throw EOleError("send: no HTTP client");
    std::string answer;
    char error[CURL_ERROR_SIZE] = {};
    curl_easy_setopt(curl, CURLOPT_URL, url_.c_str());
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, error);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(curl, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_MAXREDIRS, 5L);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, static_cast<long>(timeoutSeconds_ < 5 ? timeoutSeconds_ : 5));
    curl_easy_setopt(curl, CURLOPT_TIMEOUT, static_cast<long>(timeoutSeconds_));
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, Collect);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &answer);
    if (method_ == "HEAD") curl_easy_setopt(curl, CURLOPT_NOBODY, 1L);
    if (method_ == "POST") {
        curl_easy_setopt(curl, CURLOPT_POSTFIELDS, body.data());
        curl_easy_setopt(curl, CURLOPT_POSTFIELDSIZE, static_cast<long>(body.size()));
    }
    const CURLcode code = curl_easy_perform(curl);
    long status = 0;
    curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status);
    curl_easy_cleanup(curl);
    readyState_ = 4;
    if (code != CURLE_OK) {
        throw EOleError(std::string("send: ") + (error[0] ? error : curl_easy_strerror(code)) + " (" + url_ + ")");
    }
    status_ = status;
    statusText_ = std::to_string(status);
    responseText_ = answer;
}

}  // namespace znp::clientobjects
