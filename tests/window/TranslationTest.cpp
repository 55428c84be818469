#include "cli/Translations.h"
#include "form/experiments/SummaryColumns.h"
#include "form/texts/Messages.h"
#include "form/window/ControlTable.h"
#include "tests/window/WindowTestMain.h"

#include <QTest>

#include <array>
#include <set>
#include <string>
#include <string_view>

using ga::Language;

namespace {

bool hasWords(std::string_view text) {
    int letters = 0;
    for (unsigned char c : text) {
        letters += (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c >= 0x80 ? 1 : 0;
    }
    return letters > 1;
}

QByteArray quoted(std::string_view text) {
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

// The plain layers' texts reach English through the program's translation file, in the
// context they were marked in: a text looked up under another name than it was marked
// with would stay Turkish in the English window.
class TranslationTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { ga::qt::Translations::serveThePlainLayers(); }
    void everyControlHasItsEnglish();
    void everyMessageHasItsEnglish();
    void everyExperimentTextHasItsEnglish();
};

// Every caption and screen-reader name with words has English of its own; the letters of
// the formula, the numbers and the list heading F(x,y,z,k,c) stay as they are.
void TranslationTest::everyControlHasItsEnglish() {
    for (const ga::ControlRow& row : ga::controlTable()) {
        const QByteArray name = quoted(ga::controlName(row.id));
        if (hasWords(row.text)) {
            QVERIFY2(ga::controlText(row.id, Language::English) != row.text, name.constData());
        } else {
            QCOMPARE(quoted(ga::controlText(row.id, Language::English)), quoted(row.text));
        }
        if (hasWords(row.accessibleName) && row.accessibleName != "F(x,y,z,k,c)") {
            QVERIFY2(ga::controlAccessibleName(row.id, Language::English) != row.accessibleName,
                     name.constData());
        }
    }
}

// The status lines, the message boxes and the report's sentences, the last with every
// number in them.
void TranslationTest::everyMessageHasItsEnglish() {
    const ga::Messages& turkish = ga::messages(Language::Turkish);
    const ga::Messages& english = ga::messages(Language::English);
    for (std::string ga::Messages::*text :
         {&ga::Messages::waiting, &ga::Messages::prepared, &ga::Messages::started,
          &ga::Messages::stopped, &ga::Messages::reset, &ga::Messages::reached,
          &ga::Messages::targetRejected, &ga::Messages::about, &ga::Messages::undefined}) {
        QVERIFY2(!(english.*text).empty() && english.*text != turkish.*text,
                 (turkish.*text).c_str());
    }
    QVERIFY(english.about.find(ga::programVersion()) != std::string::npos);
    const std::array numbers{11.0, 22.0, 33.0};
    for (ga::ReportSentence ga::Messages::*sentence :
         {&ga::Messages::diedOfAge, &ga::Messages::eliminated, &ga::Messages::mutated,
          &ga::Messages::mated}) {
        std::string inTurkish;
        std::string inEnglish;
        ga::appendSentence(inTurkish, turkish.*sentence, numbers, turkish.undefined);
        ga::appendSentence(inEnglish, english.*sentence, numbers, english.undefined);
        QVERIFY2(inEnglish != inTurkish, inTurkish.c_str());
        for (std::size_t n = 0; n < (english.*sentence).places.size(); ++n) {
            const std::string number = " " + std::to_string(11 * (n + 1));
            QVERIFY2(inEnglish.find(number) != std::string::npos, inEnglish.c_str());
        }
    }
}

// Every reason an experiment is refused, the summary's headers and the methods' names.
void TranslationTest::everyExperimentTextHasItsEnglish() {
    std::set<std::string_view> seen;
    for (int e = static_cast<int>(ga::ExperimentError::UnknownSetting);
         e <= static_cast<int>(ga::ExperimentError::BadMethod); ++e) {
        const auto error = static_cast<ga::ExperimentError>(e);
        const std::string_view text = ga::experimentErrorText(error, Language::English);
        QVERIFY2(!text.empty() && text != ga::experimentErrorText(error, Language::Turkish),
                 quoted(text).constData());
        QVERIFY2(seen.insert(text).second, quoted(text).constData());
    }
    for (const ga::SummaryColumnDef* column :
         ga::peopleColumns(ga::VariedSetting::Mutation, ga::Method::HillClimbing)) {
        for (ga::VariedSetting varied :
             {ga::VariedSetting::Mutation, ga::VariedSetting::Target, ga::VariedSetting::Method}) {
            const std::string_view header = ga::columnHeader(*column, varied, Language::English);
            QVERIFY2(header != ga::columnHeader(*column, varied, Language::Turkish),
                     quoted(header).constData());
        }
    }
    for (ga::Method method :
         {ga::Method::GeneticAlgorithm, ga::Method::RandomSearch, ga::Method::HillClimbing}) {
        QVERIFY(ga::methodLabel(method, Language::English) !=
                ga::methodLabel(method, Language::Turkish));
    }
}

GA_WINDOW_TEST(TranslationTest)
#include "TranslationTest.moc"
