#pragma once

#include "qt/main/LogModel.h"

#include <QTableView>

#include <array>
#include <string_view>

namespace ga::qt {

// The report log on the window: a view of the log Form1 keeps, which it catches up with
// once a frame, not at every line. The view follows the newest line while the user is at
// the bottom and stays put when they have scrolled up.
//
// It is a one-column table without headers that looks and answers the keys like a list: a
// list view lays out every one of its rows again whenever rows arrive or leave, which
// with a full log is a hundred thousand rows several times a second, while a table only
// appends to and trims its row header.
class ReportLog : public QTableView {
    Q_OBJECT

  public:
    explicit ReportLog(QWidget* parent = nullptr);

    // The log to show (none: an empty view); its lines show at once.
    void showLog(const ga::ReportLog* log);
    // Shows what the log gained and lost since the last look.
    void refresh();

    [[nodiscard]] LogModel* logModel() const { return model_; }
    [[nodiscard]] int lineCount() const;

  protected:
    void changeEvent(QEvent* event) override;
    void updateGeometries() override;
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;

  private:
    void fitRowsToFont();
    // The width of a line from its letters' advances: the shaped width but for kerning,
    // at a fraction of its cost, which matters at thousands of lines a second.
    int lineWidth(std::string_view utf8);
    qreal advance(char32_t c);

    LogModel* model_;
    int widestLine_ = 0; // in pixels, for the horizontal scroll range
    bool following_ = true;
    int textPadding_ = 0;
    // Advances of the letters U+0000 to U+017F (Latin and Turkish), -1 until measured.
    std::array<qreal, 0x180> advances_{};
};

} // namespace ga::qt
