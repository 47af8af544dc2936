// One blocking HTTP GET that returns the body of whatever response arrives.
#pragma once

#include <cstddef>
#include <functional>
#include <string_view>

#include "text/text.h"

namespace nalvic {

// The most body bytes a read keeps; the rest of a larger body is not read.
inline constexpr std::size_t maxBodyBytes = std::size_t{1} << 20;

// Asks whether the caller has given up on the read; polled while it waits.
using Cancelled = std::function<bool()>;

// GETs `url` (http or https, user name and password honoured, the part from
// "#" on not sent) with HTTP/1.0, bypassing every cache and using the proxy
// the environment names. Redirects are followed, up to a limit and to http
// and https only. The status code is not looked at: an error page's body is
// the result. Gives the body up to maxBodyBytes; the bytes received so far
// when the read fails part-way or is cancelled; empty Bytes when `url` is not
// a URL or when no connection or no response comes about. `cancelled` is
// asked many times a second, so a stalled read ends promptly once it says
// true.
Bytes httpReadFile(std::string_view url, const Cancelled& cancelled = {});

}  // namespace nalvic
