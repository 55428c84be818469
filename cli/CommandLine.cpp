#include "cli/CommandLine.h"

#include "cli/Translations.h"
#include "form/texts/Messages.h"
#include "runtime/Convert.h"
#include "runtime/Random.h"
#include "session/Utf8.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <array>
#include <string>
#include <thread>
#include <tuple>
#include <utility>

namespace ga::qt {

namespace {

// The options QApplication takes for itself; they are accepted here and left to it.
void allowQtOptions(QCommandLineParser& parser) {
    const char* const withValue[] = {
        "platform",    "platformpluginpath", "platformtheme", "plugin",     "qwindowgeometry",
        "qwindowicon", "qwindowtitle",       "style",         "stylesheet", "session",
        "display",     "geometry",           "title"};
    for (const char* name : withValue) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    const char* const flags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};
    for (const char* name : flags) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

// --- Experiments without a window -------------------------------------------------------

// The options of --experiment, in the order the help lists them.
struct ExperimentOptions {
    QCommandLineOption experiment{
        QStringLiteral("experiment"),
        QStringLiteral("Run an experiment without a window and exit: many runs for each value of "
                       "one setting, one CSV line per run. No display is needed.")};
    QCommandLineOption vary{QStringLiteral("vary"),
                            QStringLiteral("The setting that varies: mutation, target or method."),
                            QStringLiteral("mutation|target|method")};
    QCommandLineOption values{
        QStringLiteral("values"),
        QStringLiteral("Its values: a list such as 1,5,10 or a range START:END:STEP such as "
                       "0:100:5; methods as a list such as ga,random,hill."),
        QStringLiteral("LIST")};
    QCommandLineOption runs{QStringLiteral("runs"),
                            QStringLiteral("Runs per setting (default 100)."), QStringLiteral("N")};
    QCommandLineOption maxGenerations{
        QStringLiteral("max-generations"),
        QStringLiteral("The generation limit of one run (default 10000)."), QStringLiteral("N")};
    QCommandLineOption threads{
        QStringLiteral("threads"),
        QStringLiteral("How many runs go on at once (default: the number of processors)."),
        QStringLiteral("N")};
    QCommandLineOption target{QStringLiteral("target"),
                              QStringLiteral("The target number (default 277)."),
                              QStringLiteral("X")};
    QCommandLineOption mutation{QStringLiteral("mutation"),
                                QStringLiteral("The mutation percentage (default 5)."),
                                QStringLiteral("X")};
    QCommandLineOption coefficients{
        QStringLiteral("coefficients"),
        QStringLiteral("The coefficients of the objective function (default 1,1,1,1,1)."),
        QStringLiteral("a,b,c,d,e")};
    QCommandLineOption exponents{
        QStringLiteral("exponents"),
        QStringLiteral("The exponents of the objective function (default 3,2,2,1,1)."),
        QStringLiteral("p,q,r,s,t")};
    QCommandLineOption method{
        QStringLiteral("method"),
        QStringLiteral("How every run searches: ga (the genetic algorithm, default), random "
                       "(random search) or hill (hill climbing)."),
        QStringLiteral("ga|random|hill")};
    QCommandLineOption output{
        QStringLiteral("output"),
        QStringLiteral("Write the per-run CSV of --experiment to FILE instead of standard "
                       "output; with --questions, the bank as Moodle XML (FILE.xml) or as a "
                       "printable PDF (FILE.pdf)."),
        QStringLiteral("FILE")};

    void addTo(QCommandLineParser& parser) const {
        for (const QCommandLineOption* o : all()) {
            parser.addOption(*o);
        }
    }
    [[nodiscard]] std::array<const QCommandLineOption*, 12> all() const {
        return {&experiment, &vary,     &values,       &runs,      &maxGenerations, &threads,
                &target,     &mutation, &coefficients, &exponents, &method,         &output};
    }
};

QString optionName(const QCommandLineOption& option) {
    return QStringLiteral("--") + option.names().front();
}

// Five numbers separated by commas, each as typed; nothing when there are not five.
std::optional<std::array<std::string, 5>> fiveTexts(const QString& text) {
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 5) {
        return std::nullopt;
    }
    std::array<std::string, 5> texts;
    for (std::size_t j = 0; j < 5; ++j) {
        texts[j] = parts[static_cast<qsizetype>(j)].toStdString();
    }
    return texts;
}

// Reads the experiment's options into `result`; false with result.error set when one is
// refused. The options of an experiment mean nothing without --experiment.
bool readExperimentOptions(const QCommandLineParser& parser, const ExperimentOptions& o,
                           CommandLine& result) {
    const auto refuse = [&result](const QString& error) {
        result.action = CommandLine::Action::Error;
        result.error = error;
        return false;
    };
    if (!parser.isSet(o.experiment)) {
        for (const QCommandLineOption* option : o.all()) {
            if (parser.isSet(*option)) {
                return refuse(QStringLiteral("%1 belongs to an experiment; add --experiment.")
                                  .arg(optionName(*option)));
            }
        }
        return true;
    }
    // The options are gathered as typed; the settings are read as the window reads its
    // boxes, and a refusal is worded as there, in English, after the option at fault.
    ExperimentTexts texts;
    texts.baseSeed = std::to_string(result.seed.value_or(1));
    result.seed.reset();
    if (!parser.isSet(o.vary)) {
        return refuse(
            QStringLiteral("--experiment needs --vary mutation, --vary target or --vary method."));
    }
    texts.varied = parser.value(o.vary).toStdString();
    if (!parser.isSet(o.values)) {
        return refuse(QStringLiteral("--experiment needs --values, a list such as 1,5,10 or a "
                                     "range such as 0:100:5."));
    }
    texts.values = parser.value(o.values).toStdString();
    // The varied setting's own option has nothing to say; a setting that is no setting is
    // refused below with the rest.
    const auto varied = parseVariedSetting(texts.varied);
    const QCommandLineOption& fixed = varied == VariedSetting::Target   ? o.target
                                      : varied == VariedSetting::Method ? o.method
                                                                        : o.mutation;
    if (varied && parser.isSet(fixed)) {
        return refuse(QStringLiteral("%1 cannot be given with --vary %2; its values come from "
                                     "--values.")
                          .arg(optionName(fixed), parser.value(o.vary)));
    }
    if (parser.isSet(o.target)) {
        texts.inputs.target = parser.value(o.target).toStdString();
    }
    if (parser.isSet(o.mutation)) {
        texts.inputs.mutation = parser.value(o.mutation).toStdString();
    }
    for (const auto& [option, five] : {std::pair{&o.coefficients, &texts.inputs.coefficients},
                                       std::pair{&o.exponents, &texts.inputs.exponents}}) {
        if (parser.isSet(*option)) {
            const auto given = fiveTexts(parser.value(*option));
            if (!given) {
                return refuse(QStringLiteral("%1 needs five numbers separated by commas, not "
                                             "'%2'.")
                                  .arg(optionName(*option), parser.value(*option)));
            }
            *five = *given;
        }
    }
    if (parser.isSet(o.method)) {
        texts.method = parser.value(o.method).toStdString();
    }
    if (parser.isSet(o.runs)) {
        texts.runsPerSetting = parser.value(o.runs).toStdString();
    }
    if (parser.isSet(o.maxGenerations)) {
        texts.generationLimit = parser.value(o.maxGenerations).toStdString();
    }
    texts.threads =
        parser.isSet(o.threads)
            ? parser.value(o.threads).toStdString()
            : std::to_string(std::clamp(std::thread::hardware_concurrency(), 1U, kMaxThreads));
    if (parser.isSet(o.output)) {
        result.experimentOutput = parser.value(o.output);
        if (result.experimentOutput.isEmpty()) {
            return refuse(QStringLiteral("--output needs a file name."));
        }
    }
    ExperimentReading reading = readExperiment(texts);
    if (!reading.settings) {
        const QCommandLineOption* option = &o.values;
        switch (reading.field) {
        case ExperimentField::Varied:
            option = &o.vary;
            break;
        case ExperimentField::Values:
            break;
        case ExperimentField::Target:
            option = &o.target;
            break;
        case ExperimentField::Mutation:
            option = &o.mutation;
            break;
        case ExperimentField::Coefficient:
            option = &o.coefficients;
            break;
        case ExperimentField::Exponent:
            option = &o.exponents;
            break;
        case ExperimentField::Runs:
            option = &o.runs;
            break;
        case ExperimentField::Limit:
            option = &o.maxGenerations;
            break;
        case ExperimentField::Seed:
            // --seed is not an experiment option: it is read above, for the window too.
            return refuse(
                QStringLiteral("--seed: %1")
                    .arg(fromUtf8(experimentErrorText(reading.error, Language::English))));
        case ExperimentField::Threads:
            option = &o.threads;
            break;
        case ExperimentField::Method:
            option = &o.method;
            break;
        }
        const std::string_view why = experimentErrorText(reading.error, Language::English);
        return refuse(QStringLiteral("%1 '%2': %3")
                          .arg(optionName(*option), parser.value(*option), fromUtf8(why)));
    }
    result.experiment = std::move(*reading.settings);
    result.action = CommandLine::Action::Experiment;
    return true;
}

// --- Question banks without a window ----------------------------------------------------

struct QuestionOptions {
    QCommandLineOption questions{
        QStringLiteral("questions"),
        QStringLiteral("Write N prediction questions (1 to 1000) with their answers and "
                       "explanations without a window and exit: Moodle XML on standard output "
                       "or in --output FILE.xml, a printable PDF in --output FILE.pdf. The "
                       "same --seed (the base seed, default 1) gives the same questions; "
                       "--target, --mutation, --coefficients and --exponents set the runs, "
                       "and --lang the language. No display is needed."),
        QStringLiteral("N")};
    QCommandLineOption kinds{
        QStringLiteral("kinds"),
        QStringLiteral("The kinds of question of --questions (default all): a list such as "
                       "selection,mating,fitness,progress."),
        QStringLiteral("LIST")};
};

// The kinds named in a list such as "selection,progress"; nothing when a name is unknown.
std::optional<std::array<bool, kQuestionKinds>> parseKinds(const QString& text) {
    static const std::array<QString, kQuestionKinds> kNames{
        QStringLiteral("selection"), QStringLiteral("mating"), QStringLiteral("fitness"),
        QStringLiteral("progress")};
    std::array<bool, kQuestionKinds> kinds{};
    for (const QString& part : text.split(QLatin1Char(','))) {
        const auto found = std::find(kNames.begin(), kNames.end(), part.trimmed());
        if (found == kNames.end()) {
            return std::nullopt;
        }
        kinds.at(static_cast<std::size_t>(found - kNames.begin())) = true;
    }
    return kinds;
}

// Reads --questions and the options it shares with --experiment into `result`; false with
// result.error set when one is refused.
bool readQuestionOptions(const QCommandLineParser& parser, const ExperimentOptions& e,
                         const QuestionOptions& o, CommandLine& result) {
    const auto refuse = [&result](const QString& error) {
        result.action = CommandLine::Action::Error;
        result.error = error;
        return false;
    };
    if (parser.isSet(e.experiment)) {
        return refuse(QStringLiteral("--questions and --experiment cannot be given together."));
    }
    for (const QCommandLineOption* option :
         {&e.vary, &e.values, &e.runs, &e.maxGenerations, &e.threads, &e.method}) {
        if (parser.isSet(*option)) {
            return refuse(QStringLiteral("%1 belongs to an experiment, not to --questions.")
                              .arg(optionName(*option)));
        }
    }
    QuestionBankSettings settings;
    settings.baseSeed = result.seed.value_or(1);
    result.seed.reset();
    const auto count = parseSeed(parser.value(o.questions).toStdString());
    if (!count || *count < 1 || *count > kMaxBankQuestions) {
        return refuse(QStringLiteral("--questions needs a whole number from 1 to %1, not '%2'.")
                          .arg(kMaxBankQuestions)
                          .arg(parser.value(o.questions)));
    }
    settings.count = *count;
    if (parser.isSet(o.kinds)) {
        const auto kinds = parseKinds(parser.value(o.kinds));
        if (!kinds) {
            return refuse(QStringLiteral("--kinds takes selection, mating, fitness or progress, "
                                         "separated by commas, not '%1'.")
                              .arg(parser.value(o.kinds)));
        }
        settings.kinds = *kinds;
    }
    // Every number typed as a number, as for an experiment; the runs then read them as the
    // window reads its boxes.
    const auto typed = [&](const QCommandLineOption& option, std::string& into,
                           ExperimentError why) {
        if (!parser.isSet(option)) {
            return true;
        }
        auto number = numberAsTyped(parser.value(option).toStdString());
        if (!number || (why == ExperimentError::TargetRefused && !acceptableTarget(Val(*number)))) {
            return refuse(QStringLiteral("%1 '%2': %3")
                              .arg(optionName(option), parser.value(option),
                                   fromUtf8(experimentErrorText(why, Language::English))));
        }
        into = std::move(*number);
        return true;
    };
    if (!typed(e.target, settings.inputs.target, ExperimentError::TargetRefused) ||
        !typed(e.mutation, settings.inputs.mutation, ExperimentError::BadMutation)) {
        return false;
    }
    for (const auto& [option, five, why] :
         {std::tuple{&e.coefficients, &settings.inputs.coefficients,
                     ExperimentError::BadCoefficient},
          std::tuple{&e.exponents, &settings.inputs.exponents, ExperimentError::BadExponent}}) {
        if (!parser.isSet(*option)) {
            continue;
        }
        const auto given = fiveTexts(parser.value(*option));
        if (!given) {
            return refuse(QStringLiteral("%1 needs five numbers separated by commas, not '%2'.")
                              .arg(optionName(*option), parser.value(*option)));
        }
        for (std::size_t j = 0; j < 5; ++j) {
            auto number = numberAsTyped(given->at(j));
            if (!number) {
                return refuse(QStringLiteral("%1 '%2': %3")
                                  .arg(optionName(*option), parser.value(*option),
                                       fromUtf8(experimentErrorText(why, Language::English))));
            }
            five->at(j) = std::move(*number);
        }
    }
    if (parser.isSet(e.output)) {
        result.questionsOutput = parser.value(e.output);
        const QString suffix = QFileInfo(result.questionsOutput).suffix().toLower();
        if (suffix != QLatin1String("xml") && suffix != QLatin1String("pdf")) {
            return refuse(QStringLiteral("--output of --questions must end in .xml (Moodle XML) "
                                         "or .pdf, not '%1'.")
                              .arg(result.questionsOutput));
        }
    }
    result.questions = settings;
    result.action = CommandLine::Action::Questions;
    return true;
}

} // namespace

CommandLine parseCommandLine(const QStringList& arguments) {
    CommandLine result;
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Genetik Algoritma: shows a genetic algorithm at work, generation by generation."));
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    // Help and version by hand: Qt's own also offer --help-all, which needs a display.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the program's version and exit."));
    parser.addOption(help);
    parser.addOption(version);
    const QCommandLineOption seed(
        QStringLiteral("seed"),
        QStringLiteral(
            "Start with the random generator's seed fixed to N (0 to 4294967295); "
            "\"Sıfırla\" then reseeds with the same seed, so a run can be replayed. With "
            "--experiment or --questions, the base seed of the runs' seeds (default 1)."),
        QStringLiteral("N"));
    parser.addOption(seed);
    const QCommandLineOption lang(
        QStringLiteral("lang"),
        QStringLiteral("The language of the window for this start: tr (Turkish, the default) "
                       "or en (English); without it, the language last chosen in the window."),
        QStringLiteral("tr|en"));
    parser.addOption(lang);
    const QCommandLineOption present(
        QStringLiteral("present"),
        QStringLiteral("Start in the presentation mode for a classroom board: the window full "
                       "screen, scaled to fit, with large touch buttons along the bottom. F11 "
                       "leaves it; without this option, the mode last chosen in the window."));
    parser.addOption(present);
    const ExperimentOptions experimentOptions;
    experimentOptions.addTo(parser);
    const QuestionOptions questionOptions;
    parser.addOption(questionOptions.questions);
    parser.addOption(questionOptions.kinds);
    parser.addPositionalArgument(
        QStringLiteral("FILE"),
        QStringLiteral("A saved session (*.genetik) to open in the window. One that cannot be "
                       "opened leaves the window as it starts and says why in a message box."),
        QStringLiteral("[FILE]"));
    allowQtOptions(parser);

    // The program's name stands where Qt would need a running application to find it.
    result.help = parser.helpText().replace(QStringLiteral("<executable_name>"),
                                            QStringLiteral("genetik-algoritma"));
    if (!parser.parse(arguments)) {
        result.action = CommandLine::Action::Error;
        result.error = parser.errorText();
        return result;
    }
    if (parser.isSet(help)) {
        result.action = CommandLine::Action::Help;
        return result;
    }
    if (parser.isSet(version)) {
        result.action = CommandLine::Action::Version;
        return result;
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        result.action = CommandLine::Action::Error;
        result.error = QStringLiteral("Only one session file can be opened, not '%1' as well.")
                           .arg(files.at(1));
        return result;
    }
    if (!files.isEmpty()) {
        // A session opens in the window; an experiment has no window to open it in.
        if (parser.isSet(experimentOptions.experiment)) {
            result.action = CommandLine::Action::Error;
            result.error = QStringLiteral("A session file cannot be opened with --experiment.");
            return result;
        }
        if (parser.isSet(questionOptions.questions)) {
            result.action = CommandLine::Action::Error;
            result.error = QStringLiteral("A session file cannot be opened with --questions.");
            return result;
        }
        result.session = files.front();
    }
    if (parser.isSet(present)) {
        // An experiment without a window has nothing to present.
        if (parser.isSet(experimentOptions.experiment)) {
            result.action = CommandLine::Action::Error;
            result.error = QStringLiteral("--present needs the window; it cannot be given with "
                                          "--experiment.");
            return result;
        }
        result.present = true;
    }
    if (parser.isSet(lang)) {
        result.language = Translations::fromCode(parser.value(lang));
        if (!result.language) {
            result.action = CommandLine::Action::Error;
            result.error =
                QStringLiteral("--lang takes tr or en, not '%1'.").arg(parser.value(lang));
            return result;
        }
    }
    if (parser.isSet(seed)) {
        result.seed = parseSeed(parser.value(seed).toStdString());
        if (!result.seed) {
            result.action = CommandLine::Action::Error;
            result.error =
                QStringLiteral("--seed needs a whole number from 0 to 4294967295, not '%1'.")
                    .arg(parser.value(seed));
            return result;
        }
    }
    if (parser.isSet(questionOptions.questions)) {
        readQuestionOptions(parser, experimentOptions, questionOptions, result);
        return result;
    }
    if (parser.isSet(questionOptions.kinds)) {
        result.action = CommandLine::Action::Error;
        result.error = QStringLiteral("--kinds belongs to a question bank; add --questions.");
        return result;
    }
    readExperimentOptions(parser, experimentOptions, result);
    return result;
}

} // namespace ga::qt
