// The program's own texts (captions, messages, control names) are UTF-8.
#pragma once

#include <QString>
#include <string_view>

namespace nalvic {

inline QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace nalvic
