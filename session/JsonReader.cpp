#include "session/JsonReader.h"

#include <QIODevice>

#include <charconv>

namespace ga::session {

namespace {

constexpr std::size_t kBufferBytes = std::size_t{1} << 20U;
// No number the program writes comes near this; a longer one is a hostile file's.
constexpr std::size_t kMaxNumberBytes = 400;

bool blank(unsigned char c) {
    return c == ' ' || c == '\n' || c == '\r' || c == '\t';
}

bool digit(unsigned char c) {
    return c >= '0' && c <= '9';
}

void appendUtf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out.push_back(static_cast<char>(code));
    } else if (code < 0x800) {
        out.push_back(static_cast<char>(0xC0U | (code >> 6U)));
        out.push_back(static_cast<char>(0x80U | (code & 0x3FU)));
    } else if (code < 0x10000) {
        out.push_back(static_cast<char>(0xE0U | (code >> 12U)));
        out.push_back(static_cast<char>(0x80U | ((code >> 6U) & 0x3FU)));
        out.push_back(static_cast<char>(0x80U | (code & 0x3FU)));
    } else {
        out.push_back(static_cast<char>(0xF0U | (code >> 18U)));
        out.push_back(static_cast<char>(0x80U | ((code >> 12U) & 0x3FU)));
        out.push_back(static_cast<char>(0x80U | ((code >> 6U) & 0x3FU)));
        out.push_back(static_cast<char>(0x80U | (code & 0x3FU)));
    }
}

} // namespace

JsonReader::JsonReader(QIODevice& device, qint64 maxBytes)
    : device_(device), maxBytes_(maxBytes), buffer_(kBufferBytes) {}

QString JsonReader::errorString() const {
    return deviceError_;
}

bool JsonReader::fill() {
    if (at_ < size_) {
        return true;
    }
    if (eof_ || failure_ != Failure::None) {
        return false;
    }
    consumed_ += static_cast<qint64>(size_);
    at_ = 0;
    size_ = 0;
    const qint64 n = device_.read(buffer_.data(), static_cast<qint64>(buffer_.size()));
    if (n < 0) {
        deviceError_ = device_.errorString();
        failure_ = Failure::Device;
        return false;
    }
    if (n == 0) {
        eof_ = true;
        return false;
    }
    size_ = static_cast<std::size_t>(n);
    if (consumed_ + n > maxBytes_) {
        failure_ = Failure::TooLarge;
        return false;
    }
    return true;
}

bool JsonReader::peekByte(unsigned char& c) {
    if (!fill()) {
        return false;
    }
    c = static_cast<unsigned char>(buffer_[at_]);
    return true;
}

bool JsonReader::takeByte(unsigned char& c) {
    if (!peekByte(c)) {
        return false;
    }
    ++at_;
    return true;
}

void JsonReader::skipBlanks() {
    while (fill()) {
        while (at_ < size_ && blank(static_cast<unsigned char>(buffer_[at_]))) {
            ++at_;
        }
        if (at_ < size_) {
            return;
        }
    }
}

JsonReader::Token JsonReader::fail(Failure f) {
    if (failure_ == Failure::None) {
        failure_ = f;
    }
    return Token::Error;
}

JsonReader::Token JsonReader::next() {
    if (failure_ != Failure::None) {
        return Token::Error;
    }
    skipBlanks();
    unsigned char c = 0;
    if (done_) {
        if (peekByte(c)) {
            return fail(Failure::Syntax); // something after the document
        }
        return failure_ == Failure::None ? Token::End : Token::Error;
    }
    if (!peekByte(c)) {
        return fail(Failure::Syntax); // the document is cut short
    }
    switch (expect_) {
    case Expect::CommaOrClose:
        if (c == '}' && stack_.back() == Context::Object) {
            ++at_;
            return close(Token::EndObject);
        }
        if (c == ']' && stack_.back() == Context::Array) {
            ++at_;
            return close(Token::EndArray);
        }
        if (c != ',') {
            return fail(Failure::Syntax);
        }
        ++at_;
        skipBlanks();
        if (!peekByte(c)) {
            return fail(Failure::Syntax);
        }
        if (stack_.back() == Context::Array) {
            return value(c);
        }
        break; // a key follows
    case Expect::KeyOrClose:
        if (c == '}') {
            ++at_;
            return close(Token::EndObject);
        }
        break;
    case Expect::ValueOrClose:
        if (c == ']') {
            ++at_;
            return close(Token::EndArray);
        }
        return value(c);
    case Expect::Value:
        return value(c);
    case Expect::Key:
        break;
    }
    // A member's name, then its colon.
    if (c != '"' || !readString()) {
        return fail(Failure::Syntax);
    }
    skipBlanks();
    if (!takeByte(c) || c != ':') {
        return fail(Failure::Syntax);
    }
    expect_ = Expect::Value;
    return Token::Key;
}

JsonReader::Token JsonReader::close(Token token) {
    stack_.pop_back();
    return afterValue(token);
}

JsonReader::Token JsonReader::afterValue(Token token) {
    if (token == Token::Error) {
        return token;
    }
    if (stack_.empty()) {
        done_ = true;
    } else {
        expect_ = Expect::CommaOrClose;
    }
    return token;
}

JsonReader::Token JsonReader::value(unsigned char c) {
    switch (c) {
    case '{':
    case '[':
        if (stack_.size() >= kMaxDepth) {
            return fail(Failure::TooDeep);
        }
        ++at_;
        stack_.push_back(c == '{' ? Context::Object : Context::Array);
        expect_ = c == '{' ? Expect::KeyOrClose : Expect::ValueOrClose;
        return c == '{' ? Token::BeginObject : Token::BeginArray;
    case '"':
        return readString() ? afterValue(Token::String) : fail(Failure::Syntax);
    case 't':
        return afterValue(readWord("true", Token::True));
    case 'f':
        return afterValue(readWord("false", Token::False));
    case 'n':
        return afterValue(readWord("null", Token::Null));
    default:
        if (c == '-' || digit(c)) {
            return afterValue(readNumber());
        }
        return fail(Failure::Syntax);
    }
}

JsonReader::Token JsonReader::readWord(std::string_view word, Token token) {
    for (char expected : word) {
        unsigned char c = 0;
        if (!takeByte(c) || c != static_cast<unsigned char>(expected)) {
            return fail(Failure::Syntax);
        }
    }
    return token;
}

bool JsonReader::readString() {
    ++at_; // the opening quote
    text_.clear();
    while (fill()) {
        // The plain run up to the next quote, escape or control character, in one go.
        std::size_t end = at_;
        while (end < size_) {
            const auto c = static_cast<unsigned char>(buffer_[end]);
            if (c == '"' || c == '\\' || c < 0x20U) {
                break;
            }
            ++end;
        }
        text_.append(buffer_.data() + at_, end - at_);
        at_ = end;
        if (text_.size() > kMaxStringBytes) {
            fail(Failure::TooLong);
            return false;
        }
        if (at_ == size_) {
            continue;
        }
        const auto c = static_cast<unsigned char>(buffer_[at_]);
        ++at_;
        if (c == '"') {
            return true;
        }
        if (c < 0x20U || !readEscape()) {
            return false;
        }
    }
    return false;
}

bool JsonReader::readHex(char32_t& code) {
    code = 0;
    for (int i = 0; i < 4; ++i) {
        unsigned char c = 0;
        if (!takeByte(c)) {
            return false;
        }
        unsigned v = 0;
        if (digit(c)) {
            v = c - '0';
        } else if (c >= 'a' && c <= 'f') {
            v = c - 'a' + 10U;
        } else if (c >= 'A' && c <= 'F') {
            v = c - 'A' + 10U;
        } else {
            return false;
        }
        code = (code << 4U) | v;
    }
    return true;
}

bool JsonReader::readEscape() {
    unsigned char c = 0;
    if (!takeByte(c)) {
        return false;
    }
    switch (c) {
    case '"':
    case '\\':
    case '/':
        text_.push_back(static_cast<char>(c));
        return true;
    case 'b':
        text_.push_back('\b');
        return true;
    case 'f':
        text_.push_back('\f');
        return true;
    case 'n':
        text_.push_back('\n');
        return true;
    case 'r':
        text_.push_back('\r');
        return true;
    case 't':
        text_.push_back('\t');
        return true;
    case 'u':
        break;
    default:
        return false;
    }
    char32_t code = 0;
    if (!readHex(code) || (code >= 0xDC00 && code <= 0xDFFF)) {
        return false;
    }
    if (code >= 0xD800 && code <= 0xDBFF) {
        // A surrogate stands only in a pair.
        unsigned char backslash = 0;
        unsigned char u = 0;
        char32_t low = 0;
        if (!takeByte(backslash) || backslash != '\\' || !takeByte(u) || u != 'u' ||
            !readHex(low) || low < 0xDC00 || low > 0xDFFF) {
            return false;
        }
        code = 0x10000 + ((code - 0xD800) << 10U) + (low - 0xDC00);
    }
    appendUtf8(text_, code);
    return true;
}

JsonReader::Token JsonReader::readNumber() {
    text_.clear();
    unsigned char c = 0;
    const auto take = [&] {
        text_.push_back(static_cast<char>(c));
        ++at_;
        return text_.size() <= kMaxNumberBytes;
    };
    const auto digits = [&] {
        std::size_t n = 0;
        while (peekByte(c) && digit(c)) {
            if (!take()) {
                return std::size_t{0};
            }
            ++n;
        }
        return n;
    };
    if (peekByte(c) && c == '-' && !take()) {
        return fail(Failure::TooLong);
    }
    if (!peekByte(c) || !digit(c)) {
        return fail(Failure::Syntax);
    }
    if (c == '0') {
        take();
    } else if (digits() == 0) {
        return fail(text_.size() > kMaxNumberBytes ? Failure::TooLong : Failure::Syntax);
    }
    if (peekByte(c) && c == '.') {
        take();
        if (digits() == 0) {
            return fail(text_.size() > kMaxNumberBytes ? Failure::TooLong : Failure::Syntax);
        }
    }
    if (peekByte(c) && (c == 'e' || c == 'E')) {
        take();
        if (peekByte(c) && (c == '+' || c == '-')) {
            take();
        }
        if (digits() == 0) {
            return fail(text_.size() > kMaxNumberBytes ? Failure::TooLong : Failure::Syntax);
        }
    }
    if (failure_ != Failure::None) {
        return Token::Error;
    }
    const char* first = text_.data();
    const char* last = first + text_.size();
    const auto result = std::from_chars(first, last, number_);
    // Beyond the doubles (1e400, 1e-400) is no number a session holds.
    if (result.ec != std::errc{} || result.ptr != last) {
        return fail(Failure::Syntax);
    }
    return Token::Number;
}

void JsonReader::skipValue(Token first) {
    if (first != Token::BeginObject && first != Token::BeginArray) {
        return;
    }
    std::size_t depth = 1;
    while (depth > 0) {
        switch (next()) {
        case Token::BeginObject:
        case Token::BeginArray:
            ++depth;
            break;
        case Token::EndObject:
        case Token::EndArray:
            --depth;
            break;
        case Token::Error:
        case Token::End:
            return;
        default:
            break;
        }
    }
}

} // namespace ga::session
