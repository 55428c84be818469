#pragma once

#include "session/SessionJson.h"

namespace ga::session {

// Reads a whole session document of format version 1 (or one this program does not know
// how to stream) and checks it through, as the program read every session before version 2.
ReadResult readVersion1(const QByteArray& json, HistoryLimits limits);

} // namespace ga::session
