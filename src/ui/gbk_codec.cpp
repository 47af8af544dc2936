#include "ui/gbk_codec.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <mutex>
#include <optional>
#include <unordered_map>
#include <vector>

namespace nalvic {
namespace {

constexpr char16_t kReplacement = 0xFFFD;
constexpr char16_t kEuro = 0x20AC;

constexpr bool isPrivateUse(char32_t c) { return c >= 0xE000 && c <= 0xF8FF; }
constexpr bool isAsciiLetter(unsigned b) { return (b | 0x20) >= 'a' && (b | 0x20) <= 'z'; }
// A second byte a code given away by this program may have: never a control
// byte, DEL or an ASCII letter.
constexpr bool isFreeTrail(unsigned b) { return b >= 0x40 && b <= 0xFE && b != 0x7F && !isAsciiLetter(b); }
constexpr bool isUserDefined(unsigned lead, unsigned trail) {
    return (lead >= 0xAA && lead <= 0xAF && trail >= 0xA1) ||
           (lead >= 0xF8 && lead <= 0xFE && trail >= 0xA1) ||
           (lead >= 0xA1 && lead <= 0xA7 && trail <= 0xA0);
}
constexpr std::size_t slot(unsigned lead, unsigned trail) { return ((lead - 0x80) << 8) | trail; }
constexpr uint16_t code(unsigned lead, unsigned trail) { return static_cast<uint16_t>((lead << 8) | trail); }

// The fixed part of the mapping, built once from Qt's GBK converter.
struct Tables {
    // Two-byte code (lead 0x80..0xFF) to the character GBK gives it; 0 for
    // none and for the codes handed out at run time.
    std::vector<char16_t> decode = std::vector<char16_t>(0x8000, 0);
    // Character to its two-byte code; 0 when it has none.
    std::vector<uint16_t> encode = std::vector<uint16_t>(0x10000, 0);
    // The private-use character that Qt's converter gives a user-defined code
    // (its natural partner), and back.
    std::vector<char16_t> naturalChar = std::vector<char16_t>(0x8000, 0);
    std::vector<uint16_t> naturalCode = std::vector<uint16_t>(0x1900, 0);
    // Codes to hand out, best first: the user-defined area, then the codes
    // GBK leaves unassigned, then the leads 0x80 and 0xFF that GBK never uses.
    std::vector<uint16_t> free;

    Tables() {
        QStringDecoder decoder("GBK");
        char pair[2];
        std::vector<uint16_t> unassigned;
        for (unsigned lead = 0x81; lead <= 0xFE; ++lead) {
            for (unsigned trail = 0x40; trail <= 0xFE; ++trail) {
                if (trail == 0x7F) continue;
                pair[0] = static_cast<char>(lead);
                pair[1] = static_cast<char>(trail);
                decoder.resetState();
                const QString c = decoder.decode(QByteArrayView(pair, 2));
                const bool single = c.size() == 1 && c[0] != kReplacement && !c[0].isSurrogate();
                if (single && isPrivateUse(c[0].unicode())) {
                    naturalChar[slot(lead, trail)] = c[0].unicode();
                    naturalCode[c[0].unicode() - 0xE000] = code(lead, trail);
                } else if (single && !isUserDefined(lead, trail)) {
                    decode[slot(lead, trail)] = c[0].unicode();
                    if (!encode[c[0].unicode()]) encode[c[0].unicode()] = code(lead, trail);
                    continue;
                }
                if (!isFreeTrail(trail)) continue;
                (isUserDefined(lead, trail) ? free : unassigned).push_back(code(lead, trail));
            }
        }
        free.insert(free.end(), unassigned.begin(), unassigned.end());
        for (unsigned lead : {0x80u, 0xFFu})
            for (unsigned trail = 0x40; trail <= 0xFE; ++trail)
                if (isFreeTrail(trail)) free.push_back(code(lead, trail));
    }
};

const Tables& tables() {
    static const Tables instance;
    return instance;
}

// Codes handed out at run time; shared by every thread of the process and
// never taken back, so that a character keeps its code for the whole run.
class ExtraCodes {
public:
    std::unique_lock<std::mutex> lock() { return std::unique_lock(mutex_); }

    // Caller holds the lock.
    std::optional<uint16_t> codeFor(char32_t c) {
        if (auto it = codeOf_.find(c); it != codeOf_.end()) return it->second;
        const Tables& t = tables();
        if (isPrivateUse(c)) {
            const uint16_t natural = t.naturalCode[c - 0xE000];
            if (natural && isFreeTrail(natural & 0xFF) && !charOf_.contains(natural)) {
                bind(c, natural);
                return natural;
            }
        }
        while (next_ < t.free.size() && charOf_.contains(t.free[next_])) ++next_;
        if (next_ == t.free.size()) return std::nullopt;
        bind(c, t.free[next_]);
        return t.free[next_++];
    }

    // Caller holds the lock. The character of a two-byte code not in the
    // fixed table, if it has one.
    std::optional<char32_t> charFor(uint16_t twoBytes) {
        if (auto it = charOf_.find(twoBytes); it != charOf_.end()) return it->second;
        // A user-defined code arriving from outside: bind it to its natural
        // private-use character while that is still free.
        const char16_t natural = tables().naturalChar[slot(twoBytes >> 8, twoBytes & 0xFF)];
        if (natural && !codeOf_.contains(natural)) {
            bind(natural, twoBytes);
            return natural;
        }
        return std::nullopt;
    }

    std::size_t remaining() {
        std::lock_guard guard(mutex_);
        const auto& free = tables().free;
        std::size_t taken = 0;
        for (std::size_t i = next_; i < free.size(); ++i) taken += charOf_.contains(free[i]);
        return free.size() - next_ - taken;
    }

private:
    void bind(char32_t c, uint16_t twoBytes) {
        codeOf_.emplace(c, twoBytes);
        charOf_.emplace(twoBytes, c);
    }

    std::mutex mutex_;
    std::unordered_map<char32_t, uint16_t> codeOf_;
    std::unordered_map<uint16_t, char32_t> charOf_;
    std::size_t next_ = 0;
};

ExtraCodes& extraCodes() {
    static ExtraCodes instance;
    return instance;
}

// Takes the shared lock the first time a conversion needs it and keeps it
// for the rest of that conversion.
class LazyLock {
public:
    ExtraCodes& operator*() {
        if (!lock_.owns_lock()) lock_ = extraCodes().lock();
        return extraCodes();
    }

private:
    std::unique_lock<std::mutex> lock_;
};

constexpr bool isGb18030Digit(unsigned char b) { return b >= 0x30 && b <= 0x39; }

// A four-byte GB18030 sequence at `p` (at least four bytes available).
bool isFourByteForm(const unsigned char* p) {
    return p[0] >= 0x81 && p[0] <= 0xFE && isGb18030Digit(p[1]) && p[2] >= 0x81 && p[2] <= 0xFE &&
           isGb18030Digit(p[3]);
}

void appendFourByteForm(Text& out, char32_t c) {
    QStringEncoder encoder("GB18030");
    const QByteArray bytes = encoder.encode(QString::fromUcs4(&c, 1));
    out.append(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

char16_t* putChar(char16_t* out, char32_t c) {
    if (c < 0x10000) {
        *out++ = static_cast<char16_t>(c);
    } else {
        *out++ = QChar::highSurrogate(c);
        *out++ = QChar::lowSurrogate(c);
    }
    return out;
}

}  // namespace

QString gbkToUnicode(std::string_view bytes, LineBreaks breaks) {
    const Tables& t = tables();
    LazyLock extra;
    // No byte sequence gives more UTF-16 units than it has bytes.
    QString result(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(result.data());
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* end = p + bytes.size();
    while (p < end) {
        const unsigned b = *p;
        if (b < 0x80) {
            if (b == '\r' && breaks != LineBreaks::Keep) {
                const bool pair = p + 1 < end && p[1] == '\n';
                *out++ = (pair || breaks == LineBreaks::AllToLf) ? u'\n' : u'\r';
                p += pair ? 2 : 1;
            } else {
                *out++ = static_cast<char16_t>(b);
                ++p;
            }
            continue;
        }
        if (p + 1 < end) {
            if (const char16_t c = t.decode[slot(b, p[1])]) {
                *out++ = c;
                p += 2;
                continue;
            }
            if (auto c = (*extra).charFor(code(b, p[1]))) {
                out = putChar(out, *c);
                p += 2;
                continue;
            }
            if (p + 3 < end && isFourByteForm(p)) {
                QStringDecoder decoder("GB18030");
                const QString c = decoder.decode(QByteArrayView(p, 4));
                for (QChar unit : c) *out++ = unit.unicode();
                p += 4;
                continue;
            }
        }
        *out++ = b == 0x80 ? kEuro : kReplacement;
        ++p;
    }
    result.truncate(out - reinterpret_cast<char16_t*>(result.data()));
    return result;
}

Text unicodeToGbk(QStringView text, bool breaksToCrLf) {
    const Tables& t = tables();
    LazyLock extra;
    Text result;
    // Two bytes per UTF-16 unit at most, bar the four-byte fallback.
    result.reserve(static_cast<std::size_t>(text.size()) * 2);
    const char16_t* p = text.utf16();
    const char16_t* end = p + text.size();
    for (; p < end; ++p) {
        const char16_t u = *p;
        if (u != 0 && u < 0x80) {
            if (breaksToCrLf && u == u'\n') result += '\r';
            result += static_cast<char>(u);
            continue;
        }
        if (breaksToCrLf && u == 0x2029) {
            result += "\r\n";
            continue;
        }
        if (const uint16_t twoBytes = t.encode[u]) {
            result += static_cast<char>(twoBytes >> 8);
            result += static_cast<char>(twoBytes & 0xFF);
            continue;
        }
        char32_t c = u;
        if (QChar::isHighSurrogate(u) && p + 1 < end && QChar::isLowSurrogate(p[1]))
            c = QChar::surrogateToUcs4(u, *++p);
        if (auto twoBytes = (*extra).codeFor(c)) {
            result += static_cast<char>(*twoBytes >> 8);
            result += static_cast<char>(*twoBytes & 0xFF);
        } else {
            appendFourByteForm(result, c);
        }
    }
    return result;
}

std::size_t freeGbkCodes() { return extraCodes().remaining(); }

}  // namespace nalvic
