#include "session/CsvFile.h"

#include <QSaveFile>

namespace ga::qt {

QString writeCsvFile(const QString& path, const std::function<void(const CsvSink&)>& write) {
    QSaveFile file(path);
    bool ok = file.open(QIODevice::WriteOnly);
    const CsvSink sink = [&file, &ok](std::string_view piece) {
        ok = ok && file.write(piece.data(), static_cast<qint64>(piece.size())) ==
                       static_cast<qint64>(piece.size());
    };
    if (ok) {
        write(sink);
        ok = ok && file.commit();
    }
    return ok ? QString() : file.errorString();
}

} // namespace ga::qt
