#include "session/SessionFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace ga::session {

ReadResult readFile(const QString& path, HistoryLimits limits) {
    ReadResult result;
    const QFileInfo info(path);
    if (!info.exists()) {
        result.error = ReadError::Missing;
        return result;
    }
    // A folder, a device or a pipe is never a session, and a pipe or /dev/zero would never
    // end: refused before anything is read.
    if (!info.isFile()) {
        result.error = ReadError::NotAFile;
        return result;
    }
    if (info.size() > kMaxFileBytes) {
        result.error = ReadError::TooLarge;
        return result;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = ReadError::Unreadable;
        result.detail = file.errorString();
        return result;
    }
    // The file may have grown since it was measured: the reader stops one byte over the limit.
    return read(file, limits);
}

QString writeFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return file.errorString();
    }
    if (file.write(bytes) != bytes.size()) {
        QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit()) {
        return file.errorString();
    }
    return {};
}

void releaseFreedMemory() {
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}

} // namespace ga::session
