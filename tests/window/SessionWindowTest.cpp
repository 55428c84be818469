#include "form/window/Form1.h"
#include "qt/files/FileMenu.h"
#include "qt/main/ColourSquare.h"
#include "qt/main/ReportLog.h"
#include "qt/main/Startup.h"
#include "qt/prediction/PredictionWindow.h"
#include "qt/widgets/ChartWidget.h"
#include "session/JsonReader.h"
#include "session/JsonWriter.h"
#include "session/SessionFile.h"
#include "tests/support/RecordingOps.h"
#include "tests/window/WindowFixture.h"
#include "tests/window/WindowTestMain.h"

#include <QAbstractButton>
#include <QBuffer>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <cmath>
#include <csignal>
#include <cstring>
#include <functional>
#include <limits>
#include <sys/resource.h>
#include <sys/stat.h>

using ga::Control;
using ga::qt::FileMenu;

// Sessions from the real window: what a saved run opens to, that it goes on exactly, that a
// failed save keeps the old file and that no hostile file changes anything in the window.
class SessionWindowTest : public ga::test::WindowFixture {
    Q_OBJECT

  private slots:
    void init() {
        QVERIFY(openWindow());
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid());
    }
    void cleanup() {
        closeWindow();
        other_.reset();
    }

    void titleNamesTheSession();
    void savedRunGoesOnInAnotherWindow();
    void failedSaveKeepsTheOldFile();
    void hostileFilesChangeNothing();
    void droppedSessionOpens();
    void exportsWhatTheWindowShows();
    void numbersReadBackBitForBit();
    void version1SessionGoesOn();
    void predictionModeComesBack();
    void longRunStreamsBothWays();

  private:
    // Everything the main window shows of a run.
    struct Shown {
        QStringList genes, values, fitness, log;
        QStringList panel;
        QString status;
        bool start = false;
        friend bool operator==(const Shown&, const Shown&) = default;
    };
    static Shown shown(ga::qt::MainWindow& w) {
        w.flushDisplay();
        Shown s;
        s.genes = lines(w.control<QListWidget>(Control::Gen));
        s.values = lines(w.control<QListWidget>(Control::Sonuc));
        s.fitness = lines(w.control<QListWidget>(Control::uyl));
        const QAbstractItemModel& log = *w.control<ga::qt::ReportLog>(Control::List1)->model();
        for (int row = 0; row < log.rowCount(); ++row) {
            s.log << log.index(row, 0).data().toString();
        }
        for (Control c : {Control::nesil, Control::tmut, Control::teni, Control::teni2,
                          Control::tenk, Control::tenk2, Control::Text1, Control::Text3,
                          Control::Text4, Control::ta, Control::te, Control::pa, Control::pe}) {
            s.panel << w.control<QLineEdit>(c)->text();
        }
        for (int item = 0; item <= 1; ++item) {
            for (int position = 1; position <= 5; ++position) {
                const auto* square =
                    w.control<ga::qt::ColourSquare>(ga::colourSquare(position, item));
                s.panel << square->shownColour().name() + square->accessibleName();
            }
        }
        s.status = w.control<QLabel>(Control::status)->text();
        s.start = w.control<QWidget>(Control::Command2)->isEnabled();
        return s;
    }
    // A run stepped with F10 from a fixed seed, so that it is the same every time.
    void stepRun(int generations) {
        window->form().useSeed(1234567U);
        type(Control::Text1, QStringLiteral("100000"));
        press(Control::Command1);
        for (int i = 0; i < generations; ++i) {
            window->form().stepOnce();
        }
    }
    QString path(const char* name) const { return dir_->filePath(QString::fromLatin1(name)); }
    static QByteArray contents(const QString& file) {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // The one message box a failure shows: its title is the caption and it names the file.
    static void expectProblem(const QString& fileName, const QString& reason = {}) {
        QTRY_COMPARE(openBoxes().size(), 1);
        QMessageBox* box = openBoxes().front();
        QCOMPARE(box->windowTitle(), QString::fromUtf8(ga::qt::kCaption));
        QVERIFY2(box->text().contains(fileName), qPrintable(box->text()));
        QVERIFY2(box->text().contains(reason), qPrintable(box->text()));
        box->close();
    }

    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<ga::qt::MainWindow> other_;
};

// The title names the open session after the caption, and the session joins the recent ones.
void SessionWindowTest::titleNamesTheSession() {
    QCOMPARE(window->windowTitle(), QStringLiteral("Genetik Algoritma - Ravik"));
    QVERIFY(window->files().saveSession(path("ders.genetik")));
    QCOMPARE(window->windowTitle(), QStringLiteral("Genetik Algoritma - Ravik — ders.genetik"));
    QCOMPARE(FileMenu::recentSessions().value(0), path("ders.genetik"));
}

// A run saved at any point opens in another window (started at another time of day and busy
// with a run of its own) showing exactly what the first showed, with the very run behind it: both
// go on alike and still show the same, lists, panel, squares' digits, log and both charts. A run
// saved while the timer ran opens stopped; the first window is stopped right after saving, nothing
// between.
void SessionWindowTest::savedRunGoesOnInAnotherWindow() {
    using Step = std::function<void(ga::qt::MainWindow&)>;
    const auto steps = [](int n) {
        return [n](ga::qt::MainWindow& w) {
            for (int i = 0; i < n; ++i) {
                w.form().stepOnce();
            }
        };
    };
    const auto prepareAndStep = [](int n) {
        return [n](ga::qt::MainWindow& w) {
            w.control<QAbstractButton>(Control::Command1)->click();
            for (int i = 0; i < n; ++i) {
                w.form().stepOnce();
            }
        };
    };
    struct Case {
        const char* name;
        Step before;  // in the first window, from a fresh one
        bool running; // "Başlat" pressed before saving
        Step after;   // in both windows, after opening
    };
    const QList<Case> cases{
        {"just loaded, the clock's seed", [](ga::qt::MainWindow&) {}, false, prepareAndStep(40)},
        {"prepared", [&](ga::qt::MainWindow&) { stepRun(0); }, false, steps(40)},
        {"running past a checkpoint", [&](ga::qt::MainWindow&) { stepRun(300); }, true, steps(100)},
        {"target and mutation typed mid-run",
         [&](ga::qt::MainWindow& w) {
             stepRun(80);
             type(Control::Text1, QStringLiteral("1e999"));
             w.form().stepOnce();
             type(Control::Text1, QStringLiteral("500"));
             type(Control::Text3, QStringLiteral("37.5"));
         },
         false,
         // "Başlat" scales the chart to the target typed since.
         [&](ga::qt::MainWindow& w) {
             w.control<QAbstractButton>(Control::Command2)->click();
             w.control<QAbstractButton>(Control::Command3)->click();
             steps(80)(w);
         }},
        {"target reached",
         [&](ga::qt::MainWindow& w) {
             type(Control::Text3, QStringLiteral("20"));
             w.form().useSeed(99U);
             type(Control::Text1, QStringLiteral("12"));
             press(Control::Command1);
             for (int i = 0; i < 5000 && !w.form().run().record().reached; ++i) {
                 w.form().stepOnce();
             }
             QVERIFY(w.form().run().record().reached);
         },
         false, steps(20)},
        {"after Sıfırla",
         [&](ga::qt::MainWindow&) {
             stepRun(30);
             press(Control::Command4);
         },
         false, prepareAndStep(20)},
    };
    for (const Case& c : cases) {
        closeWindow();
        QVERIFY(openWindow());
        c.before(*window);
        if (c.running) {
            press(Control::Command2);
            QVERIFY(window->timer()->isActive());
        }
        QVERIFY(window->files().saveSession(path("run.genetik")));
        if (c.running) {
            press(Control::Command3);
        }
        // The other window was busy with a run of its own, which the opened one replaces.
        other_ = std::make_unique<ga::qt::MainWindow>(".");
        other_->show();
        QVERIFY(QTest::qWaitForWindowExposed(other_.get()));
        other_->control<QLineEdit>(Control::Text1)->setText(QStringLiteral("500"));
        other_->control<QLineEdit>(Control::ta)->setText(QStringLiteral("2,5"));
        prepareAndStep(10)(*other_);
        other_->control<QAbstractButton>(Control::Command2)->click();
        QVERIFY2(other_->files().openSession(path("run.genetik")), c.name);
        QVERIFY(!other_->timer()->isActive());
        QVERIFY2(shown(*other_) == shown(*window), c.name);

        for (ga::qt::MainWindow* w : {window.get(), other_.get()}) {
            c.after(*w);
        }
        QVERIFY2(shown(*other_) == shown(*window), c.name);
        for (Control chart : {Control::Picture1, Control::Picture2}) {
            QVERIFY2(other_->control<ga::qt::ChartWidget>(chart)->image() ==
                         window->control<ga::qt::ChartWidget>(chart)->image(),
                     c.name);
        }
        other_.reset();
    }
    QCOMPARE(window->windowTitle(), QStringLiteral("Genetik Algoritma - Ravik — run.genetik"));
}

// A save that fails leaves the file that was there byte for byte, says why naming the file,
// and leaves the run alone: a missing folder, a folder in the file's place, and a disk that
// fills up on the way (a file size limit, which holds for root too).
void SessionWindowTest::failedSaveKeepsTheOldFile() {
    stepRun(5);
    const QString file = path("keep.genetik");
    QVERIFY(window->files().saveSession(file));
    const QByteArray before = contents(file);
    window->form().stepOnce();
    const Shown running = shown(*window);

    QVERIFY(!window->files().saveSession(path("no/such/folder/x.genetik")));
    expectProblem(QStringLiteral("x.genetik"));
    QVERIFY(QDir(dir_->path()).mkdir(QStringLiteral("taken.genetik")));
    QVERIFY(!window->files().saveSession(path("taken.genetik")));
    expectProblem(QStringLiteral("taken.genetik"));

    rlimit old{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = static_cast<rlim_t>(before.size() / 2);
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool saved = window->files().saveSession(file);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    QVERIFY(!saved);
    expectProblem(QStringLiteral("keep.genetik"));
    QCOMPARE(contents(file), before);
    QCOMPARE(QDir(dir_->path()).entryList(QDir::Files),
             QStringList({QStringLiteral("keep.genetik")}));
    QCOMPARE(shown(*window), running);
}

// Files that are no session, or a session broken, cut short, from a newer program or huge,
// are refused with a message naming the file and the reason; the window stays as it was.
void SessionWindowTest::hostileFilesChangeNothing() {
    stepRun(12);
    QVERIFY(window->files().saveSession(path("good.genetik")));
    const QByteArray good = contents(path("good.genetik"));
    window->form().stepOnce();
    const Shown before = shown(*window);
    const QString title = window->windowTitle();

    const auto write = [this](const char* name, const QByteArray& bytes) {
        QFile f(path(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    };
    QByteArray newer = good;
    newer.replace("\"formatVersion\": 2", "\"formatVersion\": 3");
    QByteArray wrongKind = good;
    wrongKind.replace("\"timerInterval\": ", "\"timerInterval\": \"x\", \"old\": ");
    // Well-formed, but the first gene is no longer the one the history ends with.
    QByteArray spoilt = good;
    qsizetype at = spoilt.indexOf("\"genes\": [");
    while (at < spoilt.size() && (spoilt[at] < '0' || spoilt[at] > '9')) {
        ++at;
    }
    spoilt.insert(at, "1");
    // A score with more right answers than questions asked.
    QByteArray overScored = good;
    overScored.replace("\"right\": 0", "\"right\": 5");

    struct Case {
        const char* name;
        QByteArray bytes;
        QString reason;
    };
    const QList<Case> cases{
        {"empty.genetik", {}, QStringLiteral("bozuk")},
        {"cut.genetik", good.left(good.size() / 2), QStringLiteral("yarıda kesilmiş")},
        {"image.genetik", QByteArray("\x89PNG\r\n\x1a\n", 8), QStringLiteral("bozuk")},
        {"list.genetik", "[1, 2, 3]", QStringLiteral("oturum değil")},
        {"newer.genetik", newer, QStringLiteral("daha yeni")},
        {"kind.genetik", wrongKind, QStringLiteral("timerInterval")},
        {"spoilt.genetik", spoilt, QStringLiteral("son nesliyle")},
        {"deep.genetik", QByteArray(100000, '['), QStringLiteral("bozuk")},
        // Streamed: a member no reader knows, nested without end; something after the end.
        {"deeper.genetik",
         QByteArray(good).insert(good.indexOf("\"typedBoxes\""),
                                 "\"laterMember\": " + QByteArray(100000, '[')),
         QStringLiteral("bozuk")},
        {"after.genetik", good + "{}", QStringLiteral("bozuk")},
        {"score.genetik", overScored, QStringLiteral("prediction")},
    };
    for (const Case& c : cases) {
        write(c.name, c.bytes);
        QVERIFY2(!window->files().openSession(path(c.name)), c.name);
        expectProblem(QString::fromLatin1(c.name), c.reason);
    }
    // A file over the size limit is refused before it is read; a pipe is never read at all.
    {
        QFile huge(path("huge.genetik"));
        QVERIFY(huge.open(QIODevice::WriteOnly));
        QVERIFY(huge.resize(ga::session::kMaxFileBytes + 1));
    }
    QVERIFY(!window->files().openSession(path("huge.genetik")));
    expectProblem(QStringLiteral("huge.genetik"), QStringLiteral("büyük"));
    QCOMPARE(mkfifo(path("pipe.genetik").toLocal8Bit().constData(), 0600), 0);
    QVERIFY(!window->files().openSession(path("pipe.genetik")));
    expectProblem(QStringLiteral("pipe.genetik"), QStringLiteral("dosya değil"));
    QVERIFY(!window->files().openSession(path("gone.genetik")));
    expectProblem(QStringLiteral("gone.genetik"), QStringLiteral("bulunamadı"));

    QCOMPARE(shown(*window), before);
    QCOMPARE(window->windowTitle(), title);
    // The run goes on as if nothing had been tried.
    window->form().stepOnce();
    QCOMPARE(window->form().run().module1().nesilSayisi, 15.0);
}

// A session file dropped on the window opens; other files are not taken. It was saved just
// after a second "Hazırla", so the lists show the last generation above the new population.
void SessionWindowTest::droppedSessionOpens() {
    stepRun(3);
    press(Control::Command1);
    QVERIFY(window->files().saveSession(path("drop.genetik")));
    const Shown saved = shown(*window);
    QCOMPARE(saved.genes.size(), 40);
    press(Control::Command4);
    QVERIFY(shown(*window) != saved);

    const auto drop = [this](const QString& file) {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(file)});
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QCoreApplication::sendEvent(window.get(), &enter);
        if (!enter.isAccepted()) {
            return false;
        }
        QDropEvent dropped(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(window.get(), &dropped);
        return true;
    };
    QVERIFY(!drop(path("notes.txt")));
    QVERIFY(drop(path("drop.genetik")));
    QCOMPARE(shown(*window), saved);
}

// The report as UTF-8 text, the run as CSV, and the three charts as PNG at the screen's pixel
// ratio and as SVG, one file per chart named after the one chosen.
void SessionWindowTest::exportsWhatTheWindowShows() {
    stepRun(4);
    FileMenu& files = window->files();
    QVERIFY(files.exportReport(path("rapor.txt")));
    const Shown now = shown(*window);
    QCOMPARE(QString::fromUtf8(contents(path("rapor.txt"))),
             now.log.join(QLatin1Char('\n')) + QLatin1Char('\n'));

    QVERIFY(files.exportRunCsv(path("run.csv")));
    const QList<QByteArray> rows = contents(path("run.csv")).split('\n');
    QVERIFY(rows[0].startsWith("kind,generation,position,gene,value,fitness,"));
    // A header, twenty listed individuals, five generations (the prepared one and four),
    // each line ended by CR LF.
    QCOMPARE(rows.size(), 1 + 20 + 5 + 1);
    QVERIFY(rows[1].startsWith("population,5,1," + now.genes[0].toUtf8() + ","));
    QVERIFY(rows[25].startsWith("generation,5,,,,,"));
    QVERIFY(rows[25].endsWith(",1\r"));

    QVERIFY(files.exportCharts(path("grafik.png"), FileMenu::ChartFormat::Png));
    const QStringList pngs = FileMenu::chartPaths(path("grafik.png"), FileMenu::ChartFormat::Png);
    QCOMPARE(pngs.value(0), path("grafik-uyum.png"));
    auto* picture = window->control<ga::qt::ChartWidget>(Control::Picture1);
    const QImage fitness(pngs[0]);
    QCOMPARE(fitness.size(), picture->surfaceSize() * window->devicePixelRatioF());
    QCOMPARE(fitness.convertToFormat(QImage::Format_RGB32),
             picture->image().convertToFormat(QImage::Format_RGB32));
    QVERIFY(!QImage(pngs[2]).isNull());

    QVERIFY(files.exportCharts(path("grafik"), FileMenu::ChartFormat::Svg));
    for (const QString& svg : FileMenu::chartPaths(path("grafik"), FileMenu::ChartFormat::Svg)) {
        const QByteArray text = contents(svg);
        QVERIFY2(text.contains("<svg") && text.contains("</svg>"), qPrintable(svg));
    }
    // Every circle drawn, as a vector.
    QCOMPARE(contents(path("grafik-uyum.svg")).count("<circle"), picture->pointCount());
}

// Every number and text a session holds reads back bit for bit through the streaming writer
// and reader, also where JSON has no number for it (infinities, NaN, minus zero), where a
// short decimal form is easy to get wrong, and where a text needs escapes.
void SessionWindowTest::numbersReadBackBitForBit() {
    const std::vector<double> tricky{0.1,
                                     1.0 / 3,
                                     -0.0,
                                     0.0,
                                     1e21,
                                     1e-320,
                                     5e-324,
                                     9007199254740993.0,
                                     9007199254740992.0,
                                     -1.7976931348623157e308,
                                     std::numeric_limits<double>::infinity(),
                                     -std::numeric_limits<double>::infinity(),
                                     std::numeric_limits<double>::quiet_NaN(),
                                     123456789012345680000.0,
                                     2.5e-7,
                                     99999};
    const std::vector<std::string> texts{"ğüşıöç İĞÜŞÖÇ \"quoted\" \\ \t", "\x01\x1f", "", "😀 ∞"};
    QByteArray bytes;
    QBuffer out(&bytes);
    QVERIFY(out.open(QIODevice::WriteOnly));
    ga::session::JsonWriter w(out);
    w.beginArray();
    for (double x : tricky) {
        w.number(x);
    }
    for (const std::string& t : texts) {
        w.string(t);
    }
    w.endArray();
    QVERIFY(w.finish().isEmpty());

    // Read back as a session field reads a number: a JSON number or one of the four words.
    QBuffer in(&bytes);
    QVERIFY(in.open(QIODevice::ReadOnly));
    using Token = ga::session::JsonReader::Token;
    ga::session::JsonReader r(in, bytes.size());
    QCOMPARE(r.next(), Token::BeginArray);
    for (double x : tricky) {
        const Token t = r.next();
        double y = r.number();
        if (t == Token::String) {
            const std::string_view word = r.text();
            y = word == "NaN"         ? std::numeric_limits<double>::quiet_NaN()
                : word == "Infinity"  ? std::numeric_limits<double>::infinity()
                : word == "-Infinity" ? -std::numeric_limits<double>::infinity()
                : word == "-0"        ? -0.0
                                      : 42;
        } else {
            QCOMPARE(t, Token::Number);
        }
        QVERIFY2(std::memcmp(&x, &y, sizeof(double)) == 0 || (std::isnan(x) && std::isnan(y)),
                 qPrintable(QString::number(x, 'g', 17)));
    }
    for (const std::string& t : texts) {
        QCOMPARE(r.next(), Token::String);
        QCOMPARE(std::string(r.text()), t);
    }
    QCOMPARE(r.next(), Token::EndArray);
    QCOMPARE(r.next(), Token::End);
}

// A session the program saved before format version 2 (six generations from the seed
// 1234567 towards 100000) opens showing what that run showed, and goes on exactly as the
// same run goes on live.
void SessionWindowTest::version1SessionGoesOn() {
    const QString fixture = QFINDTESTDATA("data/session-version1.genetik");
    QVERIFY(!fixture.isEmpty());
    QVERIFY(contents(fixture).contains("\"formatVersion\": 1"));
    stepRun(6);

    other_ = std::make_unique<ga::qt::MainWindow>(".");
    other_->show();
    QVERIFY(QTest::qWaitForWindowExposed(other_.get()));
    QVERIFY(other_->files().openSession(fixture));
    QCOMPARE(shown(*other_), shown(*window));
    for (ga::qt::MainWindow* w : {window.get(), other_.get()}) {
        for (int i = 0; i < 20; ++i) {
            w->form().stepOnce();
        }
    }
    QCOMPARE(shown(*other_), shown(*window));
    for (Control chart : {Control::Picture1, Control::Picture2}) {
        QCOMPARE(other_->control<ga::qt::ChartWidget>(chart)->image(),
                 window->control<ga::qt::ChartWidget>(chart)->image());
    }
}

// A long run under small memory limits (its oldest detail dropped, its summaries merged into
// buckets) is written and read as they stream: the run opened goes on as the original does,
// and saved again it gives the very same file.
void SessionWindowTest::longRunStreamsBothWays() {
    const ga::HistoryLimits small{std::size_t{200} << 10U, std::size_t{100} << 10U};
    struct Side {
        ga::test::RecordingOps ops;
        ga::Random random;
        ga::Form1 form{ops, random};
    };
    Side a;
    Side b;
    for (Side* side : {&a, &b}) {
        side->ops.recordCircles = false;
        side->form.setHistoryLimits(small);
        side->form.Form_Load();
    }
    a.form.useSeed(7U);
    a.ops.setText(Control::Text1, "100000");
    a.form.Command1_Click();
    a.form.Command2_Click();
    for (int i = 0; i < 20000; ++i) {
        a.form.Timer1_Timer();
    }
    QVERIFY(a.form.run().history().firstChunk() > 0);
    QVERIFY(a.form.run().history().summaries().bucketWidth() > 1);

    const QString file = path("long.genetik");
    QVERIFY(ga::session::saveFile(file, a.form, QStringLiteral("1")).isEmpty());
    ga::session::ReadResult read = ga::session::readFile(file, small);
    QVERIFY2(read.state.has_value(), qPrintable(read.detail));
    b.form.restore(std::move(*read.state));
    QCOMPARE(ga::session::toJson(b.form, QStringLiteral("1")), contents(file));

    a.form.Command3_Click();
    for (Side* side : {&a, &b}) {
        for (int i = 0; i < 300; ++i) {
            side->form.stepOnce();
        }
    }
    for (Control list : ga::kPopulationLists) {
        QCOMPARE(b.ops.list(list), a.ops.list(list));
    }
    QCOMPARE(b.ops.texts, a.ops.texts);
    QVERIFY(std::equal(a.form.log().begin(), a.form.log().end(), b.form.log().begin(),
                       b.form.log().end()));
    QCOMPARE(b.form.run().history().size(), a.form.run().history().size());
}

// The prediction mode and its score come back with the session; the mode's window opens
// again, and a score kept with the mode off is kept too.
void SessionWindowTest::predictionModeComesBack() {
    stepRun(3);
    for (const bool on : {true, false}) {
        ga::PredictionState state;
        state.score(ga::QuestionKind::Mating, true);
        state.score(ga::QuestionKind::Selection, false);
        window->setPredictionMode(true);
        window->predictionWindow()->setState(state);
        window->setPredictionMode(on);
        QVERIFY(window->files().saveSession(path("scored.genetik")));
        other_ = std::make_unique<ga::qt::MainWindow>(".");
        QVERIFY(other_->files().openSession(path("scored.genetik")));
        state.on = on;
        QCOMPARE(other_->predictionState(), state);
        QVERIFY(other_->predictionWindow() != nullptr);
        QCOMPARE(other_->predictionWindow()->isVisible(), on);
    }
}

GA_WINDOW_TEST(SessionWindowTest)
#include "SessionWindowTest.moc"
