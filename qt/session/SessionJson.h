#pragma once

#include "engine/History.h"
#include "form/FormState.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>

namespace ga::session {

// What a session file says it is.
inline constexpr char kFormat[] = "genetik-algoritma-session";
inline constexpr int kFormatVersion = 1;
// Files larger than this are refused before they are read: the largest session the window
// can make (a history at its 60 MiB limit and a full log) is about 80 MiB.
inline constexpr qint64 kMaxFileBytes = qint64{128} << 20U;

// Why a session could not be read.
enum class ReadError : std::uint8_t {
    None,
    Missing,     // no such file
    NotAFile,    // a folder, a device, a pipe
    TooLarge,    // over kMaxFileBytes
    Unreadable,  // the system refused to read it (the detail says why)
    NotJson,     // not a JSON document (the detail says where)
    NotASession, // JSON, but no session of this program
    NewerFormat, // a session of a later format version than this program reads
    Field,       // a field is missing or holds the wrong kind of value (the detail names it)
    State,       // the fields are well formed but do not hold together (see stateError)
};

// A session read and checked through, or why not.
struct ReadResult {
    std::optional<CheckedState> state;
    ReadError error = ReadError::None;
    // The field, the position or the system's reason, for the message.
    QString detail;
    StateError stateError = StateError::None;
    HistoryError historyError = HistoryError::None;
    // The format version of a newer file.
    qint64 version = 0;
};

// The session as a JSON document, UTF-8, indented, with the format, its version and the
// program's version. Every number reads back bit for bit.
QByteArray toJson(const FormState& state, const QString& programVersion);

// Reads a session document: well-formed JSON, every field present and of its kind, then the
// whole state checked (the history replayed). Nothing of the window is touched here.
ReadResult fromJson(const QByteArray& json, HistoryLimits limits = {});

} // namespace ga::session
