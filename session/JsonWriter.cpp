#include "session/JsonWriter.h"

#include "session/Base64.h"

#include <QIODevice>

#include <charconv>
#include <cmath>

namespace ga::session {

namespace {

constexpr std::size_t kFlushBytes = std::size_t{1} << 20U;
constexpr std::size_t kIndent = 2;

} // namespace

JsonWriter::JsonWriter(QIODevice& device) : device_(device) {
    buffer_.reserve(kFlushBytes + (std::size_t{64} << 10U));
}

void JsonWriter::raw(std::string_view text) {
    buffer_.append(text);
}

void JsonWriter::flushIfFull() {
    if (buffer_.size() < kFlushBytes) {
        return;
    }
    if (error_.isEmpty()) {
        const auto size = static_cast<qint64>(buffer_.size());
        if (device_.write(buffer_.data(), size) != size) {
            error_ = device_.errorString();
        }
    }
    buffer_.clear();
}

void JsonWriter::newLine() {
    buffer_.push_back('\n');
    buffer_.append(levels_.size() * kIndent, ' ');
}

void JsonWriter::beforeValue() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (levels_.empty()) {
        return;
    }
    Level& level = levels_.back();
    if (!level.empty) {
        buffer_.push_back(',');
        if (!level.onePerLine) {
            buffer_.push_back(' ');
        }
    }
    level.empty = false;
    if (level.onePerLine) {
        newLine();
    }
}

void JsonWriter::beginObject(bool oneLine) {
    beforeValue();
    buffer_.push_back('{');
    levels_.push_back({true, !oneLine, true});
}

void JsonWriter::endObject() {
    const Level level = levels_.back();
    levels_.pop_back();
    if (level.onePerLine && !level.empty) {
        newLine();
    }
    buffer_.push_back('}');
    if (levels_.empty()) {
        buffer_.push_back('\n');
    }
    flushIfFull();
}

void JsonWriter::beginArray(bool onePerLine) {
    beforeValue();
    buffer_.push_back('[');
    levels_.push_back({false, onePerLine, true});
}

void JsonWriter::endArray() {
    const Level level = levels_.back();
    levels_.pop_back();
    if (level.onePerLine && !level.empty) {
        newLine();
    }
    buffer_.push_back(']');
    flushIfFull();
}

void JsonWriter::key(std::string_view name) {
    beforeValue();
    quoted(name);
    buffer_.append(": ");
    afterKey_ = true;
}

void JsonWriter::string(std::string_view text) {
    beforeValue();
    quoted(text);
}

void JsonWriter::quoted(std::string_view text) {
    buffer_.push_back('"');
    std::size_t plain = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c >= 0x20U && c != '"' && c != '\\') {
            continue;
        }
        buffer_.append(text.substr(plain, i - plain));
        plain = i + 1;
        switch (c) {
        case '"':
            raw("\\\"");
            break;
        case '\\':
            raw("\\\\");
            break;
        case '\n':
            raw("\\n");
            break;
        case '\r':
            raw("\\r");
            break;
        case '\t':
            raw("\\t");
            break;
        default: {
            constexpr char hex[] = "0123456789abcdef";
            const char escaped[] = {'\\', 'u', '0', '0', hex[c >> 4U], hex[c & 15U]};
            raw({escaped, sizeof escaped});
        }
        }
    }
    buffer_.append(text.substr(plain));
    buffer_.push_back('"');
    flushIfFull();
}

void JsonWriter::number(double x) {
    if (std::isnan(x)) {
        string("NaN");
        return;
    }
    if (std::isinf(x)) {
        string(x > 0 ? "Infinity" : "-Infinity");
        return;
    }
    if (x == 0 && std::signbit(x)) {
        string("-0");
        return;
    }
    beforeValue();
    char text[32];
    // Whole numbers as people write them (100000, not the shorter 1e+05).
    constexpr double kExactWhole = 1e15;
    const auto result =
        std::fabs(x) < kExactWhole && x == std::floor(x)
            ? std::to_chars(std::begin(text), std::end(text), static_cast<std::int64_t>(x))
            : std::to_chars(std::begin(text), std::end(text), x);
    buffer_.append(text, result.ptr);
}

void JsonWriter::whole(std::uint64_t n) {
    beforeValue();
    char text[24];
    const auto result = std::to_chars(std::begin(text), std::end(text), n);
    buffer_.append(text, result.ptr);
}

void JsonWriter::boolean(bool b) {
    beforeValue();
    raw(b ? "true" : "false");
}

void JsonWriter::null() {
    beforeValue();
    raw("null");
}

void JsonWriter::base64(std::span<const unsigned char> bytes) {
    beforeValue();
    buffer_.push_back('"');
    appendBase64(buffer_, bytes);
    buffer_.push_back('"');
    flushIfFull();
}

QString JsonWriter::finish() {
    if (error_.isEmpty() && !buffer_.empty()) {
        const auto size = static_cast<qint64>(buffer_.size());
        if (device_.write(buffer_.data(), size) != size) {
            error_ = device_.errorString();
        }
    }
    buffer_.clear();
    return error_;
}

} // namespace ga::session
