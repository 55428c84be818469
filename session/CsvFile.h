#pragma once

#include "form/experiments/ExperimentCsv.h"

#include <QString>

#include <functional>

namespace ga::qt {

// Writes a CSV file whole or not at all (a temporary file renamed into place), so a
// failure leaves any earlier file as it was. `write` hands its pieces to the sink. Empty
// on success, the system's reason otherwise.
QString writeCsvFile(const QString& path, const std::function<void(const CsvSink&)>& write);

} // namespace ga::qt
