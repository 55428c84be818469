#include "engine/QuestionBank.h"
#include "form/window/Form1.h"
#include "qt/files/FileMenu.h"
#include "qt/files/QuestionBankDialog.h"
#include "question/BankText.h"
#include "question/MoodleXml.h"
#include "tests/window/WindowFixture.h"
#include "tests/window/WindowTestMain.h"

#include <QAction>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include <vector>

using ga::BankQuestion;
using ga::QuestionKind;

namespace {

// One <question> of a Moodle XML file, as the importer reads it.
struct Read {
    QString type;
    QString name;
    QString text;
    QString feedback;
    QString single;
    std::vector<std::pair<double, QString>> answers; // fraction, text
    int answerFeedbacks = 0;
};

std::vector<Read> readQuiz(const QByteArray& xml, QString& error) {
    std::vector<Read> questions;
    QXmlStreamReader reader(xml);
    QStringList path;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement()) {
            const QString name = reader.name().toString();
            path << name;
            if (name == QLatin1String("question")) {
                questions.push_back({});
                questions.back().type = reader.attributes().value(QLatin1String("type")).toString();
            } else if (name == QLatin1String("answer")) {
                questions.back().answers.emplace_back(
                    reader.attributes().value(QLatin1String("fraction")).toDouble(), QString());
            }
        } else if (reader.isEndElement()) {
            path.removeLast();
        } else if (reader.isCharacters() && !reader.isWhitespace() && !questions.empty()) {
            Read& q = questions.back();
            const QString where = path.mid(path.indexOf(QLatin1String("question")) + 1).join('/');
            const QString text = reader.text().toString();
            if (where == QLatin1String("name/text")) {
                q.name += text;
            } else if (where == QLatin1String("questiontext/text")) {
                q.text += text;
            } else if (where == QLatin1String("generalfeedback/text")) {
                q.feedback += text;
            } else if (where == QLatin1String("single")) {
                q.single = text;
            } else if (where == QLatin1String("answer/text")) {
                q.answers.back().second += text;
            } else if (where == QLatin1String("answer/feedback/text")) {
                ++q.answerFeedbacks;
            }
        }
    }
    error = reader.hasError() ? reader.errorString() : QString();
    if (!path.isEmpty()) {
        error = QStringLiteral("unclosed elements");
    }
    return questions;
}

} // namespace

// The question bank as a teacher gets it: Moodle XML that the importer reads, with the
// right rows, numbers and truth values the runs gave; a PDF with the key on its own pages;
// and a dialog that refuses what would make no bank.
class QuestionBankExportTest : public ga::test::WindowFixture {
    Q_OBJECT

  private slots:
    void init() {
        QVERIFY(openWindow());
        QVERIFY(dir_.isValid());
    }
    void cleanup() { closeWindow(); }

    // The same settings write the same bytes, and every question is encoded as Moodle
    // imports it, with its answer marked as the run gave it.
    void moodleXmlIsStableAndFaithful() {
        ga::QuestionBankSettings s;
        s.count = 24;
        s.baseSeed = 99;
        // Fractions in the function give numbers with decimals, the hard case for a gap.
        s.inputs = {"30.5", "20", {"0.5", "1", "1.25", "1", "1"}, {"2", "2", "1", "1", "1"}};
        const ga::QuestionBank bank = ga::makeQuestionBank(s);
        QCOMPARE(bank.questions.size(), std::size_t{24});
        const ga::qt::QuestionText words(",");
        const ga::qt::BankText text(words);
        const QByteArray xml = ga::qt::moodleXml(s, bank, text);
        QCOMPARE(ga::qt::moodleXml(s, ga::makeQuestionBank(s), text), xml);

        QString error;
        const std::vector<Read> read = readQuiz(xml, error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QCOMPARE(read.size(), bank.questions.size() + 1);
        QCOMPARE(read.front().type, QStringLiteral("category"));
        const QString types[] = {"multichoice", "numerical", "cloze", "truefalse"};
        for (std::size_t i = 0; i < bank.questions.size(); ++i) {
            const BankQuestion& item = bank.questions[i];
            const Read& q = read[i + 1];
            const QString where = QStringLiteral("question %1").arg(i + 1);
            QVERIFY2(q.type == types[static_cast<int>(item.question.kind)], qPrintable(where));
            QVERIFY2(q.name.startsWith(QStringLiteral("Soru %1 — ").arg(i + 1, 2, 10, QChar('0'))),
                     qPrintable(q.name));
            QVERIFY2(!q.text.isEmpty() && !q.feedback.isEmpty(), qPrintable(where));
            QVERIFY2(q.answerFeedbacks == static_cast<int>(q.answers.size()), qPrintable(where));
            switch (item.question.kind) {
            case QuestionKind::Selection: {
                QCOMPARE(q.single, QStringLiteral("false"));
                QCOMPARE(q.answers.size(), std::size_t{20});
                double right = 0;
                double all = 0;
                for (std::size_t row = 0; row < 20; ++row) {
                    const double fraction = q.answers[row].first;
                    QVERIFY2((fraction > 0) == item.verdict.died[row], qPrintable(where));
                    QVERIFY(
                        q.answers[row].second.startsWith(QStringLiteral("%1. satır").arg(row + 1)));
                    right += fraction > 0 ? fraction : 0;
                    all += fraction;
                }
                // Full marks for the ten, none for ticking every row.
                QCOMPARE(right, 100.0);
                QCOMPARE(all, 0.0);
                break;
            }
            case QuestionKind::Mating:
                QCOMPARE(q.answers.size(), std::size_t{2});
                QCOMPARE(q.answers[0].first, 100.0);
                QCOMPARE(q.answers[0].second.toDouble(), item.verdict.child);
                QCOMPARE(q.answers[1].second, QStringLiteral("*"));
                break;
            case QuestionKind::Fitness: {
                // Two numerical gaps, F and the fitness, as a platform reads numbers.
                const QString f = QStringLiteral("{1:NUMERICAL:=%1:0}")
                                      .arg(ga::qt::BankText::machineNumber(item.verdict.value));
                const QString fit = QStringLiteral("{1:NUMERICAL:=%1:0}")
                                        .arg(ga::qt::BankText::machineNumber(item.verdict.fit));
                QVERIFY2(q.text.contains(f) && q.text.contains(fit), qPrintable(q.text));
                QVERIFY2(q.answers.empty(), qPrintable(where));
                break;
            }
            case QuestionKind::Progress:
                QCOMPARE(q.answers.size(), std::size_t{2});
                QCOMPARE(q.answers[0].second, QStringLiteral("true"));
                QCOMPARE(q.answers[0].first, item.verdict.improved ? 100.0 : 0.0);
                QCOMPARE(q.answers[1].first, item.verdict.improved ? 0.0 : 100.0);
                break;
            }
        }
    }

    // The dialog says what is wrong and stays open; what it accepts is what it showed.
    void dialogRefusesAndReads() {
        type(ga::Control::Text1, QStringLiteral("0"));
        ga::qt::QuestionBankDialog dialog(window->typedInputs(), 5, ".", window.get());
        dialog.show();
        auto* seed = dialog.findChild<QLineEdit*>(QStringLiteral("questionSeed"));
        auto* error = dialog.findChild<QLabel*>(QStringLiteral("questionBankError"));
        auto* save = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Save);
        QCOMPARE(seed->text(), QStringLiteral("5"));

        struct Step {
            const char* seed;
            std::array<bool, ga::kQuestionKinds> kinds;
            bool firstValues;
        };
        // A seed that is no seed, no kind, then the window's target of 0 ("Hazırla" refuses it).
        const Step refused[] = {{"12x", {true, true, true, true}, false},
                                {"4294967296", {true, true, true, true}, false},
                                {"42", {false, false, false, false}, false},
                                {"42", {false, true, false, false}, false}};
        const char* const kinds[] = {"selectionKind", "matingKind", "fitnessKind", "progressKind"};
        for (const Step& step : refused) {
            seed->setText(QString::fromLatin1(step.seed));
            for (std::size_t k = 0; k < ga::kQuestionKinds; ++k) {
                dialog.findChild<QCheckBox*>(QLatin1String(kinds[k]))->setChecked(step.kinds[k]);
            }
            error->clear();
            QTest::mouseClick(save, Qt::LeftButton);
            QVERIFY2(dialog.isVisible(), step.seed);
            QVERIFY2(!error->text().isEmpty(), step.seed);
        }
        dialog.findChild<QRadioButton*>(QStringLiteral("firstRuns"))->setChecked(true);
        dialog.findChild<QRadioButton*>(QStringLiteral("pdfFormat"))->setChecked(true);
        dialog.findChild<QSpinBox*>(QStringLiteral("questionCount"))->setValue(7);
        QTest::mouseClick(save, Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.settings().baseSeed, 42U);
        QCOMPARE(dialog.settings().count, 7U);
        QCOMPARE(dialog.settings().inputs.target, std::string("277"));
        QVERIFY((dialog.settings().kinds == std::array<bool, 4>{false, true, false, false}));
        QCOMPARE(dialog.format(), ga::qt::QuestionBankDialog::Format::Pdf);
    }

    // "Dışa aktar" offers the bank, and it is written from the window's own boxes: as a
    // PDF whose answer key starts a page of its own, or as Moodle XML.
    void writtenFromTheWindow() {
        auto* action = window->findChild<QAction*>(QStringLiteral("exportQuestionsAction"));
        QVERIFY(action != nullptr);
        QCOMPARE(action->text(), QStringLiteral("S&oru bankası…"));

        type(ga::Control::Text1, QStringLiteral("150"));
        ga::QuestionBankSettings s;
        s.count = 3;
        s.kinds = {false, true, true, false};
        s.inputs = window->typedInputs();
        const QString pdf = dir_.filePath(QStringLiteral("bank.pdf"));
        QVERIFY(window->files().exportQuestionBank(pdf, s));
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith("%PDF-"));
        // Three questions without a table fit one page; the key takes the next.
        QCOMPARE(bytes.count("/Type /Page\n"), 2);

        const QString xml = dir_.filePath(QStringLiteral("bank.xml"));
        QVERIFY(window->files().exportQuestionBank(xml, s));
        QFile moodle(xml);
        QVERIFY(moodle.open(QIODevice::ReadOnly));
        QVERIFY(moodle.readAll().contains("Hedef: 150."));
    }

  private:
    QTemporaryDir dir_;
};

GA_WINDOW_TEST(QuestionBankExportTest)
#include "QuestionBankExportTest.moc"
