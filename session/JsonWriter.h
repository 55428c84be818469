#pragma once

#include <QString>

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class QIODevice;

namespace ga::session {

// Writes one JSON document straight to a device as it goes, through a buffer of about a
// megabyte, so a long run's session never exists as a whole in memory. Objects put each
// member on a line of its own unless opened as one line; arrays keep their values on one
// line unless opened as a list of lines. Commas and indentation follow from the nesting.
class JsonWriter {
  public:
    explicit JsonWriter(QIODevice& device);

    // `oneLine`: the members on one line, for a small object among many (a chart's circle).
    void beginObject(bool oneLine = false);
    void endObject();
    // `oneAPerLine`: every value on a line of its own (the report's lines, a chart's circles).
    void beginArray(bool onePerLine = false);
    void endArray();
    // The next member's name; its value follows.
    void key(std::string_view name);

    // A UTF-8 string, escaped as JSON requires.
    void string(std::string_view text);
    // A double in the shortest form that reads back bit for bit; what JSON has no number
    // for is written as the words "NaN", "Infinity", "-Infinity" and "-0".
    void number(double x);
    void whole(std::uint64_t n);
    void boolean(bool b);
    void null();
    // Bytes as one Base64 string.
    void base64(std::span<const unsigned char> bytes);

    // Writes what the buffer still holds. Empty on success, otherwise the device's reason
    // (the first failure: nothing more is written after it).
    QString finish();

  private:
    void beforeValue();
    void newLine();
    void raw(std::string_view text);
    void quoted(std::string_view text);
    void flushIfFull();

    struct Level {
        bool object = false;
        bool onePerLine = true;
        bool empty = true;
    };

    QIODevice& device_;
    std::string buffer_;
    std::vector<Level> levels_;
    bool afterKey_ = false;
    QString error_;
};

} // namespace ga::session
