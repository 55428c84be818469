#pragma once

#include "engine/History.h"
#include "engine/Prediction.h"
#include "form/window/FormState.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>

class QIODevice;

namespace ga {
class Form1;
}

namespace ga::session {

// What a session file says it is.
inline constexpr char kFormat[] = "genetik-algoritma-session";
inline constexpr int kFormatVersion = 2;
// Files larger than this are refused before they are read: the largest session the window
// can make (a history at its 60 MiB limit and a full log) is about 90 MiB.
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
    // The prediction mode and its score (off with no score when the file has none).
    PredictionState prediction;
};

// Writes the session of what the window holds to `device` as it goes (format version 2):
// the typed boxes, the run, the settings of the window that the run does not give, and the
// report log, and the prediction mode with its score. Empty on success, otherwise the
// device's reason.
QString write(QIODevice& device, const Form1& form, const QString& programVersion,
              const PredictionState& prediction = {});
// The same into a file, atomically: into a temporary file beside it, then renamed over it,
// so a failure or a crash on the way leaves the old file whole.
QString saveFile(const QString& path, const Form1& form, const QString& programVersion,
                 const PredictionState& prediction = {});
// The same as a document in memory, for a small run.
QByteArray toJson(const Form1& form, const QString& programVersion);

// Reads a session from `device` (at most kMaxFileBytes from where it stands) and checks it
// through: well-formed JSON, every field present and of its kind, then the whole state
// (the history replayed). A version-2 session is read as it streams in; an older one as a
// whole document. Nothing of the window is touched here.
ReadResult read(QIODevice& device, HistoryLimits limits = {});
// The same from a document in memory.
ReadResult fromJson(const QByteArray& json, HistoryLimits limits = {});

} // namespace ga::session
