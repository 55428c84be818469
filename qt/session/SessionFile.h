#pragma once

#include "session/SessionJson.h"

#include <QByteArray>
#include <QString>

namespace ga::session {

// Reads and checks the session in a file. A file that is not a regular file or is larger
// than kMaxFileBytes is refused before anything of it is read.
ReadResult readFile(const QString& path, HistoryLimits limits = {});

// Writes `bytes` to the file atomically: into a temporary file beside it, then renamed over
// it, so a failure or a crash on the way leaves the old file whole. Empty on success,
// otherwise the system's reason.
QString writeFile(const QString& path, const QByteArray& bytes);

} // namespace ga::session
