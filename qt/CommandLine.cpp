#include "qt/CommandLine.h"

#include "form/Messages.h"
#include "qt/Translations.h"
#include "runtime/Convert.h"
#include "runtime/Random.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <string>
#include <thread>
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
                            QStringLiteral("The setting that varies: mutation or target."),
                            QStringLiteral("mutation|target")};
    QCommandLineOption values{
        QStringLiteral("values"),
        QStringLiteral("Its values: a list such as 1,5,10 or a range START:END:STEP such as "
                       "0:100:5."),
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
    QCommandLineOption output{
        QStringLiteral("output"),
        QStringLiteral("Write the per-run CSV to FILE instead of standard output."),
        QStringLiteral("FILE")};

    void addTo(QCommandLineParser& parser) const {
        for (const QCommandLineOption* o : all()) {
            parser.addOption(*o);
        }
    }
    [[nodiscard]] std::array<const QCommandLineOption*, 11> all() const {
        return {&experiment, &vary,     &values,       &runs,      &maxGenerations, &threads,
                &target,     &mutation, &coefficients, &exponents, &output};
    }
};

QString optionName(const QCommandLineOption& option) {
    return QStringLiteral("--") + option.names().front();
}

// Why --values is refused, in a line that says what to type instead.
QString valuesError(ExperimentError error, const QString& text) {
    switch (error) {
    case ExperimentError::EmptyValues:
        return QStringLiteral("--values is empty; give a list such as 1,5,10 or a range such as "
                              "0:100:5.");
    case ExperimentError::BadRange:
        return QStringLiteral("--values: a range is START:END:STEP, such as 0:100:5, not '%1'.")
            .arg(text);
    case ExperimentError::ZeroStep:
        return QStringLiteral("--values: the step of the range '%1' cannot be 0.").arg(text);
    case ExperimentError::WrongSignStep:
        return QStringLiteral("--values: the step of the range '%1' leads away from its end.")
            .arg(text);
    case ExperimentError::TooManyRuns:
        return QStringLiteral("--values '%1' gives more than %2 values.").arg(text).arg(kMaxRuns);
    default:
        return QStringLiteral("--values needs numbers with a decimal point, separated by "
                              "commas (1,5,10), or a range START:END:STEP, not '%1'.")
            .arg(text);
    }
}

// A whole number from `least` to `most`, or nothing.
std::optional<std::uint32_t> wholeIn(const QString& text, std::uint32_t least, std::uint32_t most) {
    const auto n = parseSeed(text.toStdString());
    if (!n || *n < least || *n > most) {
        return std::nullopt;
    }
    return n;
}

// Five numbers separated by commas, as typed: the run reads each with Val, as the window
// reads its boxes.
std::optional<std::array<std::string, 5>> fiveNumbers(const QString& text) {
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 5) {
        return std::nullopt;
    }
    std::array<std::string, 5> numbers;
    for (std::size_t j = 0; j < 5; ++j) {
        auto number = numberAsTyped(parts[static_cast<qsizetype>(j)].toStdString());
        if (!number) {
            return std::nullopt;
        }
        numbers[j] = std::move(*number);
    }
    return numbers;
}

// Reads the experiment's options into `result`; false with result.error set when one is
// refused. The options of an experiment mean nothing without --experiment.
bool readExperiment(const QCommandLineParser& parser, const ExperimentOptions& o,
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
    ExperimentSettings& e = result.experiment;
    e.baseSeed = result.seed.value_or(1);
    result.seed.reset();
    if (!parser.isSet(o.vary)) {
        return refuse(QStringLiteral("--experiment needs --vary mutation or --vary target."));
    }
    const auto varied = parseVariedSetting(parser.value(o.vary).toStdString());
    if (!varied) {
        return refuse(QStringLiteral("--vary must be 'mutation' or 'target', not '%1'.")
                          .arg(parser.value(o.vary)));
    }
    e.varied = *varied;
    if (!parser.isSet(o.values)) {
        return refuse(QStringLiteral("--experiment needs --values, a list such as 1,5,10 or a "
                                     "range such as 0:100:5."));
    }
    const QString valuesText = parser.value(o.values);
    ValueList values = parseValues(valuesText.toStdString());
    if (values.error != ExperimentError::None) {
        return refuse(valuesError(values.error, valuesText));
    }
    e.values = std::move(values.values);

    const QCommandLineOption& fixed = *varied == VariedSetting::Target ? o.target : o.mutation;
    if (parser.isSet(fixed)) {
        return refuse(QStringLiteral("%1 cannot be given with --vary %2; its values come from "
                                     "--values.")
                          .arg(optionName(fixed), parser.value(o.vary)));
    }
    if (parser.isSet(o.target)) {
        auto target = numberAsTyped(parser.value(o.target).toStdString());
        if (!target || !acceptableTarget(Val(*target))) {
            return refuse(QStringLiteral("--target needs a number greater than 0 and at most "
                                         "100000, not '%1'.")
                              .arg(parser.value(o.target)));
        }
        e.inputs.target = std::move(*target);
    }
    if (parser.isSet(o.mutation)) {
        auto mutation = numberAsTyped(parser.value(o.mutation).toStdString());
        if (!mutation) {
            return refuse(QStringLiteral("--mutation needs a number, not '%1'.")
                              .arg(parser.value(o.mutation)));
        }
        e.inputs.mutation = std::move(*mutation);
    }
    for (const auto& [option, texts] : {std::pair{&o.coefficients, &e.inputs.coefficients},
                                        std::pair{&o.exponents, &e.inputs.exponents}}) {
        if (parser.isSet(*option)) {
            const auto numbers = fiveNumbers(parser.value(*option));
            if (!numbers) {
                return refuse(QStringLiteral("%1 needs five numbers separated by commas, not "
                                             "'%2'.")
                                  .arg(optionName(*option), parser.value(*option)));
            }
            *texts = *numbers;
        }
    }
    if (parser.isSet(o.runs)) {
        const auto runs = wholeIn(parser.value(o.runs), 1, kMaxRuns);
        if (!runs) {
            return refuse(QStringLiteral("--runs needs a whole number from 1 to %1, not '%2'.")
                              .arg(kMaxRuns)
                              .arg(parser.value(o.runs)));
        }
        e.runsPerSetting = *runs;
    }
    if (parser.isSet(o.maxGenerations)) {
        const auto limit = wholeIn(parser.value(o.maxGenerations), 1, kMaxGenerationLimit);
        if (!limit) {
            return refuse(QStringLiteral("--max-generations needs a whole number from 1 to %1, "
                                         "not '%2'.")
                              .arg(kMaxGenerationLimit)
                              .arg(parser.value(o.maxGenerations)));
        }
        e.generationLimit = *limit;
    }
    e.threads = std::clamp(std::thread::hardware_concurrency(), 1U, kMaxThreads);
    if (parser.isSet(o.threads)) {
        const auto threads = wholeIn(parser.value(o.threads), 1, kMaxThreads);
        if (!threads) {
            return refuse(QStringLiteral("--threads needs a whole number from 1 to %1, not '%2'.")
                              .arg(kMaxThreads)
                              .arg(parser.value(o.threads)));
        }
        e.threads = *threads;
    }
    if (parser.isSet(o.output)) {
        result.experimentOutput = parser.value(o.output);
        if (result.experimentOutput.isEmpty()) {
            return refuse(QStringLiteral("--output needs a file name."));
        }
    }
    switch (check(e)) {
    case ExperimentError::None:
        break;
    case ExperimentError::TooManyRuns:
        return refuse(QStringLiteral("%1 values times %2 runs is more than %3 runs in all.")
                          .arg(e.values.size())
                          .arg(e.runsPerSetting)
                          .arg(kMaxRuns));
    case ExperimentError::TargetRefused:
        return refuse(QStringLiteral("--values: every target must be greater than 0 and at most "
                                     "100000."));
    default:
        return refuse(QStringLiteral("the experiment's settings cannot run."));
    }
    result.action = CommandLine::Action::Experiment;
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
            "--experiment, the base seed of the runs' seeds (default 1)."),
        QStringLiteral("N"));
    parser.addOption(seed);
    const QCommandLineOption lang(
        QStringLiteral("lang"),
        QStringLiteral("The language of the window for this start: tr (Turkish, the default) "
                       "or en (English); without it, the language last chosen in the window."),
        QStringLiteral("tr|en"));
    parser.addOption(lang);
    const ExperimentOptions experimentOptions;
    experimentOptions.addTo(parser);
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
        result.session = files.front();
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
    readExperiment(parser, experimentOptions, result);
    return result;
}

} // namespace ga::qt
