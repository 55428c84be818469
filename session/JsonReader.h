#pragma once

#include <QString>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class QIODevice;

namespace ga::session {

// Reads one JSON document (RFC 8259) from a device a token at a time, through a buffer of
// about a megabyte, so a long run's session is never in memory as text. It checks the
// grammar as it goes (and that nothing but blanks follows the document); what the tokens
// mean is its caller's business.
class JsonReader {
  public:
    enum class Token : std::uint8_t {
        BeginObject,
        EndObject,
        BeginArray,
        EndArray,
        Key, // a member's name: text()
        String,
        Number, // number(), and text() as written
        True,
        False,
        Null,
        End, // the document is over
        Error,
    };

    // Why reading stopped.
    enum class Failure : std::uint8_t {
        None,
        Syntax,   // not JSON, or cut short; offset() says where
        TooLong,  // a string or number longer than the reader takes
        TooDeep,  // nested deeper than the reader takes
        Device,   // the device refused to read (errorString() says why)
        TooLarge, // more bytes than the reader takes
    };

    static constexpr std::size_t kMaxStringBytes = std::size_t{4} << 20U;
    static constexpr std::size_t kMaxDepth = 64;

    // Reads at most `maxBytes` from the device's current position.
    JsonReader(QIODevice& device, qint64 maxBytes);

    // The next token; Error for good once anything is wrong (see failure()).
    Token next();
    // A key's or string's text (UTF-8, unescaped), a number's as written.
    [[nodiscard]] std::string_view text() const { return text_; }
    [[nodiscard]] double number() const { return number_; }
    [[nodiscard]] Failure failure() const { return failure_; }
    // The position in the document where reading stopped, counted in bytes from 0.
    [[nodiscard]] qint64 offset() const { return consumed_ + static_cast<qint64>(at_); }
    [[nodiscard]] QString errorString() const;

    // Skips the value whose first token was just read (nothing for a scalar).
    void skipValue(Token first);

  private:
    enum class Context : std::uint8_t { Object, Array };
    // What the grammar allows next.
    enum class Expect : std::uint8_t { Value, ValueOrClose, Key, KeyOrClose, CommaOrClose };

    bool fill();
    bool peekByte(unsigned char& c);
    bool takeByte(unsigned char& c);
    void skipBlanks();
    Token fail(Failure f);
    Token value(unsigned char c);
    bool readString();
    bool readEscape();
    bool readHex(char32_t& code);
    Token readNumber();
    Token readWord(std::string_view word, Token token);
    Token afterValue(Token token);
    // A closing bracket just read: the container ends, a value in the one around it.
    Token close(Token token);

    QIODevice& device_;
    qint64 maxBytes_;
    std::vector<char> buffer_;
    std::size_t at_ = 0;
    std::size_t size_ = 0;
    qint64 consumed_ = 0;
    bool eof_ = false;
    std::string text_;
    double number_ = 0;
    std::vector<Context> stack_;
    Expect expect_ = Expect::Value;
    bool done_ = false;
    Failure failure_ = Failure::None;
    QString deviceError_;
};

} // namespace ga::session
