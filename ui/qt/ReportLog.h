#pragma once

#include "ui/qt/LogModel.h"

#include <QListView>
#include <QStringList>
#include <QTimer>

namespace ga::qt {

// The report log: a view over a LogModel. Lines are collected and handed to the model in
// one batch a few times a second: with a full log every insertion makes the view lay out
// all its rows again, which must not happen once per tick at the fastest speed. The view
// follows the newest line while the user is at the bottom and stays put when they have
// scrolled up.
class ReportLog : public QListView {
    Q_OBJECT

  public:
    explicit ReportLog(QWidget* parent = nullptr, int capacity = LogModel::kDefaultCapacity);

    void addLine(const QString& line);
    void clearLines();
    static constexpr int kFlushIntervalMs = 40;

    // Hands the collected lines to the model now.
    void flush();

    [[nodiscard]] LogModel* logModel() const { return model_; }
    // Lines in the model and lines still waiting for it.
    [[nodiscard]] int lineCount() const;

  private:
    bool atBottom() const;

    LogModel* model_;
    QStringList pending_;
    QTimer flushTimer_;
    int widestLine_ = 0; // in pixels, for the horizontal scroll range
};

} // namespace ga::qt
