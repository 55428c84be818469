#pragma once

#include <QString>

#include <string_view>

namespace ga::qt {

// The plain layers hold their texts as UTF-8; the widgets want QString.
inline QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace ga::qt
