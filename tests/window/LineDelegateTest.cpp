#include "qt/widgets/LineDelegate.h"
#include "form/window/ReportLog.h"
#include "qt/main/ReportLog.h"
#include "qt/main/Startup.h"
#include "tests/window/WindowTestMain.h"

#include <QApplication>
#include <QListWidget>
#include <QStyledItemDelegate>
#include <QTest>

#include <string>
#include <vector>

using ga::qt::LineDelegate;
using ga::qt::ReportLog;

namespace {

const QStringList kLines = {
    QStringLiteral("46999"),
    QStringLiteral("0,2531"),
    QStringLiteral("-12345"),
    QStringLiteral("∞"),
    QStringLiteral("tanımsız"),
    QStringLiteral(" 1.23456789012346E+17"),
    QStringLiteral(" 54321 ile 12345 çiftleşti ve 54345 doğdu."),
    QStringLiteral("Ğğ İı Şş Çç Öö Üü"),
    QStringLiteral(""),
    QStringLiteral("46999"),
};

QImage shown(QWidget& w) {
    return w.grab().toImage();
}

} // namespace

// The quick painting of plain lines must not change a single pixel: rows painted by the
// line delegate look exactly as the style paints them, whether plain, too long for their
// row, selected or focused.
class LineDelegateTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void listRowsLookAsTheStylePaintsThem_data();
    void listRowsLookAsTheStylePaintsThem();
    void logRowsLookAsTheStylePaintsThem();
};

void LineDelegateTest::initTestCase() {
    // The program's own font, as the window's lists and log use it.
    ga::qt::installFontSubstitutions();
    QApplication::setFont(ga::qt::regularFont());
}

void LineDelegateTest::listRowsLookAsTheStylePaintsThem_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("currentRow");
    QTest::addColumn<bool>("focused");
    QTest::newRow("wide, nothing selected") << 260 << -1 << false;
    QTest::newRow("narrow: long lines elided") << 64 << -1 << false;
    QTest::newRow("a row selected") << 120 << 2 << false;
    QTest::newRow("a row selected, the list focused") << 120 << 6 << true;
}

void LineDelegateTest::listRowsLookAsTheStylePaintsThem() {
    QFETCH(int, width);
    QFETCH(int, currentRow);
    QFETCH(bool, focused);

    QWidget window;
    QListWidget styled(&window);
    QListWidget quick(&window);
    for (QListWidget* list : {&styled, &quick}) {
        list->setUniformItemSizes(true);
        list->addItems(kLines);
        list->resize(width, 150);
        list->setFocusPolicy(focused ? Qt::StrongFocus : Qt::NoFocus);
        list->setCurrentRow(currentRow);
    }
    styled.move(10, 10);
    quick.move(10, 170);
    quick.setItemDelegate(new LineDelegate(&quick));
    window.resize(300, 330);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    // The pointer rests outside both lists: a hovered row looks different.
    QTest::mouseMove(&window, QPoint(295, 325));

    // Each list is shown in the same state, with the focus when the row says so.
    const auto shownWithFocus = [focused](QListWidget& list) {
        if (focused) {
            list.setFocus();
        }
        return shown(list);
    };
    const QImage expected = shownWithFocus(styled);
    QCOMPARE(shownWithFocus(quick), expected);
    // A second paint, from the laid-out lines kept since the first, is still the same.
    quick.viewport()->update();
    QCOMPARE(shownWithFocus(quick), expected);
}

void LineDelegateTest::logRowsLookAsTheStylePaintsThem() {
    ga::ReportLog lines;
    for (const QString& line : kLines) {
        lines.add(line.toStdString());
    }
    ReportLog quick;
    ReportLog styled;
    styled.setItemDelegate(new QStyledItemDelegate(&styled));
    for (ReportLog* log : {&quick, &styled}) {
        log->resize(233, 134);
        log->showLog(&lines);
        log->show();
        QVERIFY(QTest::qWaitForWindowExposed(log));
    }
    QCOMPARE(shown(quick), shown(styled));
}

GA_WINDOW_TEST(LineDelegateTest)
#include "LineDelegateTest.moc"
