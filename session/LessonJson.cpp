#include "session/LessonJson.h"

#include "engine/ExperimentSettings.h"
#include "engine/Run.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>
#include <QStringList>

#include <cmath>
#include <limits>
#include <utility>

namespace ga::session {

namespace {

// Limits that no sensible lesson comes near and that keep a hostile one small and quick: its
// run is made again for every answer and every worksheet.
constexpr qsizetype kMaxSteps = 100;
constexpr qsizetype kMaxTextLength = 4000;
constexpr qsizetype kMaxTitleLength = 200;
constexpr int kMaxChoices = 8;
constexpr double kMaxStepGenerations = 10'000;
constexpr double kMaxRunGeneration = 100'000;
constexpr double kMaxLessonGenerations = 1'000'000;
constexpr double kMaxExperimentRuns = 2'000;
// An experiment's runs times its limit, and the experiments a lesson may hold: the answers
// about them take seconds at the most.
constexpr double kMaxExperimentGenerations = 4'000'000;
constexpr int kMaxExperiments = 5;
constexpr double kMaxExperimentRunsPerSetting = 200;
constexpr double kMaxExperimentLimit = 20'000;
constexpr double kMaxSeed = 4'294'967'295.0;

struct Refusal {
    LessonProblem problem;
    QString field;
};

// Reads one object's fields, refusing a field it does not know, and names each field by its
// path for the message.
class Fields {
  public:
    Fields(const QJsonValue& value, QString path) : path_(std::move(path)) {
        if (!value.isObject()) {
            throw Refusal{LessonProblem::WrongKind, path_};
        }
        object_ = value.toObject();
    }

    // Every field is one of `known`.
    void only(const QStringList& known) const {
        for (auto it = object_.begin(); it != object_.end(); ++it) {
            if (!known.contains(it.key())) {
                throw Refusal{LessonProblem::Unknown, name(it.key())};
            }
        }
    }
    [[nodiscard]] bool has(const QString& key) const { return object_.contains(key); }
    [[nodiscard]] QJsonValue at(const QString& key) const {
        if (!object_.contains(key)) {
            throw Refusal{LessonProblem::Missing, name(key)};
        }
        return object_.value(key);
    }
    [[nodiscard]] QString name(const QString& key) const {
        return path_.isEmpty() ? key : path_ + QLatin1Char('.') + key;
    }

    [[nodiscard]] double number(const QString& key, double low, double high,
                                bool whole = true) const {
        return numberOf(at(key), name(key), low, high, whole);
    }
    static double numberOf(const QJsonValue& v, const QString& field, double low, double high,
                           bool whole) {
        if (!v.isDouble()) {
            throw Refusal{LessonProblem::WrongKind, field};
        }
        const double x = v.toDouble();
        if (!(x >= low && x <= high) || (whole && std::trunc(x) != x)) {
            throw Refusal{LessonProblem::OutOfRange, field};
        }
        return x;
    }
    [[nodiscard]] QString string(const QString& key) const {
        const QJsonValue v = at(key);
        if (!v.isString()) {
            throw Refusal{LessonProblem::WrongKind, name(key)};
        }
        return v.toString();
    }
    [[nodiscard]] LessonText text(const QString& key, qsizetype limit = kMaxTextLength) const {
        return textOf(at(key), name(key), limit);
    }
    static LessonText textOf(const QJsonValue& v, const QString& field,
                             qsizetype limit = kMaxTextLength) {
        const Fields f(v, field);
        f.only({QStringLiteral("tr"), QStringLiteral("en"), QStringLiteral("value")});
        LessonText t;
        for (const char* language : {"tr", "en"}) {
            const QString key = QLatin1String(language);
            if (!f.has(key) || !f.at(key).isString() || f.at(key).toString().trimmed().isEmpty()) {
                throw Refusal{LessonProblem::NoText, f.name(key)};
            }
            const QString s = f.at(key).toString();
            if (s.size() > limit) {
                throw Refusal{LessonProblem::TooLong, f.name(key)};
            }
            (key == QLatin1String("tr") ? t.tr : t.en) = s.toStdString();
        }
        return t;
    }

  private:
    QString path_;
    QJsonObject object_;
};

// A number for a box, as a person would type it: a JSON number written the way the lists
// write it, or a text that is a number.
std::string boxText(const QJsonValue& v, const QString& field) {
    if (v.isDouble()) {
        const double x = v.toDouble();
        if (!std::isfinite(x)) {
            throw Refusal{LessonProblem::OutOfRange, field};
        }
        return numberText(x);
    }
    if (v.isString()) {
        if (std::optional<std::string> typed = numberAsTyped(v.toString().toStdString())) {
            return *typed;
        }
    }
    throw Refusal{LessonProblem::WrongKind, field};
}

std::array<std::string, 5> fiveBoxes(const QJsonValue& v, const QString& field) {
    if (!v.isArray() || v.toArray().size() != 5) {
        throw Refusal{LessonProblem::WrongKind, field};
    }
    std::array<std::string, 5> out;
    for (qsizetype i = 0; i < 5; ++i) {
        out.at(static_cast<std::size_t>(i)) =
            boxText(v.toArray().at(i), field + QStringLiteral("[%1]").arg(i));
    }
    return out;
}

LessonSetUp readSetUp(const Fields& f) {
    f.only({QStringLiteral("coefficients"), QStringLiteral("exponents"), QStringLiteral("target"),
            QStringLiteral("mutation"), QStringLiteral("speed"), QStringLiteral("seed"),
            QStringLiteral("prediction")});
    LessonSetUp s;
    if (f.has(QStringLiteral("coefficients"))) {
        s.coefficients =
            fiveBoxes(f.at(QStringLiteral("coefficients")), f.name(QStringLiteral("coefficients")));
    }
    if (f.has(QStringLiteral("exponents"))) {
        s.exponents =
            fiveBoxes(f.at(QStringLiteral("exponents")), f.name(QStringLiteral("exponents")));
    }
    if (f.has(QStringLiteral("target"))) {
        const QString name = f.name(QStringLiteral("target"));
        s.target = boxText(f.at(QStringLiteral("target")), name);
        // A target "Hazırla" would refuse would stop the lesson at its first task.
        if (!acceptableTarget(*parseNumber(*s.target))) {
            throw Refusal{LessonProblem::OutOfRange, name};
        }
    }
    if (f.has(QStringLiteral("mutation"))) {
        const QString name = f.name(QStringLiteral("mutation"));
        s.mutation = boxText(f.at(QStringLiteral("mutation")), name);
        const double m = *parseNumber(*s.mutation);
        if (!(m >= 0 && m <= 100)) {
            throw Refusal{LessonProblem::OutOfRange, name};
        }
    }
    if (f.has(QStringLiteral("speed"))) {
        const QString name = f.name(QStringLiteral("speed"));
        s.speed = boxText(f.at(QStringLiteral("speed")), name);
        const double v = *parseNumber(*s.speed);
        if (!(v > 0 && v <= 2000)) {
            throw Refusal{LessonProblem::OutOfRange, name};
        }
    }
    if (f.has(QStringLiteral("seed"))) {
        s.seed = static_cast<std::uint32_t>(f.number(QStringLiteral("seed"), 0, kMaxSeed));
    }
    if (f.has(QStringLiteral("prediction"))) {
        if (!f.at(QStringLiteral("prediction")).isBool()) {
            throw Refusal{LessonProblem::WrongKind, f.name(QStringLiteral("prediction"))};
        }
        s.prediction = f.at(QStringLiteral("prediction")).toBool();
    }
    return s;
}

std::optional<double> methodValue(const QJsonValue& v) {
    if (v.isString()) {
        if (const std::optional<Method> m = parseMethod(v.toString().toStdString())) {
            return static_cast<double>(*m);
        }
    }
    return std::nullopt;
}

LessonTask readTask(const Fields& f) {
    LessonTask t;
    const QString kind = f.string(QStringLiteral("kind"));
    const QString generations = QStringLiteral("generations");
    if (kind == QLatin1String("prepare")) {
        f.only({QStringLiteral("kind")});
        t.kind = LessonTaskKind::Prepare;
    } else if (kind == QLatin1String("step")) {
        f.only({QStringLiteral("kind"), generations});
        t.kind = LessonTaskKind::Step;
        t.generations = static_cast<std::uint32_t>(f.number(generations, 1, kMaxStepGenerations));
    } else if (kind == QLatin1String("run")) {
        f.only({QStringLiteral("kind"), QStringLiteral("until")});
        t.kind = LessonTaskKind::Run;
        t.generations =
            static_cast<std::uint32_t>(f.number(QStringLiteral("until"), 2, kMaxRunGeneration));
    } else if (kind == QLatin1String("history")) {
        f.only(
            {QStringLiteral("kind"), QStringLiteral("generation"), QStringLiteral("individual")});
        t.kind = LessonTaskKind::History;
        t.generation = f.number(QStringLiteral("generation"), 1, kMaxRunGeneration);
        if (f.has(QStringLiteral("individual"))) {
            t.individual = static_cast<int>(f.number(QStringLiteral("individual"), 1, 20));
        }
    } else if (kind == QLatin1String("experiment")) {
        f.only({QStringLiteral("kind"), QStringLiteral("vary"), QStringLiteral("values"),
                QStringLiteral("runs"), QStringLiteral("limit"), QStringLiteral("seed")});
        t.kind = LessonTaskKind::Experiment;
        const std::optional<VariedSetting> varied =
            parseVariedSetting(f.string(QStringLiteral("vary")).toStdString());
        if (!varied) {
            throw Refusal{LessonProblem::Unknown, f.name(QStringLiteral("vary"))};
        }
        t.varied = *varied;
        t.values = f.string(QStringLiteral("values")).toStdString();
        t.runs = static_cast<std::uint32_t>(
            f.number(QStringLiteral("runs"), 1, kMaxExperimentRunsPerSetting));
        t.limit =
            static_cast<std::uint32_t>(f.number(QStringLiteral("limit"), 1, kMaxExperimentLimit));
        t.seed = static_cast<std::uint32_t>(f.number(QStringLiteral("seed"), 0, kMaxSeed));
        const ValueList values = t.varied == VariedSetting::Method
                                     ? parseMethods(t.values)
                                     : parseValues(t.values, kMaxExperimentRunsPerSetting);
        const bool targetsFine =
            t.varied != VariedSetting::Target ||
            std::all_of(values.values.begin(), values.values.end(), acceptableTarget);
        if (values.error != ExperimentError::None || !targetsFine) {
            throw Refusal{LessonProblem::BadValues, f.name(QStringLiteral("values"))};
        }
        const double runs = static_cast<double>(values.values.size()) * t.runs;
        if (runs > kMaxExperimentRuns || runs * t.limit > kMaxExperimentGenerations) {
            throw Refusal{LessonProblem::TooMuchRunning, f.name(QStringLiteral("runs"))};
        }
    } else if (kind == QLatin1String("searchSpace")) {
        f.only({QStringLiteral("kind")});
        t.kind = LessonTaskKind::SearchSpace;
    } else {
        throw Refusal{LessonProblem::Unknown, f.name(QStringLiteral("kind"))};
    }
    return t;
}

const std::pair<const char*, Quantity> kQuantities[] = {
    {"generation", Quantity::Generation},
    {"bestFitness", Quantity::BestFitness},
    {"bestGene", Quantity::BestGene},
    {"mutations", Quantity::Mutations},
    {"distinctGenes", Quantity::DistinctGenes},
    {"atTarget", Quantity::AtTarget},
    {"oldAgeDeaths", Quantity::OldAgeDeaths},
    {"targetGenes", Quantity::TargetGenes},
    {"exhaustiveEvaluations", Quantity::ExhaustiveEvaluations},
    {"medianGenerations", Quantity::MedianGenerations},
    {"reachedPercent", Quantity::ReachedPercent},
    {"medianEvaluations", Quantity::MedianEvaluations},
    {"fastestSetting", Quantity::FastestSetting},
    {"fewestEvaluations", Quantity::FewestEvaluations},
};

// A quantity the program computes: {"quantity": NAME, "at": N}.
void readQuantity(const Fields& f, LessonQuestion& q) {
    f.only({QStringLiteral("quantity"), QStringLiteral("at")});
    const QString name = f.string(QStringLiteral("quantity"));
    for (const auto& [key, quantity] : kQuantities) {
        if (name == QLatin1String(key)) {
            q.quantity = quantity;
        }
    }
    if (q.quantity == Quantity::None) {
        throw Refusal{LessonProblem::Unknown, f.name(QStringLiteral("quantity"))};
    }
    if (f.has(QStringLiteral("at"))) {
        const QJsonValue at = f.at(QStringLiteral("at"));
        q.at = needsExperiment(q.quantity) ? methodValue(at) : std::nullopt;
        if (!q.at) {
            q.at = Fields::numberOf(at, f.name(QStringLiteral("at")), -1e15, 1e15, false);
        }
    }
    const bool perSetting = q.quantity == Quantity::MedianGenerations ||
                            q.quantity == Quantity::ReachedPercent ||
                            q.quantity == Quantity::MedianEvaluations;
    if (perSetting && !q.at) {
        throw Refusal{LessonProblem::Missing, f.name(QStringLiteral("at"))};
    }
}

LessonQuestion readQuestion(const Fields& f) {
    LessonQuestion q;
    const QString kind = f.string(QStringLiteral("kind"));
    q.prompt = f.text(QStringLiteral("prompt"));
    q.explanation = f.text(QStringLiteral("explanation"));
    const QString answer = QStringLiteral("answer");
    const QJsonValue a = f.at(answer);
    if (f.has(QStringLiteral("tolerance"))) {
        q.tolerance = f.number(QStringLiteral("tolerance"), 0, 1e15, false);
    }
    if (kind == QLatin1String("choice")) {
        f.only({QStringLiteral("kind"), QStringLiteral("prompt"), QStringLiteral("choices"), answer,
                QStringLiteral("tolerance"), QStringLiteral("explanation")});
        q.kind = AnswerKind::Choice;
        const QJsonValue choices = f.at(QStringLiteral("choices"));
        if (!choices.isArray()) {
            throw Refusal{LessonProblem::WrongKind, f.name(QStringLiteral("choices"))};
        }
        const QJsonArray list = choices.toArray();
        if (list.size() < 2 || list.size() > kMaxChoices) {
            throw Refusal{LessonProblem::OutOfRange, f.name(QStringLiteral("choices"))};
        }
        if (a.isObject()) {
            readQuantity(Fields(a, f.name(answer)), q);
        } else {
            q.choice = static_cast<int>(
                Fields::numberOf(a, f.name(answer), 0, static_cast<double>(list.size() - 1), true));
        }
        for (qsizetype i = 0; i < list.size(); ++i) {
            const QString name = f.name(QStringLiteral("choices[%1]").arg(i));
            q.choices.push_back(Fields::textOf(list.at(i), name, kMaxTitleLength));
            if (q.quantity != Quantity::None) {
                // A choice the run may give carries the value it stands for.
                q.choiceValues.push_back(
                    Fields(list.at(i), name).number(QStringLiteral("value"), -1e15, 1e15, false));
            }
        }
    } else if (kind == QLatin1String("number")) {
        f.only({QStringLiteral("kind"), QStringLiteral("prompt"), answer,
                QStringLiteral("tolerance"), QStringLiteral("explanation")});
        q.kind = AnswerKind::Number;
        if (a.isObject()) {
            readQuantity(Fields(a, f.name(answer)), q);
        } else {
            q.value = Fields::numberOf(a, f.name(answer), -1e15, 1e15, false);
        }
    } else if (kind == QLatin1String("rows")) {
        f.only({QStringLiteral("kind"), QStringLiteral("prompt"), answer,
                QStringLiteral("explanation")});
        q.kind = AnswerKind::Rows;
        const QString rows = a.toString();
        if (rows == QLatin1String("dying")) {
            q.rows = RowSet::Dying;
        } else if (rows == QLatin1String("atTarget")) {
            q.rows = RowSet::AtTarget;
        } else if (rows == QLatin1String("best")) {
            q.rows = RowSet::Best;
        } else {
            throw Refusal{LessonProblem::Unknown, f.name(answer)};
        }
    } else {
        throw Refusal{LessonProblem::Unknown, f.name(QStringLiteral("kind"))};
    }
    return q;
}

// What the lesson's run is at a step, as far as its file says: whether a set-up fixed a seed,
// "Hazırla" was pressed since, and an experiment ran.
struct Flow {
    bool seeded = false;
    bool prepared = false;
    bool experiment = false;
    double generations = 0;
    int experiments = 0;
};

void follow(const LessonStep& step, Flow& flow) {
    if (step.setUp && step.setUp->seed) {
        flow.seeded = true;
        flow.prepared = false;
    }
    if (step.task) {
        const LessonTask& t = *step.task;
        switch (t.kind) {
        case LessonTaskKind::Prepare:
        case LessonTaskKind::Step:
        case LessonTaskKind::Run:
        case LessonTaskKind::History:
            // A run that is not the lesson's would give every class different numbers.
            if (!flow.seeded) {
                throw Refusal{LessonProblem::NoSeed, QStringLiteral("task")};
            }
            if (t.kind == LessonTaskKind::History && !flow.prepared) {
                throw Refusal{LessonProblem::NotPrepared, QStringLiteral("task")};
            }
            flow.prepared = true;
            flow.generations += t.generations;
            break;
        case LessonTaskKind::Experiment:
            flow.experiment = true;
            if (++flow.experiments > kMaxExperiments) {
                throw Refusal{LessonProblem::TooMuchRunning, QStringLiteral("task")};
            }
            break;
        case LessonTaskKind::SearchSpace:
            break;
        }
    }
    if (flow.generations > kMaxLessonGenerations) {
        throw Refusal{LessonProblem::TooMuchRunning, QStringLiteral("task")};
    }
    if (step.question) {
        const LessonQuestion& q = *step.question;
        const bool population = needsPopulation(q.quantity) || q.quantity == Quantity::Generation ||
                                q.kind == AnswerKind::Rows;
        if (population && !flow.seeded) {
            throw Refusal{LessonProblem::NoSeed, QStringLiteral("question")};
        }
        if (population && !flow.prepared) {
            throw Refusal{LessonProblem::NotPrepared, QStringLiteral("question")};
        }
        if (needsExperiment(q.quantity) && !flow.experiment) {
            throw Refusal{LessonProblem::NoExperiment, QStringLiteral("question")};
        }
    }
}

} // namespace

LessonReading lessonFromJson(const QByteArray& json) {
    LessonReading result;
    QJsonParseError parse{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &parse);
    if (parse.error != QJsonParseError::NoError) {
        result.error = LessonError::NotJson;
        result.detail = QString::number(parse.offset);
        return result;
    }
    const QJsonObject top = document.object();
    if (!document.isObject() ||
        top.value(QStringLiteral("format")).toString() != QLatin1String(kLessonFormat)) {
        result.error = LessonError::NotALesson;
        return result;
    }
    const QJsonValue version = top.value(QStringLiteral("formatVersion"));
    if (version.isDouble() && version.toDouble() > kLessonFormatVersion &&
        version.toDouble() < 1e9) {
        result.error = LessonError::NewerFormat;
        result.version = static_cast<qint64>(version.toDouble());
        return result;
    }
    Lesson lesson;
    try {
        const Fields f(top, QString());
        f.only({QStringLiteral("format"), QStringLiteral("formatVersion"), QStringLiteral("title"),
                QStringLiteral("goal"), QStringLiteral("minutes"), QStringLiteral("closing"),
                QStringLiteral("steps")});
        static_cast<void>(
            f.number(QStringLiteral("formatVersion"), kLessonFormatVersion, kLessonFormatVersion));
        lesson.title = f.text(QStringLiteral("title"), kMaxTitleLength);
        lesson.goal = f.text(QStringLiteral("goal"));
        lesson.minutes = static_cast<int>(f.number(QStringLiteral("minutes"), 5, 180));
        lesson.closing = f.text(QStringLiteral("closing"));
        const QJsonValue steps = f.at(QStringLiteral("steps"));
        if (!steps.isArray()) {
            throw Refusal{LessonProblem::WrongKind, QStringLiteral("steps")};
        }
        const QJsonArray list = steps.toArray();
        if (list.isEmpty()) {
            throw Refusal{LessonProblem::Missing, QStringLiteral("steps")};
        }
        if (list.size() > kMaxSteps) {
            throw Refusal{LessonProblem::TooLong, QStringLiteral("steps")};
        }
        Flow flow;
        for (qsizetype i = 0; i < list.size(); ++i) {
            result.step = static_cast<int>(i + 1);
            const Fields s(list.at(i), QString());
            s.only({QStringLiteral("title"), QStringLiteral("text"), QStringLiteral("setUp"),
                    QStringLiteral("task"), QStringLiteral("question")});
            LessonStep step;
            step.title = s.text(QStringLiteral("title"), kMaxTitleLength);
            step.text = s.text(QStringLiteral("text"));
            if (s.has(QStringLiteral("setUp"))) {
                step.setUp =
                    readSetUp(Fields(s.at(QStringLiteral("setUp")), QStringLiteral("setUp")));
            }
            if (s.has(QStringLiteral("task"))) {
                step.task = readTask(Fields(s.at(QStringLiteral("task")), QStringLiteral("task")));
            }
            if (s.has(QStringLiteral("question"))) {
                step.question = readQuestion(
                    Fields(s.at(QStringLiteral("question")), QStringLiteral("question")));
            }
            follow(step, flow);
            lesson.steps.push_back(std::move(step));
        }
        result.step = 0;
    } catch (const Refusal& refusal) {
        result.error = LessonError::Field;
        result.problem = refusal.problem;
        result.field = refusal.field;
        return result;
    }
    result.lesson = std::move(lesson);
    return result;
}

LessonReading readLessonFile(const QString& path) {
    LessonReading result;
    const QFileInfo info(path);
    if (!info.exists()) {
        result.error = LessonError::Missing;
        return result;
    }
    // A folder, a device or a pipe is never a lesson, and a pipe would never end.
    if (!info.isFile()) {
        result.error = LessonError::NotAFile;
        return result;
    }
    if (info.size() > kMaxLessonBytes) {
        result.error = LessonError::TooLarge;
        return result;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = LessonError::Unreadable;
        result.detail = file.errorString();
        return result;
    }
    // The file may have grown since it was measured: one byte over the limit is enough.
    const QByteArray bytes = file.read(kMaxLessonBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        result.error = LessonError::Unreadable;
        result.detail = file.errorString();
        return result;
    }
    if (bytes.size() > kMaxLessonBytes) {
        result.error = LessonError::TooLarge;
        return result;
    }
    return lessonFromJson(bytes);
}

} // namespace ga::session
