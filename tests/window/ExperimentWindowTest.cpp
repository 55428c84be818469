#include "qt/experiments/ExperimentWindow.h"
#include "engine/Experiment.h"
#include "form/experiments/ExperimentCsv.h"
#include "form/texts/Messages.h"
#include "form/window/Form1.h"
#include "qt/experiments/RunsModel.h"
#include "qt/experiments/SummaryModel.h"
#include "qt/main/ShortcutPriority.h"
#include "runtime/Convert.h"
#include "tests/window/WindowFixture.h"
#include "tests/window/WindowTestMain.h"

#include <QAbstractItemModel>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

using ga::Control;
using ga::qt::ExperimentWindow;

namespace {

// A text box that claims Ctrl+E as its own editing key, as every text box does under X11's
// key bindings (the offscreen platform of the tests binds it to nothing).
class GreedyBox : public QLineEdit {
  public:
    using QLineEdit::QLineEdit;

  protected:
    bool event(QEvent* e) override {
        if (e->type() == QEvent::ShortcutOverride &&
            static_cast<QKeyEvent*>(e)->keyCombination() == (Qt::CTRL | Qt::Key_E)) {
            e->accept();
            return true;
        }
        return QLineEdit::event(e);
    }
};

} // namespace

// The "Deney" window as a person uses it: opened with Ctrl+E from the main window, filled
// in, started and cancelled with its buttons, its results read from its tables and saved.
class ExperimentWindowTest : public ga::test::WindowFixture {
    Q_OBJECT

  private slots:
    void init() { QVERIFY(openWindow()); }
    void cleanup() {
        if (auto* w = experimentWindow()) {
            w->cancel();
        }
        closeWindow();
    }

    void opensFromTheKeyboardWithTheMainWindowsInputs();
    void shortcutWinsOverATextBoxThatWantsTheKey();
    void badInputsAreRefusedAndNothingStarts_data();
    void badInputsAreRefusedAndNothingStarts();
    void runsAndShowsTheResults();
    void cancelKeepsTheFinishedRunsAndTheyCanBeSaved();
    void savingToAPlaceThatCannotBeWrittenSaysWhy();
    void followsTheLanguageOfTheProgram();
    void aChosenRunOpensInTheMainWindow();
    void methodsRaceSideBySide();

  private:
    ExperimentWindow* experimentWindow() const {
        return window ? window->findChild<ExperimentWindow*>() : nullptr;
    }
    // Opens "Deney" with Ctrl+E from the main window's focused text box.
    ExperimentWindow* open() {
        get<QLineEdit>(Control::pe)->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_E, Qt::ControlModifier);
        return experimentWindow();
    }
    template <class T> T* field(ExperimentWindow* w, const char* name) const {
        return w->findChild<T*>(QString::fromLatin1(name));
    }
    void fill(ExperimentWindow* w, const char* name, const QString& text) const {
        auto* edit = field<QLineEdit>(w, name);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
    }
    void press(ExperimentWindow* w, const char* name) const {
        QTest::mouseClick(field<QPushButton>(w, name), Qt::LeftButton);
    }
    static QString cell(const QAbstractItemModel* model, int row, int column) {
        return model->index(row, column).data().toString();
    }
};

// Ctrl+E works even with the focus in a text box of the main window (which would otherwise
// take it as "end of line"); the window is separate and non-modal, and starts from copies of
// what the main window's boxes hold.
void ExperimentWindowTest::opensFromTheKeyboardWithTheMainWindowsInputs() {
    type(Control::Text1, QStringLiteral("300"));
    type(Control::tb, QStringLiteral("-2.5"));
    type(Control::pa, QStringLiteral("4"));
    ExperimentWindow* w = open();
    QVERIFY(w != nullptr);
    QTRY_VERIFY(w->isVisible());
    QVERIFY(w->isWindow());
    QVERIFY(!w->isModal());
    QCOMPARE(w->windowTitle(), QStringLiteral("Deney"));
    QCOMPARE(field<QLineEdit>(w, "target")->text(), QStringLiteral("300"));
    QCOMPARE(field<QLineEdit>(w, "coefficient2")->text(), QStringLiteral("-2.5"));
    QCOMPARE(field<QLineEdit>(w, "exponent1")->text(), QStringLiteral("4"));
    QCOMPARE(field<QLineEdit>(w, "values")->text(), QStringLiteral("0:100:5"));
    QCOMPARE(field<QLineEdit>(w, "runsPerSetting")->text(), QStringLiteral("100"));
    QCOMPARE(field<QLineEdit>(w, "generationLimit")->text(), QStringLiteral("10000"));
    // Every box is labelled on screen, and its label's mnemonic leads to it.
    const struct {
        const char* field;
        const char* label;
    } labels[] = {{"target", "&Ulaşılacak sayı:"},
                  {"mutation", "&Mutasyon yüzdesi:"},
                  {"variedSetting", "&Değişen ayar:"},
                  {"values", "D&eğerler:"},
                  {"runsPerSetting", "A&yar başına çalıştırma:"},
                  {"generationLimit", "&Nesil sınırı:"},
                  {"baseSeed", "&Temel tohum:"},
                  {"threads", "İş &parçacığı:"}};
    for (const auto& l : labels) {
        QWidget* box = field<QWidget>(w, l.field);
        QLabel* shown = nullptr;
        for (QLabel* label : w->findChildren<QLabel*>()) {
            if (label->buddy() == box) {
                shown = label;
            }
        }
        QVERIFY2(shown != nullptr && shown->isVisible(), l.field);
        QCOMPARE(shown->text(), QString::fromUtf8(l.label));
    }
    // Editing the copy leaves the main window alone.
    fill(w, "target", QStringLiteral("500"));
    QCOMPARE(text(Control::Text1), QStringLiteral("300"));
    // Varying the target takes its box out of play, and the mutation's back in.
    field<QComboBox>(w, "variedSetting")->setCurrentIndex(1);
    QVERIFY(!field<QLineEdit>(w, "target")->isEnabled());
    QVERIFY(field<QLineEdit>(w, "mutation")->isEnabled());
    // A second Ctrl+E brings back the same window.
    QCOMPARE(open(), w);
}

// Ctrl+E reaches "Deney…" even from a text box that takes the key for itself; without the
// priority the box would keep it and nothing would open.
void ExperimentWindowTest::shortcutWinsOverATextBoxThatWantsTheKey() {
    for (const bool withPriority : {false, true}) {
        QWidget host;
        auto* box = new GreedyBox(&host);
        auto* action = new QAction(&host);
        action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
        host.addAction(action);
        int triggered = 0;
        connect(action, &QAction::triggered, &host, [&triggered] { ++triggered; });
        if (withPriority) {
            box->installEventFilter(new ga::qt::ShortcutPriority({action->shortcut()}, &host));
        }
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        box->setFocus();
        QTest::keyClick(box, Qt::Key_E, Qt::ControlModifier);
        QCOMPARE(triggered, withPriority ? 1 : 0);
    }
}

void ExperimentWindowTest::badInputsAreRefusedAndNothingStarts_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("varyTarget");
    QTest::addColumn<int>("error");
    const auto row = [](const char* name, const char* box, const char* typed, bool varyTarget,
                        ga::ExperimentError error) {
        QTest::newRow(name) << QString::fromLatin1(box) << QString::fromUtf8(typed) << varyTarget
                            << static_cast<int>(error);
    };
    using E = ga::ExperimentError;
    row("zero step", "values", "0:100:0", false, E::ZeroStep);
    row("no values", "values", "", false, E::EmptyValues);
    row("too many runs", "runsPerSetting", "47620", false, E::TooManyRuns);
    row("no runs", "runsPerSetting", "0", false, E::BadRuns);
    row("limit 0", "generationLimit", "0", false, E::BadLimit);
    row("seed out of range", "baseSeed", "4294967296", false, E::BadSeed);
    row("target refused", "target", "0", false, E::TargetRefused);
    row("coefficient slip", "coefficient2", "1x", false, E::BadCoefficient);
    row("varied target refused", "values", "0:500:100", true, E::TargetRefused);
}

// Each bad input gets its own Turkish message; nothing starts and the focus goes back to the
// box at fault, so the person can correct it at once. Every box is here once; the many
// ways a value list can be wrong are the settings reader's to tell apart.
void ExperimentWindowTest::badInputsAreRefusedAndNothingStarts() {
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(bool, varyTarget);
    QFETCH(int, error);
    ExperimentWindow* w = open();
    QVERIFY(w != nullptr);
    QTRY_VERIFY(w->isVisible());
    field<QComboBox>(w, "variedSetting")->setCurrentIndex(varyTarget ? 1 : 0);
    const QByteArray boxName = box.toLatin1();
    fill(w, boxName.constData(), typed);
    press(w, "start");
    QList<QMessageBox*> boxes;
    QTRY_COMPARE((boxes = openBoxes()).size(), 1);
    const std::string_view expected =
        ga::experimentErrorText(static_cast<ga::ExperimentError>(error));
    QCOMPARE(boxes.front()->text(),
             QString::fromUtf8(expected.data(), static_cast<qsizetype>(expected.size())));
    QCOMPARE(w->experiment(), nullptr);
    QVERIFY(field<QPushButton>(w, "start")->isEnabled());
    boxes.front()->close();
    const char* focused = error == static_cast<int>(ga::ExperimentError::TooManyRuns)
                              ? "values"
                              : boxName.constData();
    QCOMPARE(w->focusWidget(), field<QLineEdit>(w, focused));
}

// From the window the runs go to the threads chosen; the tables and the chart's description
// show their results, each run with its seed. That the threads do not change the results is
// the engine's to prove.
void ExperimentWindowTest::runsAndShowsTheResults() {
    ExperimentWindow* w = open();
    QVERIFY(w != nullptr);
    fill(w, "values", QStringLiteral("0, 100"));
    fill(w, "runsPerSetting", QStringLiteral("15"));
    fill(w, "generationLimit", QStringLiteral("2000"));
    fill(w, "baseSeed", QStringLiteral("42"));
    field<QSpinBox>(w, "threads")->setValue(2);
    press(w, "start");
    QVERIFY(!field<QPushButton>(w, "start")->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(field<QPushButton>(w, "start")->isEnabled(), 30000);
    QVERIFY(!field<QPushButton>(w, "cancel")->isEnabled());
    QVERIFY(field<QLabel>(w, "progressText")->text().startsWith(QStringLiteral("Bitti: 30")));
    QCOMPARE(w->experiment()->settings().threads, 2U);
    const auto& b = w->experiment()->results();

    const QAbstractItemModel* summary = field<QTableView>(w, "summaryTable")->model();
    QCOMPARE(summary->rowCount(), 2);
    QCOMPARE(cell(summary, 1, 0), QStringLiteral("100"));
    QCOMPARE(cell(summary, 1, 1), QStringLiteral("15"));
    const QAbstractItemModel* runs = field<QTableView>(w, "runsTable")->model();
    QCOMPARE(runs->rowCount(), 30);
    QCOMPARE(cell(runs, 16, 1), QStringLiteral("2"));
    QCOMPARE(cell(runs, 16, 2), QString::number(ga::runSeed(42, 2, 2)));
    QCOMPARE(cell(runs, 16, 3), QString::number(b[16].generations));
    const QString description =
        w->findChild<QWidget*>(QStringLiteral("spreadChart"))->accessibleDescription();
    QVERIFY2(description.contains(QStringLiteral("Mutasyon yüzdesi 100:")),
             qPrintable(description));
}

// "İptal" stops the run under way and keeps the ones that ended: the table says how many of
// the planned runs ended, and the saved file holds exactly those. The second target lies
// beyond the function's reach, so its runs could only end by the cancel. Meanwhile the main
// window's own run goes on.
void ExperimentWindowTest::cancelKeepsTheFinishedRunsAndTheyCanBeSaved() {
    type(Control::Text1, QStringLiteral("100000"));
    ga::test::WindowFixture::press(Control::Command1);
    ga::test::WindowFixture::press(Control::Command2);
    ExperimentWindow* w = open();
    QVERIFY(w != nullptr);
    field<QComboBox>(w, "variedSetting")->setCurrentIndex(1);
    fill(w, "values", QStringLiteral("277, 100000"));
    fill(w, "runsPerSetting", QStringLiteral("3"));
    fill(w, "generationLimit", QStringLiteral("1000000000"));
    field<QSpinBox>(w, "threads")->setValue(1);
    press(w, "start");
    QTRY_VERIFY(w->experiment()->runsDone() >= 1);
    const double before = window->form().run().module1().nesilSayisi;
    QTRY_VERIFY(window->form().run().module1().nesilSayisi > before + 2);
    QVERIFY(w->running());
    press(w, "cancel");
    QTRY_VERIFY(!w->running());
    QCOMPARE(w->experiment()->runsDone(), std::size_t{1});
    QVERIFY(
        field<QLabel>(w, "progressText")->text().startsWith(QStringLiteral("İptal edildi: 1 / 6")));
    const QAbstractItemModel* summary = field<QTableView>(w, "summaryTable")->model();
    QCOMPARE(cell(summary, 0, 1), QStringLiteral("1 / 3"));
    QCOMPARE(cell(summary, 1, 1), QStringLiteral("0 / 3"));
    QCOMPARE(cell(summary, 1, 3), QStringLiteral("—"));
    QCOMPARE(cell(field<QTableView>(w, "runsTable")->model(), 3, 4), QStringLiteral("Yapılmadı"));

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("runs.csv"));
    QVERIFY(w->exportRunsTo(path));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray saved = file.readAll();
    std::string expected;
    ga::writeRunsCsv(w->experiment()->settings(), w->experiment()->results(),
                     [&expected](std::string_view piece) { expected += piece; });
    QCOMPARE(saved, QByteArray::fromStdString(expected));
    QCOMPARE(saved.count("\r\n"), 2);
    QVERIFY(saved.startsWith("target,run,seed,"));
}

// A file that cannot be written gets a Turkish message with its name and the reason, and
// nothing is left behind.
void ExperimentWindowTest::savingToAPlaceThatCannotBeWrittenSaysWhy() {
    ExperimentWindow* w = open();
    QVERIFY(w != nullptr);
    fill(w, "values", QStringLiteral("50"));
    fill(w, "runsPerSetting", QStringLiteral("2"));
    press(w, "start");
    QTRY_VERIFY(!w->running());
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("missing/ozet.csv"));
    QVERIFY(!w->exportSummaryTo(path));
    QList<QMessageBox*> boxes;
    QTRY_COMPARE((boxes = openBoxes()).size(), 1);
    QVERIFY2(boxes.front()->text().startsWith(QStringLiteral("“ozet.csv” kaydedilemedi: ")),
             qPrintable(boxes.front()->text()));
    QVERIFY(!QFile::exists(path));
    const QString good = dir.filePath(QStringLiteral("ozet.csv"));
    QVERIFY(w->exportSummaryTo(good));
    QFile file(good);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().startsWith("mutation,runs,not_run,reached,reached_percent,"));
}

// "Araçlar" → "Dil" changes the experiment window too, results included, and back.
void ExperimentWindowTest::followsTheLanguageOfTheProgram() {
    ExperimentWindow* w = open();
    QVERIFY(w != nullptr);
    fill(w, "values", QStringLiteral("50"));
    fill(w, "runsPerSetting", QStringLiteral("3"));
    press(w, "start");
    QTRY_VERIFY(!w->running());
    const QAbstractItemModel* summary = field<QTableView>(w, "summaryTable")->model();
    const QAbstractItemModel* runs = field<QTableView>(w, "runsTable")->model();
    const QString reached = cell(runs, 0, 4);

    window->findChild<QAction*>(QStringLiteral("englishAction"))->trigger();
    QCOMPARE(w->windowTitle(), QStringLiteral("Experiment"));
    QCOMPARE(field<QPushButton>(w, "start")->text(), QStringLiteral("&Start"));
    QCOMPARE(field<QLineEdit>(w, "values")->accessibleName(), QStringLiteral("Values"));
    QCOMPARE(summary->headerData(0, Qt::Horizontal).toString(),
             QStringLiteral("Mutation percentage"));
    QCOMPARE(cell(summary, 0, 3), QStringLiteral("100%"));
    QCOMPARE(cell(runs, 0, 4),
             reached == QStringLiteral("Evet") ? QStringLiteral("Yes") : QStringLiteral("No"));
    QVERIFY(field<QLabel>(w, "progressText")->text().startsWith(QStringLiteral("Done: 3 runs")));
    QVERIFY(w->findChild<QWidget*>(QStringLiteral("spreadChart"))
                ->accessibleDescription()
                .contains(QStringLiteral("Mutation percentage 50: 100% reached")));

    window->findChild<QAction*>(QStringLiteral("turkishAction"))->trigger();
    QCOMPARE(w->windowTitle(), QStringLiteral("Deney"));
    QCOMPARE(cell(summary, 0, 3), QStringLiteral("%100"));
    QCOMPARE(cell(runs, 0, 4), reached);
}

// A run chosen in the runs table opens in the main window, by Enter on its row or by "Ana
// pencerede aç": the run's inputs go into the main window's boxes, its seed is fixed and the
// window does what "Sıfırla" does, so its best record starts from the run's target (it
// last started from target 1). That this state replays the run exactly is what the engine's
// differential proves. The button is usable only with a run chosen and no experiment running.
void ExperimentWindowTest::aChosenRunOpensInTheMainWindow() {
    type(Control::Text1, QStringLiteral("1"));
    ga::test::WindowFixture::press(Control::Command4);
    ExperimentWindow* w = open();
    QVERIFY(w != nullptr);
    auto* openButton = field<QPushButton>(w, "openInMainWindow");
    QCOMPARE(QAccessible::queryAccessibleInterface(openButton)->text(QAccessible::Name),
             QStringLiteral("Ana pencerede aç"));
    QVERIFY(!openButton->isEnabled());
    field<QComboBox>(w, "variedSetting")->setCurrentIndex(1);
    fill(w, "values", QStringLiteral("500, 100000"));
    fill(w, "runsPerSetting", QStringLiteral("3"));
    fill(w, "generationLimit", QStringLiteral("300"));
    auto* table = field<QTableView>(w, "runsTable");
    const QAbstractItemModel* runs = table->model();
    press(w, "start");
    QVERIFY(!openButton->isEnabled());
    QTRY_VERIFY(!w->running());
    QVERIFY(!openButton->isEnabled());

    for (const auto& [row, byKeyboard] : {std::pair{1, true}, std::pair{4, false}}) {
        const ga::RunResult& run = w->experiment()->results()[static_cast<std::size_t>(row)];
        table->setFocus();
        table->selectRow(row);
        QVERIFY(openButton->isEnabled());
        if (byKeyboard) {
            QTest::keyClick(table, Qt::Key_Return);
        } else {
            QTest::mouseClick(openButton, Qt::LeftButton);
        }
        QCOMPARE(text(Control::Text1), cell(runs, row, ga::qt::RunsModel::Value));
        QCOMPARE(window->form().fixedSeed(), run.seed);
        QCOMPARE(window->form().run().seed(), run.seed);
        QCOMPARE(get<QLabel>(Control::status)->text(),
                 QStringLiteral("Sıfırlandı. Tekrar başlatılma bekleniyor..."));
        QVERIFY(!get<QPushButton>(Control::Command2)->isEnabled());
        QCOMPARE(window->form().run().module1().enIyiUyum, text(Control::Text1).toDouble());
    }
}

// Varying the method keeps both the target and the mutation in play, offers the three
// methods as values, and names each setting's method in both tables; every run that
// reached its target says how many genes it evaluated, and the summary gives their median.
// Otherwise the method box fixes the method of every run.
void ExperimentWindowTest::methodsRaceSideBySide() {
    ExperimentWindow* w = open();
    QVERIFY(w != nullptr);
    auto* varied = field<QComboBox>(w, "variedSetting");
    varied->setCurrentIndex(2);
    QCOMPARE(varied->currentText(), QStringLiteral("Yöntem"));
    QVERIFY(field<QLineEdit>(w, "target")->isEnabled());
    QVERIFY(field<QLineEdit>(w, "mutation")->isEnabled());
    QCOMPARE(field<QLineEdit>(w, "values")->text(), QStringLiteral("ga,random,hill"));
    fill(w, "runsPerSetting", QStringLiteral("3"));
    fill(w, "generationLimit", QStringLiteral("2000"));
    press(w, "start");
    QTRY_VERIFY(!w->running());
    QCOMPARE(w->experiment()->runsDone(), std::size_t{9});
    const QAbstractItemModel* summary = field<QTableView>(w, "summaryTable")->model();
    QCOMPARE(summary->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Yöntem"));
    QCOMPARE(cell(summary, 0, 0), QStringLiteral("Genetik algoritma"));
    QCOMPARE(cell(summary, 1, 0), QStringLiteral("Rastgele arama"));
    QCOMPARE(cell(summary, 2, 0), QStringLiteral("Tepe tırmanma"));
    const int last = summary->columnCount() - 1;
    QCOMPARE(summary->headerData(last, Qt::Horizontal).toString(),
             QStringLiteral("Ortanca değerlendirme"));
    const QAbstractItemModel* runs = field<QTableView>(w, "runsTable")->model();
    QCOMPARE(cell(runs, 8, 0), QStringLiteral("Tepe tırmanma"));
    for (int row = 0; row < 9; ++row) {
        const ga::RunResult& r = w->experiment()->results()[static_cast<std::size_t>(row)];
        const QString shown = cell(runs, row, runs->columnCount() - 1);
        QCOMPARE(shown, r.evaluations > 0 ? QString::number(r.evaluations) : QStringLiteral("—"));
    }
    // Back to the mutation: the method names give way to its default values, and the method
    // is one fixed yardstick, named in a column of its own. Its runs are not the genetic
    // algorithm's, so the main window does not pretend to replay them.
    varied->setCurrentIndex(0);
    QCOMPARE(field<QLineEdit>(w, "values")->text(), QStringLiteral("0:100:5"));
    auto* method = field<QComboBox>(w, "method");
    QVERIFY(method->isEnabled());
    method->setCurrentIndex(2);
    fill(w, "values", QStringLiteral("5"));
    press(w, "start");
    QTRY_VERIFY(!w->running());
    QCOMPARE(summary->headerData(summary->columnCount() - 1, Qt::Horizontal).toString(),
             QStringLiteral("Yöntem"));
    QCOMPARE(cell(summary, 0, summary->columnCount() - 1), QStringLiteral("Tepe tırmanma"));
    QCOMPARE(w->experiment()->results()[0].seed, ga::runSeed(1, 1, 1));
    auto* table = field<QTableView>(w, "runsTable");
    table->setFocus();
    table->selectRow(0);
    QVERIFY(!field<QPushButton>(w, "openInMainWindow")->isEnabled());
    const QString typed = text(Control::Text1);
    QTest::keyClick(table, Qt::Key_Return);
    QCOMPARE(text(Control::Text1), typed);
    QVERIFY(field<QLabel>(w, "progressText")
                ->text()
                .endsWith(QStringLiteral("tepe tırmanmayla yapıldı.")));
    varied->setCurrentIndex(2);
    QVERIFY(!method->isEnabled());
}

GA_WINDOW_TEST(ExperimentWindowTest)
#include "ExperimentWindowTest.moc"
