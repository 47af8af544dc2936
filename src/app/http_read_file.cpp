#include "app/http_read_file.h"

#include <curl/curl.h>

#include <algorithm>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

namespace nalvic {
namespace {

constexpr const char* userAgent = "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)";
constexpr long maxRedirects = 10;
// How long one wait for network activity may last before `cancelled` is asked again.
constexpr int pollMilliseconds = 20;

struct EasyCleanup {
    void operator()(CURL* easy) const { curl_easy_cleanup(easy); }
};
struct MultiCleanup {
    void operator()(CURLM* multi) const { curl_multi_cleanup(multi); }
};
struct UrlCleanup {
    void operator()(CURLU* url) const { curl_url_cleanup(url); }
};
struct ListCleanup {
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};
struct StringFree {
    void operator()(char* text) const { curl_free(text); }
};

bool curlReady() {
    static std::once_flag once;
    static bool ready = false;
    std::call_once(once, [] { ready = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK; });
    return ready;
}

// The URL in the form libcurl is given, without its fragment; nothing when
// the text is not an absolute URL (no scheme guessed, no character escaped).
std::optional<std::string> requestUrl(std::string_view url) {
    if (url.find('\0') != std::string_view::npos) return std::nullopt;
    const std::string withoutFragment(url.substr(0, url.find('#')));
    std::unique_ptr<CURLU, UrlCleanup> parsed(curl_url());
    if (!parsed || curl_url_set(parsed.get(), CURLUPART_URL, withoutFragment.c_str(), 0) != CURLUE_OK)
        return std::nullopt;
    char* text = nullptr;
    if (curl_url_get(parsed.get(), CURLUPART_URL, &text, 0) != CURLUE_OK) return std::nullopt;
    const std::unique_ptr<char, StringFree> owned(text);
    return std::string(text);
}

// Keeps the body up to the cap; past it, ends the transfer.
size_t keepBody(char* data, size_t, size_t count, void* target) {
    auto& body = *static_cast<Bytes*>(target);
    const size_t room = maxBodyBytes - body.size();
    body.append(data, std::min(count, room));
    return count <= room ? count : 0;
}

std::unique_ptr<curl_slist, ListCleanup> requestHeaders() {
    std::unique_ptr<curl_slist, ListCleanup> headers;
    for (const char* line : {"Accept: */*", "Cache-Control: no-cache", "Pragma: no-cache"}) {
        curl_slist* longer = curl_slist_append(headers.get(), line);
        if (!longer) return nullptr;
        headers.release();
        headers.reset(longer);
    }
    return headers;
}

bool configure(CURL* easy, const std::string& url, curl_slist* headers, Bytes& body) {
    // The proxy is left to libcurl, which takes it from the environment.
    return curl_easy_setopt(easy, CURLOPT_URL, url.c_str()) == CURLE_OK &&
           curl_easy_setopt(easy, CURLOPT_PROTOCOLS_STR, "http,https") == CURLE_OK &&
           curl_easy_setopt(easy, CURLOPT_REDIR_PROTOCOLS_STR, "http,https") == CURLE_OK &&
           curl_easy_setopt(easy, CURLOPT_FOLLOWLOCATION, 1L) == CURLE_OK &&
           curl_easy_setopt(easy, CURLOPT_MAXREDIRS, maxRedirects) == CURLE_OK &&
           curl_easy_setopt(easy, CURLOPT_HTTPGET, 1L) == CURLE_OK &&
           curl_easy_setopt(easy, CURLOPT_HTTP_VERSION, long{CURL_HTTP_VERSION_1_0}) == CURLE_OK &&
           curl_easy_setopt(easy, CURLOPT_USERAGENT, userAgent) == CURLE_OK &&
           curl_easy_setopt(easy, CURLOPT_HTTPHEADER, headers) == CURLE_OK &&
           curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L) == CURLE_OK &&
           curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, keepBody) == CURLE_OK &&
           curl_easy_setopt(easy, CURLOPT_WRITEDATA, &body) == CURLE_OK;
}

// Drives the transfer until it ends or the caller cancels. A multi handle
// with short waits, rather than curl_easy_perform, so that cancellation is
// noticed within one wait even while nothing arrives.
void perform(CURL* easy, const Cancelled& cancelled) {
    const std::unique_ptr<CURLM, MultiCleanup> multi(curl_multi_init());
    if (!multi || curl_multi_add_handle(multi.get(), easy) != CURLM_OK) return;
    int running = 1;
    while (running > 0 && !(cancelled && cancelled())) {
        if (curl_multi_perform(multi.get(), &running) != CURLM_OK) break;
        if (running > 0 &&
            curl_multi_poll(multi.get(), nullptr, 0, pollMilliseconds, nullptr) != CURLM_OK)
            break;
    }
    curl_multi_remove_handle(multi.get(), easy);
}

}  // namespace

Bytes httpReadFile(std::string_view url, const Cancelled& cancelled) {
    const std::optional<std::string> target = requestUrl(url);
    if (!target || !curlReady()) return {};
    const std::unique_ptr<CURL, EasyCleanup> easy(curl_easy_init());
    const auto headers = requestHeaders();
    Bytes body;
    if (!easy || !headers || !configure(easy.get(), *target, headers.get(), body)) return {};
    perform(easy.get(), cancelled);
    return body;
}

}  // namespace nalvic
