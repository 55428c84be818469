#include "qt/main/ReportLog.h"
#include "form/window/ReportLog.h"
#include "tests/window/WindowTestMain.h"

#include <QApplication>
#include <QListWidget>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

using ga::qt::LogModel;
using ga::qt::ReportLog;
using Lines = ga::ReportLog;

namespace {

QString numbered(int i) {
    return QStringLiteral(" %1 güçsüz birey olduğu için elendi").arg(i);
}

// A frame's worth of numbered lines added to the log, then shown as the window shows them
// once a frame.
void addLines(Lines& lines, ReportLog& log, int from, int count) {
    for (int i = from; i < from + count; ++i) {
        lines.add(numbered(i).toStdString());
    }
    log.refresh();
}

void addLine(Lines& lines, ReportLog& log, const QString& line) {
    lines.add(line.toStdString());
    log.refresh();
}

// The line shown at the top of the view, once the view has laid out its rows as it does
// before it paints.
QString topLine(const ReportLog& log) {
    QCoreApplication::processEvents();
    const QModelIndex index = log.indexAt(QPoint(2, 2));
    return index.isValid() ? log.logModel()->line(index.row()) : QString();
}

} // namespace

class ReportLogTest : public QObject {
    Q_OBJECT

  private slots:
    void batchLongerThanCapacity();
    void followsTheNewestLineAtTheBottom_data();
    void followsTheNewestLineAtTheBottom();
    void staysPutWhenScrolledUp();
    void selectionFollowsItsLine_data();
    void selectionFollowsItsLine();
    void looksAndMovesLikeAList();
};

// Beyond its capacity (100 000 lines unless told) the oldest lines go, so a long run cannot
// exhaust memory. More lines than the whole log holds within one frame: until the frame the
// rows keep the lines they showed, then the view shows only the newest, also when the log
// was emptied before them.
void ReportLogTest::batchLongerThanCapacity() {
    QCOMPARE(Lines().capacity(), std::size_t{100000});
    Lines lines(10);
    LogModel model;
    model.show(&lines);
    for (int i = 0; i < 4; ++i) {
        lines.add(numbered(i).toStdString());
    }
    QCOMPARE(model.refresh().dropped, 0);
    for (int i = 100; i < 125; ++i) {
        lines.add(numbered(i).toStdString());
    }
    QCOMPARE(lines.size(), std::size_t{10});
    QCOMPARE(QString::fromStdString(lines[0]), numbered(115));
    QCOMPARE(model.line(3), numbered(3));
    QCOMPARE(model.refresh().dropped, 4);
    QCOMPARE(model.rowCount(), 10);
    QCOMPARE(model.line(0), numbered(115));
    QCOMPARE(model.line(9), numbered(124));

    lines.clear();
    for (int i = 200; i < 213; ++i) {
        lines.add(numbered(i).toStdString());
    }
    model.refresh();
    QCOMPARE(model.rowCount(), 10);
    QCOMPARE(model.line(0), numbered(203));
    QCOMPARE(model.line(9), numbered(212));
}

void ReportLogTest::followsTheNewestLineAtTheBottom_data() {
    QTest::addColumn<int>("capacity");
    QTest::newRow("filling up") << 100000;
    QTest::newRow("full") << 60;
}

// While the user is at the bottom, every batch scrolls the newest line into view, also
// after a line wider than the view has brought up the horizontal scroll bar (which
// takes a row's height from the view) and once the log is full; the wide line itself can
// be scrolled to its end, also when it arrives in a full log.
void ReportLogTest::followsTheNewestLineAtTheBottom() {
    QFETCH(int, capacity);

    Lines lines(static_cast<std::size_t>(capacity));
    ReportLog log;
    log.showLog(&lines);
    log.resize(233, 134);
    log.show();
    QVERIFY(QTest::qWaitForWindowExposed(&log));
    for (int batch = 0; batch < 5; ++batch) {
        addLines(lines, log, batch * 30, 30);
        if (batch == 2) {
            // A line wider than the view scrolls into view to its last letter.
            const QString wide =
                numbered(1) + QStringLiteral(" ve çiftleşti, sonra yine çiftleşti");
            addLine(lines, log, wide);
            QCoreApplication::processEvents();
            QScrollBar* across = log.horizontalScrollBar();
            QVERIFY(across->maximum() > 0);
            across->setValue(across->maximum());
            const QRect row = log.visualRect(log.logModel()->index(log.logModel()->rowCount() - 1));
            QVERIFY(row.width() >= log.fontMetrics().horizontalAdvance(wide));
            QVERIFY(row.right() <= log.viewport()->width() + 1);
        }
        QCoreApplication::processEvents();
        QScrollBar* bar = log.verticalScrollBar();
        QVERIFY(bar->maximum() > 0);
        QCOMPARE(bar->value(), bar->maximum());
        const QModelIndex last = log.logModel()->index(log.logModel()->rowCount() - 1);
        QVERIFY(log.viewport()->rect().intersects(log.visualRect(last)));
    }
}

// Once the user has scrolled up, new lines do not move the view: the same line stays at
// the top, also when old lines are dropped at the front.
void ReportLogTest::staysPutWhenScrolledUp() {
    Lines lines(100);
    ReportLog log;
    log.showLog(&lines);
    log.resize(233, 134);
    log.show();
    QVERIFY(QTest::qWaitForWindowExposed(&log));
    addLines(lines, log, 0, 60);

    // Below the capacity: nothing is dropped and the view keeps its place.
    log.verticalScrollBar()->setValue(10);
    const QString top = topLine(log);
    QVERIFY(!top.isEmpty());
    addLines(lines, log, 60, 30);
    QCOMPARE(topLine(log), top);

    // At the capacity: 40 lines leave the front, the view follows its lines.
    log.verticalScrollBar()->setValue(50);
    const QString shown = topLine(log);
    addLines(lines, log, 90, 40);
    QCOMPARE(log.logModel()->rowCount(), 100);
    QCOMPARE(topLine(log), shown);
    QVERIFY(log.verticalScrollBar()->value() < log.verticalScrollBar()->maximum());
}

void ReportLogTest::selectionFollowsItsLine_data() {
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("selected");
    QTest::addColumn<int>("added");
    QTest::addColumn<int>("expectedLine"); // the number in the selected line afterwards
    QTest::addColumn<int>("expectedRow");
    // A log of 100 lines. Filling it up removes rows; a full one moves its lines up.
    QTest::newRow("filling up, the line stays") << 90 << 50 << 30 << 50 << 30;
    QTest::newRow("full, the line stays") << 100 << 50 << 30 << 50 << 20;
    QTest::newRow("filling up, the line leaves") << 90 << 5 << 30 << 20 << 0;
    QTest::newRow("full, the line leaves") << 100 << 5 << 30 << 30 << 0;
    QTest::newRow("full, every line leaves") << 100 << 5 << 150 << -1 << -1;
}

// A line the user selected stays selected while new lines push old ones out of the log;
// when the selected line itself leaves, the oldest line left takes its place, as in a
// list whose rows are removed, whether the log is filling up or already full.
void ReportLogTest::selectionFollowsItsLine() {
    QFETCH(int, before);
    QFETCH(int, selected);
    QFETCH(int, added);
    QFETCH(int, expectedLine);
    QFETCH(int, expectedRow);

    Lines lines(100);
    ReportLog log;
    log.showLog(&lines);
    log.resize(233, 134);
    log.show();
    QVERIFY(QTest::qWaitForWindowExposed(&log));
    addLines(lines, log, 0, before);
    log.setCurrentIndex(log.logModel()->index(selected));
    QCOMPARE(log.selectionModel()->selectedRows().size(), 1);

    addLines(lines, log, before, added);
    QCOMPARE(log.logModel()->rowCount(), 100);
    QCOMPARE(log.currentIndex().row(), expectedRow);
    const QModelIndexList rows = log.selectionModel()->selectedRows();
    if (expectedRow < 0) {
        QVERIFY(rows.isEmpty());
        return;
    }
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows.front().row(), expectedRow);
    QCOMPARE(log.logModel()->line(expectedRow), numbered(expectedLine));
}

// The log shows its lines as a list box does: rows as high as a list's rows in the same
// font and marked across the whole view, Home and End jump to the first and the last
// line, and Tab moves on to the next control instead of walking through the lines.
void ReportLogTest::looksAndMovesLikeAList() {
    Lines lines;
    QWidget window;
    auto* log = new ReportLog(&window);
    log->showLog(&lines);
    auto* next = new QListWidget(&window);
    log->setGeometry(0, 0, 233, 134);
    next->setGeometry(0, 140, 233, 60);
    next->addItem(numbered(0));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    addLines(lines, *log, 0, 50);
    QCoreApplication::processEvents();

    const QRect row = log->visualRect(log->logModel()->index(3));
    QCOMPARE(row.height(), next->visualItemRect(next->item(0)).height());
    QVERIFY(row.left() <= 0);
    QVERIFY(row.right() >= log->viewport()->width() - 1);

    log->setFocus();
    QTRY_VERIFY(log->hasFocus());
    QTest::keyClick(log, Qt::Key_Home);
    QCOMPARE(log->currentIndex().row(), 0);
    QTest::keyClick(log, Qt::Key_Down);
    QCOMPARE(log->currentIndex().row(), 1);
    QTest::keyClick(log, Qt::Key_End);
    QCOMPARE(log->currentIndex().row(), 49);
    QVERIFY(log->viewport()->rect().intersects(log->visualRect(log->currentIndex())));
    QTest::keyClick(log, Qt::Key_Tab);
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(next));
}

GA_WINDOW_TEST(ReportLogTest)
#include "ReportLogTest.moc"
