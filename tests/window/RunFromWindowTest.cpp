#include "form/window/Form1.h"
#include "qt/main/ColourSquare.h"
#include "qt/main/ReportLog.h"
#include "qt/widgets/ChartWidget.h"
#include "tests/window/WindowFixture.h"
#include "tests/window/WindowTestMain.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using ga::Control;

class RunFromWindowTest : public ga::test::WindowFixture {
    Q_OBJECT

  private slots:
    void init() { QVERIFY(openWindow()); }
    void cleanup() { closeWindow(); }

    void rightTargetFillsTheLists();
    void wrongTargetShowsOneModalBox_data();
    void wrongTargetShowsOneModalBox();
    void ticksGoOnWhileABoxIsOpen();
    void aFramesLinesArriveTogether();
    void quitAndCloseEndTheProgram();
    void keyboardAloneRunsTheProgram();
};

// "Hazırla" clicked in the real window fills each of the three lists with one line per
// individual, makes "Başlat" usable and shows the prepared status; a second click adds
// twenty more lines, as the lists are only appended to.
void RunFromWindowTest::rightTargetFillsTheLists() {
    press(Control::Command1);
    QVERIFY(openBoxes().isEmpty());
    for (Control list : {Control::Gen, Control::Sonuc, Control::uyl}) {
        QCOMPARE(get<QListWidget>(list)->count(), 20);
    }
    for (const QString& gene : lines(get<QListWidget>(Control::Gen))) {
        bool ok = false;
        const int value = gene.toInt(&ok);
        QVERIFY2(ok && value >= 10000 && value <= 99998, qPrintable(gene));
    }
    QVERIFY(get<QPushButton>(Control::Command2)->isEnabled());
    QCOMPARE(get<QLabel>(Control::status)->text(), QStringLiteral("Hazırlandı. Başlatınız..."));
    QVERIFY(!window->timer()->isActive());
    QCOMPARE(window->timer()->interval(), 125);

    press(Control::Command1);
    for (Control list : {Control::Gen, Control::Sonuc, Control::uyl}) {
        QCOMPARE(get<QListWidget>(list)->count(), 40);
    }
}

void RunFromWindowTest::wrongTargetShowsOneModalBox_data() {
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("preparedBefore");
    QTest::newRow("zero") << QStringLiteral("0") << true;
    QTest::newRow("no number") << QStringLiteral("abc") << true;
    QTest::newRow("zero before any preparation") << QStringLiteral("0") << false;
}

// A target the program refuses opens exactly one modal box with the exact text and a
// "Tamam" button, titled with the window's caption; the lists, the status line and
// "Başlat" stay as they were, and the box closes with its button.
void RunFromWindowTest::wrongTargetShowsOneModalBox() {
    QFETCH(QString, target);
    QFETCH(bool, preparedBefore);

    if (preparedBefore) {
        press(Control::Command1);
    }
    const QStringList genes = lines(get<QListWidget>(Control::Gen));
    const QStringList values = lines(get<QListWidget>(Control::Sonuc));
    const QStringList fitness = lines(get<QListWidget>(Control::uyl));
    const QString status = get<QLabel>(Control::status)->text();
    const bool startEnabled = get<QPushButton>(Control::Command2)->isEnabled();
    QCOMPARE(startEnabled, preparedBefore);

    type(Control::Text1, target);
    press(Control::Command1);

    const QList<QMessageBox*> boxes = openBoxes();
    QCOMPARE(boxes.size(), 1);
    QMessageBox* box = boxes.front();
    QCOMPARE(box->text(), QStringLiteral("Girdiğiniz değer çok büyük veya negatif"));
    QCOMPARE(box->windowTitle(), QStringLiteral("Genetik Algoritma - Ravik"));
    QVERIFY(box->isModal());
    QCOMPARE(box->windowModality(), Qt::ApplicationModal);
    QCOMPARE(box->buttons().size(), 1);
    QCOMPARE(box->buttons().front()->text(), QStringLiteral("Tamam"));

    QCOMPARE(lines(get<QListWidget>(Control::Gen)), genes);
    QCOMPARE(lines(get<QListWidget>(Control::Sonuc)), values);
    QCOMPARE(lines(get<QListWidget>(Control::uyl)), fitness);
    QCOMPARE(get<QLabel>(Control::status)->text(), status);
    QCOMPARE(get<QPushButton>(Control::Command2)->isEnabled(), startEnabled);

    QTest::mouseClick(box->buttons().front(), Qt::LeftButton);
    QTRY_VERIFY(openBoxes().isEmpty());
}

// A message box does not hold up the run: the handler that opened it has returned and
// the generations go on while the box is open.
void RunFromWindowTest::ticksGoOnWhileABoxIsOpen() {
    type(Control::Text4, QStringLiteral("1000")); // one tick per millisecond
    press(Control::Command1);
    press(Control::Command2);
    QVERIFY(window->timer()->isActive());

    window->findChild<QAction*>(QStringLiteral("hk"))->trigger();
    QCOMPARE(openBoxes().size(), 1);
    const QString generation = text(Control::nesil);
    QTRY_VERIFY(text(Control::nesil) != generation);
    QCOMPARE(openBoxes().size(), 1);
    QVERIFY(!openBoxes().front()->text().isEmpty());
}

// A tick's changes wait for the next frame, and a frame's report lines reach the log in
// one insertion; "Sıfırla" drops lines still waiting, so nothing of the old run shows up.
void RunFromWindowTest::aFramesLinesArriveTogether() {
    press(Control::Command1);
    auto* log = get<ga::qt::ReportLog>(Control::List1);
    QSignalSpy inserted(log->logModel(), &QAbstractItemModel::rowsInserted);
    window->form().Timer1_Timer();
    window->form().Timer1_Timer();
    QCOMPARE(log->lineCount(), 0);
    QCOMPARE(text(Control::nesil), QStringLiteral("1"));
    QTRY_VERIFY(log->lineCount() >= 40);
    QCOMPARE(inserted.count(), 1);
    QCOMPARE(text(Control::nesil), QStringLiteral(" 3"));

    window->form().Timer1_Timer();
    press(Control::Command4);
    QCOMPARE(log->lineCount(), 0);
    QCOMPARE(text(Control::nesil), QStringLiteral("1"));
    QVERIFY(!window->ops().displayPending());
}

// "Çıkış" and the window's own close button both end the program without a question:
// the window goes away and no tick comes after it.
void RunFromWindowTest::quitAndCloseEndTheProgram() {
    press(Control::Command1);
    press(Control::Command2);
    window->findChild<QAction*>(QStringLiteral("cs"))->trigger();
    QVERIFY(!window->isVisible());
    QVERIFY(!window->timer()->isActive());
    QVERIFY(openBoxes().isEmpty());

    QVERIFY(openWindow());
    press(Control::Command1);
    press(Control::Command2);
    QVERIFY(window->close());
    QVERIFY(!window->isVisible());
    QVERIFY(!window->timer()->isActive());
    QVERIFY(openBoxes().isEmpty());
}

// Without a mouse a person can prepare, start, stop and reset: every command is on the
// tab chain and answers the Return and Space keys. The timer runs generations that fill the
// lists, the log, the results panel and both charts; "Durdur" stops it, and "Sıfırla",
// pressed while running, stops the timer, empties everything the run wrote and disables
// "Başlat" again.
void RunFromWindowTest::keyboardAloneRunsTheProgram() {
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QVERIFY(tabTo(Control::Text4));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("1000"));

    QVERIFY(tabTo(Control::Command1));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(get<QListWidget>(Control::Gen)->count(), 20);

    QVERIFY(tabTo(Control::Command2));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QVERIFY(window->timer()->isActive());
    QTRY_VERIFY(text(Control::nesil).trimmed().toInt() >= 3);

    QVERIFY(tabTo(Control::Command3));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QVERIFY(!window->timer()->isActive());
    // Nothing comes after "Durdur": the last tick's changes are on show at once and the
    // panel no longer moves.
    const double stoppedAt = window->form().run().module1().nesilSayisi;
    QCOMPARE(text(Control::nesil).trimmed().toDouble(), stoppedAt);
    QCoreApplication::processEvents();
    QCOMPARE(window->form().run().module1().nesilSayisi, stoppedAt);
    QCOMPARE(get<QListWidget>(Control::Gen)->count(), 20);
    auto* log = get<ga::qt::ReportLog>(Control::List1);
    QTRY_VERIFY(log->logModel()->rowCount() >= 20); // at least the death and birth lines
    QVERIFY(get<ga::qt::ChartWidget>(Control::Picture2)->pointCount() > 0);
    QVERIFY(!text(Control::teni).isEmpty() && text(Control::teni) != QStringLiteral("-"));
    auto* square = get<ga::qt::ColourSquare>(Control::g1_1);
    QVERIFY(square->shownColour() != square->palette().color(QPalette::Button));

    QVERIFY(tabTo(Control::Command2));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QVERIFY(window->timer()->isActive());
    QVERIFY(tabTo(Control::Command4));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QVERIFY(!window->timer()->isActive());
    QCOMPARE(log->lineCount(), 0);
    for (Control list : {Control::Gen, Control::Sonuc, Control::uyl}) {
        QCOMPARE(get<QListWidget>(list)->count(), 0);
    }
    QCOMPARE(get<ga::qt::ChartWidget>(Control::Picture1)->pointCount(), 0);
    QCOMPARE(get<ga::qt::ChartWidget>(Control::Picture2)->pointCount(), 0);
    QCOMPARE(square->shownColour(), QColor(Qt::white));
    QVERIFY(!get<QPushButton>(Control::Command2)->isEnabled());
    QCOMPARE(text(Control::nesil), QStringLiteral("1"));

    // The menu opens from the keyboard through its mnemonic.
    QTest::keyClick(window.get(), Qt::Key_M, Qt::AltModifier);
    QTRY_VERIFY(window->findChild<QMenu*>(QStringLiteral("m"))->isVisible());
    QTest::keyClick(window->findChild<QMenu*>(QStringLiteral("m")), Qt::Key_Escape);
}

GA_WINDOW_TEST(RunFromWindowTest)
#include "RunFromWindowTest.moc"
