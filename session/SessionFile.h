#pragma once

#include "session/SessionJson.h"

#include <QByteArray>
#include <QString>

namespace ga::session {

// Reads and checks the session in a file. A file that is not a regular file or is larger
// than kMaxFileBytes is refused before anything of it is read.
ReadResult readFile(const QString& path, HistoryLimits limits = {});

// Writes `bytes` (an export) to the file atomically: into a temporary file beside it, then renamed
// over it, so a failure or a crash on the way leaves the old file whole. Empty on success,
// otherwise the system's reason.
QString writeFile(const QString& path, const QByteArray& bytes);

// Hands the memory a large session's JSON tree left free back to the system. The tree is
// hundreds of thousands of small blocks; freed, they stay with the process (some 200 MB after
// a million generations) unless the allocator is told to let them go.
void releaseFreedMemory();

} // namespace ga::session
