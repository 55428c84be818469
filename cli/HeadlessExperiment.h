#pragma once

#include "engine/ExperimentSettings.h"

#include <QString>

namespace ga::qt {

// Runs an experiment from the command line, with no window and no display: the per-run CSV
// to `output` (written whole or not at all) or to standard output when it is empty, the
// summary table to standard error, and a progress line there while it runs when standard
// error is a terminal. Ctrl+C stops it: the runs that ended are still written. Returns the
// exit status: 0, 1 when the output cannot be written, 130 when interrupted.
int runHeadlessExperiment(const ExperimentSettings& settings, const QString& output);

} // namespace ga::qt
