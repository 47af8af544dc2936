#include "text/replace.h"

#include "text/char_scan.h"
#include "text/large_buffer.h"

namespace nalvic {

Text textReplace(std::string_view source, std::string_view find, std::string_view replacement,
                 int32_t caseSensitive) {
    if (source.empty() || find.empty()) return Text(source);
    MatchScanner scanner(source, find, caseSensitive == 0);
    Text out;
    reserveMore(out, source.size());
    std::size_t copied = 0;
    for (std::size_t at = scanner.next(0); at != MatchScanner::none; at = scanner.next(copied)) {
        makeRoom(out, at - copied + replacement.size());
        out.append(source.substr(copied, at - copied)).append(replacement);
        copied = at + find.size();
    }
    // Everything after the last match is kept as it stands, an incomplete
    // two-byte character at the very end included.
    makeRoom(out, source.size() - copied);
    out.append(source.substr(copied));
    return out;
}

}  // namespace nalvic
