#pragma once

#include "form/window/ReportLog.h"

#include <QAbstractListModel>
#include <QString>

#include <cstdint>
#include <string_view>

namespace ga::qt {

// Shows a report log to a view: one row per line. The log keeps its lines in UTF-8; a line
// becomes a Qt string only when a view shows it, since at the fastest speed four hundred
// lines arrive each frame and a dozen are seen.
//
// The log changes at every tick, the view once a frame: refresh() tells the view what
// arrived and left since it last looked, and until then the rows keep the lines they
// showed (the log keeps those that left).
class LogModel : public QAbstractListModel {
    Q_OBJECT

  public:
    explicit LogModel(QObject* parent = nullptr);

    [[nodiscard]] int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;

    // What a refresh did: how many rows left the front (so a view can keep showing the
    // same lines) and how many lines arrived, now the last rows.
    struct Change {
        int dropped = 0;
        int added = 0;
    };

    // The log to show from now on (none: no rows); its lines come with the next refresh.
    void show(const ga::ReportLog* log);
    // Empties the rows if the log was cleared since the last look; whether it was.
    bool resetIfCleared();
    // Catches up with the log (emptied first if it was cleared): rows for the lines that arrived,
    // none for those that left the front. Once the log is full the rows stay and their lines move
    // up (told as changed data, with the persistent indexes moved along or, for lines that left,
    // made invalid).
    Change refresh();

    [[nodiscard]] QString line(int row) const;
    // The line on a row, in UTF-8; empty if it has left the log since the last refresh.
    [[nodiscard]] std::string_view utf8(int row) const;

  private:
    Change catchUp();
    // Asks the log to keep the lines on show until the next refresh.
    void keep();

    const ga::ReportLog* log_ = nullptr;
    int rows_ = 0;
    // The number the log gave the line on row 0, and the log's clears when last looked.
    std::uint64_t first_ = 0;
    std::uint64_t clears_ = 0;
};

} // namespace ga::qt
