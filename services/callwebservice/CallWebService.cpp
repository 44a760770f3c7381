// The web-service library "CallWebService".
//
//   int CallWebServiceFx(const char* address, const char* method, const char* request,
//                        const char* resultFile);
//
// Posts Request (an XML text) to Address over HTTP or HTTPS, naming Method in the "SOAPAction"
// header and in the query key "method", and writes the answer's body into ResultFile. Answers 0
// when an answer with a 2xx status arrived. Otherwise it answers 1, writes whatever body arrived
// into ResultFile and the reason into ResultFile + ".error". The wait is bounded: 5 s to connect,
// 30 s in all; an answer larger than 8 MB is cut off as a failure. Redirects are not followed.
#include <curl/curl.h>

#include <cstdio>
#include <string>

namespace {

constexpr size_t kMaxAnswer = 8 * 1024 * 1024;

size_t Collect(char* data, size_t size, size_t count, void* target) {
    auto* text = static_cast<std::string*>(target);
    const size_t bytes = size * count;
    if (text->size() + bytes > kMaxAnswer) return 0;
    text->append(data, bytes);
    return bytes;
}

bool WriteFile(const std::string& path, const std::string& text) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    const bool ok = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    return std::fclose(file) == 0 && ok;
}

int Fail(const std::string& resultFile, const std::string& answer, const std::string& reason) {
    WriteFile(resultFile, answer);
    WriteFile(resultFile + ".error", reason);
    return 1;
}

}  // namespace

extern "C" __attribute__((visibility("default"))) int CallWebServiceFx(const char* address, const char* method,
                                                                       const char* request, const char* resultFile) {
    if (!resultFile || !*resultFile) return 2;
    if (!address || !*address) return Fail(resultFile, "", "no web service address");
    static const bool initialised = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    if (!initialised) return Fail(resultFile, "", "the HTTP client cannot start");
    CURL* curl = curl_easy_init();
    if (!curl) return Fail(resultFile, "", "the HTTP client cannot start");
    std::string url = address;
    const std::string methodName = method ? method : "";
    char* escaped = curl_easy_escape(curl, methodName.c_str(), static_cast<int>(methodName.size()));
    url += (url.find('?') == std::string::npos ? "?" : "&") + std::string("method=") + (escaped ? escaped : "");
    curl_free(escaped);
    const std::string body = request ? request : "";
    curl_slist* headers = nullptr;
    headers = curl_slist_append(headers, "Content-Type: text/xml; charset=UTF-8");
    // A header value ends at a line break: the method name cannot add headers of its own.
    std::string action = "SOAPAction: \"";
    for (char c : methodName)
        if (c != '\r' && c != '\n' && c != '"') action += c;
    action += "\"";
    headers = curl_slist_append(headers, action.c_str());
    std::string answer;
    char error[CURL_ERROR_SIZE] = {};
    curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, error);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, 5L);
    curl_easy_setopt(curl, CURLOPT_TIMEOUT, 30L);
    curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers);
    curl_easy_setopt(curl, CURLOPT_POSTFIELDS, body.data());
    curl_easy_setopt(curl, CURLOPT_POSTFIELDSIZE, static_cast<long>(body.size()));
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, Collect);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &answer);
    const CURLcode code = curl_easy_perform(curl);
    long status = 0;
    curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status);
    curl_slist_free_all(headers);
    curl_easy_cleanup(curl);
    if (code != CURLE_OK) return Fail(resultFile, answer, error[0] ? error : curl_easy_strerror(code));
    if (status < 200 || status > 299) return Fail(resultFile, answer, "HTTP status " + std::to_string(status));
    return WriteFile(resultFile, answer) ? 0 : Fail(resultFile, "", "the answer cannot be written");
}
