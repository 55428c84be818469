#include "form/lessons/LessonRun.h"
#include "form/window/Form1.h"
#include "qt/lessons/LessonsWindow.h"
#include "qt/lessons/Worksheet.h"
#include "session/LessonJson.h"
#include "tests/window/WindowFixture.h"
#include "tests/window/WindowTestMain.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using ga::Control;
using ga::qt::LessonsWindow;

// Lesson files from anywhere: a broken, hostile, huge or newer one is refused with its reason
// in Turkish before anything changes, and a lesson's worksheet carries the board's numbers,
// with the answers only on the teacher's copy.
class LessonFileTest : public ga::test::WindowFixture {
    Q_OBJECT

  private slots:
    void init() {
        QVERIFY(openWindow());
        window->showLessons();
        lessons = window->lessonsWindow();
        QVERIFY(lessons != nullptr);
    }
    void cleanup() { closeWindow(); }

    void refusesWhatIsNoLesson_data();
    void refusesWhatIsNoLesson();
    void opensATeachersOwnLesson();
    void worksheetsCarryTheBoardsNumbers();

  private:
    static QByteArray builtIn() {
        QFile f(QStringLiteral(":/lessons/01-selection.json"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // The first built-in lesson with one field of its first step (or of itself) replaced.
    static QByteArray changed(const QString& key, const QJsonValue& value, bool inStep) {
        QJsonObject top = QJsonDocument::fromJson(builtIn()).object();
        if (inStep) {
            QJsonArray steps = top[QStringLiteral("steps")].toArray();
            QJsonObject first = steps[0].toObject();
            first[key] = value;
            steps[0] = first;
            top[QStringLiteral("steps")] = steps;
        } else {
            top[key] = value;
        }
        return QJsonDocument(top).toJson();
    }
    QTemporaryDir dir;
    LessonsWindow* lessons = nullptr;
};

void LessonFileTest::refusesWhatIsNoLesson_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");
    const QByteArray lesson = builtIn();
    QVERIFY(!lesson.isEmpty());
    QTest::newRow("cut short") << lesson.left(lesson.size() / 2)
                               << QStringLiteral("dosya bozuk ya da yarım");
    QTest::newRow("binary") << QByteArray("\x00\xff\x13\x37", 4)
                            << QStringLiteral("dosya bozuk ya da yarım");
    QTest::newRow("a session") << QByteArray(R"({"format": "genetik-algoritma-session"})")
                               << QStringLiteral("bu programın bir dersi değil");
    QTest::newRow("newer") << changed(QStringLiteral("formatVersion"), 2, false)
                           << QStringLiteral("daha yeni bir sürümü için yazılmış (biçim sürümü 2)");
    QTest::newRow("one language")
        << changed(QStringLiteral("title"),
                   QJsonObject{{QStringLiteral("tr"), QStringLiteral("x")}}, true)
        << QStringLiteral("1. adımda \"title.en\" alanı Türkçe ve İngilizce metnin ikisini");
    QTest::newRow("a typing slip")
        << changed(QStringLiteral("taks"),
                   QJsonObject{{QStringLiteral("kind"), QStringLiteral("run")}}, true)
        << QStringLiteral("1. adımda \"taks\" alanı bu ders biçiminde yok");
    QTest::newRow("a run before a seed")
        << changed(QStringLiteral("setUp"), QJsonObject{{QStringLiteral("target"), 277}}, true)
        << QStringLiteral("1. adımda \"task\" alanı çalıştırmayı, bir düzen tohumu sabitlemeden");
    QTest::newRow("a target refused")
        << changed(QStringLiteral("setUp"),
                   QJsonObject{{QStringLiteral("target"), 0}, {QStringLiteral("seed"), 1}}, true)
        << QStringLiteral("\"setUp.target\" alanı izin verilen sınırların dışında");
    QTest::newRow("endless generations")
        << changed(QStringLiteral("task"),
                   QJsonObject{{QStringLiteral("kind"), QStringLiteral("step")},
                               {QStringLiteral("generations"), 1e12}},
                   true)
        << QStringLiteral("\"task.generations\" alanı izin verilen sınırların dışında");
    QTest::newRow("an experiment too large")
        << changed(QStringLiteral("task"),
                   QJsonObject{{QStringLiteral("kind"), QStringLiteral("experiment")},
                               {QStringLiteral("vary"), QStringLiteral("mutation")},
                               {QStringLiteral("values"), QStringLiteral("0:100:1")},
                               {QStringLiteral("runs"), 100},
                               {QStringLiteral("limit"), 20000},
                               {QStringLiteral("seed"), 1}},
                   true)
        << QStringLiteral("fazla çok nesil ya da çalıştırma");
    // Over the limit by one byte: blanks are valid JSON, so only the size refuses it.
    QTest::newRow("huge") << lesson + QByteArray(ga::session::kMaxLessonBytes, ' ')
                          << QStringLiteral("fazla büyük");
}

void LessonFileTest::refusesWhatIsNoLesson() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    const QString path = dir.filePath(QStringLiteral("ders.json"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
    f.close();

    lessons->lessonList()->setCurrentRow(1);
    lessons->goTo(2);
    const QString shown = lessons->stepText()->text();
    const auto count = lessons->lessons().size();
    QVERIFY(!lessons->openLesson(path));
    QTRY_COMPARE(openBoxes().size(), 1);
    const QString message = openBoxes().front()->text();
    QVERIFY2(message.startsWith(QStringLiteral("\"ders.json\" ders olarak açılamadı: ")),
             qPrintable(message));
    QVERIFY2(message.contains(reason), qPrintable(message));
    // Nothing changed: the same lessons, the same lesson and step on show.
    QCOMPARE(lessons->lessons().size(), count);
    QCOMPARE(lessons->currentLesson(), 1);
    QCOMPARE(lessons->currentStep(), 2);
    QCOMPARE(lessons->stepText()->text(), shown);
}

void LessonFileTest::opensATeachersOwnLesson() {
    // A folder is not a file; a teacher's own lesson is listed after the built-in ones.
    QVERIFY(!lessons->openLesson(dir.path()));
    QTRY_COMPARE(openBoxes().size(), 1);
    QVERIFY(openBoxes().front()->text().contains(QStringLiteral("bu bir dosya değil")));
    openBoxes().front()->close();

    QJsonObject title{{QStringLiteral("tr"), QStringLiteral("Benim dersim")},
                      {QStringLiteral("en"), QStringLiteral("My lesson")}};
    const QString path = dir.filePath(QStringLiteral("benim.json"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(QJsonDocument::fromJson(QString::fromUtf8(builtIn())
                                        .replace(QStringLiteral("Kim ölür, neden? Seçilim"),
                                                 QStringLiteral("Benim dersim"))
                                        .toUtf8())
                .toJson());
    f.close();
    const auto count = lessons->lessons().size();
    QVERIFY(lessons->openLesson(path));
    QCOMPARE(lessons->lessons().size(), count + 1);
    QCOMPARE(lessons->currentLesson(), static_cast<int>(count));
    QVERIFY(
        lessons->lessonList()->currentItem()->text().startsWith(QStringLiteral("Benim dersim")));
    QCOMPARE(lessons->currentStep(), 0);
}

void LessonFileTest::worksheetsCarryTheBoardsNumbers() {
    lessons->lessonList()->setCurrentRow(0);
    const ga::Lesson& lesson = lessons->lessons().front();
    const ga::qt::Worksheet student(lesson, false);
    const ga::qt::Worksheet teacher(lesson, true);

    // The board after the first step's set-up and task: its prepared genes are on both
    // sheets, in the table the rows question is ticked on.
    QTest::mouseClick(lessons->setUpButton(), Qt::LeftButton);
    QTest::mouseClick(lessons->taskButton(), Qt::LeftButton);
    const QStringList genes = lines(get<QListWidget>(Control::Gen));
    QCOMPARE(genes.size(), 20);
    for (const QString& gene : genes) {
        QVERIFY2(student.html().contains(QStringLiteral(">%1<").arg(gene)), qPrintable(gene));
    }
    // Every answer and explanation is on the teacher's copy only.
    const std::vector<std::optional<ga::LessonAnswer>> answers = ga::LessonRun::answers(lesson);
    for (std::size_t s = 0; s < lesson.steps.size(); ++s) {
        if (!lesson.steps[s].question) {
            continue;
        }
        const ga::LessonQuestion& q = *lesson.steps[s].question;
        QVERIFY(answers[s].has_value());
        const QString explanation =
            QString::fromStdString(ga::explanationText(q, *answers[s], ga::Language::Turkish))
                .toHtmlEscaped();
        QVERIFY2(teacher.html().contains(explanation), qPrintable(explanation));
        QVERIFY(!student.html().contains(explanation));
    }
    QVERIFY(teacher.html().contains(QString::fromStdString(lesson.closing.tr).toHtmlEscaped()));
    QVERIFY(!student.html().contains(QStringLiteral("Cevap:")));

    // Written as a PDF through the window, whole.
    const QString path = dir.filePath(QStringLiteral("kagit.pdf"));
    QCOMPARE(lessons->saveWorksheet(path, true), QString());
    QFile pdf(path);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    QVERIFY(bytes.startsWith("%PDF-"));
    QVERIFY(bytes.trimmed().endsWith("%%EOF"));
    // A folder that is not there is a clear failure, not a crash or a half file.
    QVERIFY(
        !lessons->saveWorksheet(dir.filePath(QStringLiteral("yok/kagit.pdf")), false).isEmpty());
}

GA_WINDOW_TEST(LessonFileTest)
#include "LessonFileTest.moc"
