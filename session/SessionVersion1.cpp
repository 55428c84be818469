#include "session/SessionVersion1.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>

#include <array>
#include <bit>
#include <cmath>
#include <cstring>
#include <limits>
#include <span>

namespace ga::session {

namespace {

constexpr std::array<const char*, 6> kStatusNames{"waiting", "prepared", "started",
                                                  "stopped", "reset",    "reached"};
constexpr std::array<const char*, 3> kPanelNames{"design", "cleared", "shown"};
constexpr std::array<const char*, 3> kListNames{"Gen", "Sonuc", "uyl"};
constexpr std::array<const char*, 2> kChartNames{"Picture1", "Picture2"};
constexpr std::size_t kPackedBytes = 24;
constexpr std::size_t kSummaryBytes = 3 * 8 + 1;
constexpr std::size_t kSpanBytes = 6 * 8 + 2;

// Whole numbers up to 2^53 are exact in a JSON reader's double.
constexpr double kLargestWhole = 9007199254740992.0;

QString latin(const char* text) {
    return QString::fromLatin1(text);
}

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Thrown with the path of the field that is missing or of the wrong kind; caught in
// readVersion1 and never beyond it.
struct BadField {
    QString path;
};

class Reader {
  public:
    static QJsonObject object(const QJsonValue& v, const QString& path) {
        if (!v.isObject()) {
            throw BadField{path};
        }
        return v.toObject();
    }
    static QJsonArray array(const QJsonValue& v, const QString& path) {
        if (!v.isArray()) {
            throw BadField{path};
        }
        return v.toArray();
    }
    static QJsonArray array(const QJsonValue& v, const QString& path, qsizetype size) {
        QJsonArray a = array(v, path);
        if (a.size() != size) {
            throw BadField{path};
        }
        return a;
    }
    static QString string(const QJsonValue& v, const QString& path) {
        if (!v.isString()) {
            throw BadField{path};
        }
        return v.toString();
    }
    static bool boolean(const QJsonValue& v, const QString& path) {
        if (!v.isBool()) {
            throw BadField{path};
        }
        return v.toBool();
    }
    static double number(const QJsonValue& v, const QString& path) {
        if (v.isDouble()) {
            return v.toDouble();
        }
        if (v.isString()) {
            const QString s = v.toString();
            if (s == QLatin1String("NaN")) {
                return std::numeric_limits<double>::quiet_NaN();
            }
            if (s == QLatin1String("Infinity")) {
                return std::numeric_limits<double>::infinity();
            }
            if (s == QLatin1String("-Infinity")) {
                return -std::numeric_limits<double>::infinity();
            }
            if (s == QLatin1String("-0")) {
                return -0.0;
            }
        }
        throw BadField{path};
    }
    // A whole number from `lo` to `hi`, both within 2^53.
    static std::uint64_t whole(const QJsonValue& v, const QString& path, double lo, double hi) {
        if (!v.isDouble()) {
            throw BadField{path};
        }
        const double x = v.toDouble();
        if (!(x >= lo && x <= hi) || x != std::floor(x)) {
            throw BadField{path};
        }
        return static_cast<std::uint64_t>(x);
    }
    static float single(const QJsonValue& v, const QString& path) {
        const double x = number(v, path);
        if (!std::isfinite(x) || std::fabs(x) > std::numeric_limits<float>::max() ||
            static_cast<double>(static_cast<float>(x)) != x) {
            throw BadField{path};
        }
        return static_cast<float>(x);
    }
    static QByteArray base64(const QJsonValue& v, const QString& path, std::size_t recordBytes) {
        const QByteArray text = string(v, path).toLatin1();
        auto decoded =
            QByteArray::fromBase64Encoding(text, QByteArray::AbortOnBase64DecodingErrors);
        if (!decoded || decoded.decoded.size() % static_cast<qsizetype>(recordBytes) != 0) {
            throw BadField{path};
        }
        return decoded.decoded;
    }
    template <std::size_t N>
    static void numbers(const QJsonValue& v, const QString& path, std::array<double, N>& out,
                        std::size_t from) {
        const QJsonArray a = array(v, path, static_cast<qsizetype>(N - from));
        for (std::size_t i = from; i < N; ++i) {
            out[i] = number(a[static_cast<qsizetype>(i - from)], indexed(path, i - from));
        }
    }
    template <std::size_t N>
    static std::size_t choice(const QJsonValue& v, const QString& path,
                              const std::array<const char*, N>& names) {
        const QString s = string(v, path);
        for (std::size_t i = 0; i < N; ++i) {
            if (s == QLatin1String(names[i])) {
                return i;
            }
        }
        throw BadField{path};
    }
    static QString indexed(const QString& path, std::size_t i) {
        return path + QLatin1Char('[') + QString::number(i) + QLatin1Char(']');
    }
    static QString field(const QString& path, const char* name) {
        return path.isEmpty() ? latin(name) : path + QLatin1Char('.') + latin(name);
    }
    // The member `name` of `o`, as a value (undefined when missing, which every reader
    // above refuses).
    static QJsonValue at(const QJsonObject& o, const char* name) { return o.value(latin(name)); }
};

std::uint64_t getWord(const QByteArray& bytes, qsizetype at) {
    std::uint64_t word = 0;
    for (int byte = 7; byte >= 0; --byte) {
        word = (word << 8U) | static_cast<unsigned char>(bytes[at + byte]);
    }
    return word;
}

double getDouble(const QByteArray& bytes, qsizetype at) {
    return std::bit_cast<double>(getWord(bytes, at));
}

ChartSystem readSystem(const QJsonValue& v, const QString& path) {
    const QJsonObject o = Reader::object(v, path);
    ChartSystem s;
    s.x1 = Reader::number(Reader::at(o, "x1"), Reader::field(path, "x1"));
    s.y1 = Reader::number(Reader::at(o, "y1"), Reader::field(path, "y1"));
    s.x2 = Reader::number(Reader::at(o, "x2"), Reader::field(path, "x2"));
    s.y2 = Reader::number(Reader::at(o, "y2"), Reader::field(path, "y2"));
    if (o.contains(QLatin1String("top"))) {
        s.top = Reader::number(Reader::at(o, "top"), Reader::field(path, "top"));
    }
    return s;
}

ChartState readChart(const QJsonValue& v, const QString& path) {
    const QJsonObject o = Reader::object(v, path);
    ChartState chart;
    chart.system = readSystem(Reader::at(o, "system"), Reader::field(path, "system"));
    const QString drawingsPath = Reader::field(path, "drawings");
    const QJsonArray drawings = Reader::array(Reader::at(o, "drawings"), drawingsPath);
    for (qsizetype d = 0; d < drawings.size(); ++d) {
        const QString dp = Reader::indexed(drawingsPath, static_cast<std::size_t>(d));
        const QJsonObject drawing = Reader::object(drawings[d], dp);
        ChartDrawing out;
        out.system = readSystem(Reader::at(drawing, "system"), Reader::field(dp, "system"));
        const QString cp = Reader::field(dp, "circles");
        const QJsonArray circles = Reader::array(Reader::at(drawing, "circles"), cp);
        out.circles.reserve(static_cast<std::size_t>(circles.size()));
        for (qsizetype c = 0; c < circles.size(); ++c) {
            const QString p = Reader::indexed(cp, static_cast<std::size_t>(c));
            const QJsonArray xyc = Reader::array(circles[c], p, 3);
            out.circles.push_back({Reader::single(xyc[0], p), Reader::single(xyc[1], p),
                                   static_cast<Colour>(Reader::whole(xyc[2], p, 0, 0xFFFFFF))});
        }
        chart.drawings.push_back(std::move(out));
    }
    return chart;
}

std::vector<ValueChange> readChanges(const QJsonValue& v, const QString& path) {
    const QJsonArray a = Reader::array(v, path);
    std::vector<ValueChange> out;
    out.reserve(static_cast<std::size_t>(a.size()));
    for (qsizetype i = 0; i < a.size(); ++i) {
        const QString p = Reader::indexed(path, static_cast<std::size_t>(i));
        const QJsonArray pair = Reader::array(a[i], p, 2);
        out.push_back({static_cast<std::uint32_t>(Reader::whole(pair[0], p, 0, 4294967295.0)),
                       Reader::number(pair[1], p)});
    }
    return out;
}

HistoryData readHistory(const QJsonValue& v, const QString& path) {
    const QJsonObject o = Reader::object(v, path);
    HistoryData h;
    h.firstGeneration =
        Reader::number(Reader::at(o, "firstGeneration"), Reader::field(path, "firstGeneration"));
    Reader::numbers(Reader::at(o, "katsayilar"), Reader::field(path, "katsayilar"), h.katsayilar,
                    1);
    Reader::numbers(Reader::at(o, "usler"), Reader::field(path, "usler"), h.usler, 1);
    h.size = Reader::whole(Reader::at(o, "size"), Reader::field(path, "size"), 0, kLargestWhole);
    h.firstChunk = Reader::whole(Reader::at(o, "firstChunk"), Reader::field(path, "firstChunk"), 0,
                                 kLargestWhole);

    const QString chunksPath = Reader::field(path, "chunks");
    const QJsonArray chunks = Reader::array(Reader::at(o, "chunks"), chunksPath);
    h.chunks.reserve(static_cast<std::size_t>(chunks.size()));
    for (qsizetype k = 0; k < chunks.size(); ++k) {
        const QString cp = Reader::indexed(chunksPath, static_cast<std::size_t>(k));
        const QJsonObject chunk = Reader::object(chunks[k], cp);
        HistoryChunk out;
        const QString pp = Reader::field(cp, "checkpoints");
        const QJsonArray checkpoints = Reader::array(Reader::at(chunk, "checkpoints"), pp);
        for (qsizetype i = 0; i < checkpoints.size(); ++i) {
            const QString p = Reader::indexed(pp, static_cast<std::size_t>(i));
            const QJsonObject c = Reader::object(checkpoints[i], p);
            HistoryCheckpoint point;
            Reader::numbers(Reader::at(c, "genes"), Reader::field(p, "genes"), point.genes, 0);
            point.target = Reader::number(Reader::at(c, "target"), Reader::field(p, "target"));
            point.mutations =
                Reader::number(Reader::at(c, "mutations"), Reader::field(p, "mutations"));
            point.bestGene =
                Reader::number(Reader::at(c, "bestGene"), Reader::field(p, "bestGene"));
            point.bestFitness =
                Reader::number(Reader::at(c, "bestFitness"), Reader::field(p, "bestFitness"));
            point.worstGene =
                Reader::number(Reader::at(c, "worstGene"), Reader::field(p, "worstGene"));
            point.worstFitness =
                Reader::number(Reader::at(c, "worstFitness"), Reader::field(p, "worstFitness"));
            out.checkpoints.push_back(point);
        }
        const QByteArray packed = Reader::base64(Reader::at(chunk, "generations"),
                                                 Reader::field(cp, "generations"), kPackedBytes);
        const auto count = packed.size() / static_cast<qsizetype>(kPackedBytes);
        out.generations.resize(static_cast<std::size_t>(count));
        for (qsizetype g = 0; g < count; ++g) {
            for (qsizetype w = 0; w < 3; ++w) {
                out.generations[static_cast<std::size_t>(g)][static_cast<std::size_t>(w)] =
                    getWord(packed, g * static_cast<qsizetype>(kPackedBytes) + w * 8);
            }
        }
        out.targets = readChanges(Reader::at(chunk, "targets"), Reader::field(cp, "targets"));
        out.mutationPercents = readChanges(Reader::at(chunk, "mutationPercents"),
                                           Reader::field(cp, "mutationPercents"));
        h.chunks.push_back(std::move(out));
    }

    const QString sp = Reader::field(path, "summaries");
    const QJsonObject s = Reader::object(Reader::at(o, "summaries"), sp);
    h.summaries.width =
        Reader::whole(Reader::at(s, "width"), Reader::field(sp, "width"), 1, kLargestWhole);
    h.summaries.count =
        Reader::whole(Reader::at(s, "count"), Reader::field(sp, "count"), 0, kLargestWhole);
    const QByteArray single =
        Reader::base64(Reader::at(s, "single"), Reader::field(sp, "single"), kSummaryBytes);
    for (qsizetype at = 0; at < single.size(); at += static_cast<qsizetype>(kSummaryBytes)) {
        h.summaries.single.push_back({getDouble(single, at), getDouble(single, at + 8),
                                      getDouble(single, at + 16),
                                      static_cast<std::uint8_t>(single[at + 24])});
    }
    const QByteArray buckets =
        Reader::base64(Reader::at(s, "buckets"), Reader::field(sp, "buckets"), kSpanBytes);
    for (qsizetype at = 0; at < buckets.size(); at += static_cast<qsizetype>(kSpanBytes)) {
        SummarySpan span;
        span.bestLo = getDouble(buckets, at);
        span.bestHi = getDouble(buckets, at + 8);
        span.meanLo = getDouble(buckets, at + 16);
        span.meanHi = getDouble(buckets, at + 24);
        span.worstLo = getDouble(buckets, at + 32);
        span.worstHi = getDouble(buckets, at + 40);
        span.distinctLo = static_cast<std::uint8_t>(buckets[at + 48]);
        span.distinctHi = static_cast<std::uint8_t>(buckets[at + 49]);
        h.summaries.buckets.push_back(span);
    }
    return h;
}

std::string utf8(const QString& s) {
    const QByteArray bytes = s.toUtf8();
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

FormState readState(const QJsonObject& root) {
    FormState s;
    const QJsonObject boxes = Reader::object(Reader::at(root, "boxes"), latin("boxes"));
    for (std::size_t i = 0; i < kTypedBoxCount; ++i) {
        const std::string_view name = controlName(kTypedBoxes[i]);
        const QString key = fromUtf8(name);
        s.boxes[i] = utf8(Reader::string(boxes.value(key), QStringLiteral("boxes.") + key));
    }

    const QJsonObject population =
        Reader::object(Reader::at(root, "population"), latin("population"));
    const auto row = [&](const char* name, Row& out) {
        Reader::numbers(Reader::at(population, name), Reader::field(latin("population"), name), out,
                        1);
    };
    row("genler", s.population.genler);
    row("yeniGenler", s.population.yeniGenler);
    row("sonuclar", s.population.sonuclar);
    row("uyumlar", s.population.uyumlar);
    row("mutantGenler", s.population.mutantGenler);
    const QString digitsPath = QStringLiteral("population.basamaklar");
    const QJsonArray digits =
        Reader::array(Reader::at(population, "basamaklar"), digitsPath, kPopulation);
    for (std::size_t i = 1; i <= kPopulation; ++i) {
        Reader::numbers(digits[static_cast<qsizetype>(i - 1)], Reader::indexed(digitsPath, i - 1),
                        s.population.basamaklar[i], 1);
    }

    const QJsonObject m = Reader::object(Reader::at(root, "module1"), latin("module1"));
    const auto value = [&](const char* name) {
        return Reader::number(Reader::at(m, name), Reader::field(latin("module1"), name));
    };
    s.module1.nesilSayisi = value("nesilSayisi");
    s.module1.mutasyonSayisi = value("mutasyonSayisi");
    s.module1.enKotuGen = value("enKotuGen");
    s.module1.enIyiGen = value("enIyiGen");
    s.module1.enKotuUyum = value("enKotuUyum");
    s.module1.enIyiUyum = value("enIyiUyum");
    s.module1.noktaSayisi = value("noktaSayisi");
    Reader::numbers(Reader::at(m, "katsayilar"), QStringLiteral("module1.katsayilar"),
                    s.module1.katsayilar, 1);
    Reader::numbers(Reader::at(m, "usler"), QStringLiteral("module1.usler"), s.module1.usler, 1);

    s.seed = static_cast<std::uint32_t>(
        Reader::whole(Reader::at(root, "seed"), latin("seed"), 0, 4294967295.0));
    const QJsonValue fixed = Reader::at(root, "fixedSeed");
    if (!fixed.isNull()) {
        s.fixedSeed =
            static_cast<std::uint32_t>(Reader::whole(fixed, latin("fixedSeed"), 0, 4294967295.0));
    }
    s.randomState =
        utf8(Reader::string(Reader::at(root, "generatorState"), latin("generatorState")));
    s.startEnabled = Reader::boolean(Reader::at(root, "startEnabled"), latin("startEnabled"));
    s.running = Reader::boolean(Reader::at(root, "running"), latin("running"));
    s.status = static_cast<RunStatus>(
        Reader::choice(Reader::at(root, "status"), latin("status"), kStatusNames));
    s.interval = static_cast<int>(
        Reader::whole(Reader::at(root, "timerInterval"), latin("timerInterval"), 1, 86'400'000));
    s.panel = static_cast<PanelState>(
        Reader::choice(Reader::at(root, "panel"), latin("panel"), kPanelNames));

    const QJsonObject lists = Reader::object(Reader::at(root, "lists"), latin("lists"));
    for (std::size_t l = 0; l < kListNames.size(); ++l) {
        const QString path = Reader::field(latin("lists"), kListNames[l]);
        const QJsonArray values = Reader::array(Reader::at(lists, kListNames[l]), path);
        s.lists[l].reserve(static_cast<std::size_t>(values.size()));
        for (qsizetype i = 0; i < values.size(); ++i) {
            s.lists[l].push_back(
                Reader::number(values[i], Reader::indexed(path, static_cast<std::size_t>(i))));
        }
    }
    const QJsonObject charts = Reader::object(Reader::at(root, "charts"), latin("charts"));
    for (std::size_t c = 0; c < kChartNames.size(); ++c) {
        s.charts[c] = readChart(Reader::at(charts, kChartNames[c]),
                                Reader::field(latin("charts"), kChartNames[c]));
    }
    s.history = readHistory(Reader::at(root, "history"), latin("history"));

    const QJsonArray log = Reader::array(Reader::at(root, "log"), latin("log"));
    s.log.reserve(static_cast<std::size_t>(log.size()));
    for (qsizetype i = 0; i < log.size(); ++i) {
        s.log.push_back(utf8(
            Reader::string(log[i], Reader::indexed(latin("log"), static_cast<std::size_t>(i)))));
    }
    return s;
}

} // namespace

ReadResult readVersion1(const QByteArray& json, HistoryLimits limits) {
    ReadResult result;
    QJsonParseError parse{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &parse);
    if (parse.error != QJsonParseError::NoError) {
        result.error = ReadError::NotJson;
        result.detail = QString::number(parse.offset);
        return result;
    }
    const QJsonObject root = document.object();
    if (!document.isObject() || root.value(QLatin1String("format")) != latin(kFormat)) {
        result.error = ReadError::NotASession;
        return result;
    }
    const QJsonValue version = root.value(QLatin1String("formatVersion"));
    if (!version.isDouble() || version.toDouble() != std::floor(version.toDouble()) ||
        version.toDouble() < 1) {
        result.error = ReadError::Field;
        result.detail = QStringLiteral("formatVersion");
        return result;
    }
    // A version-2 session begins with its format and version, which is how it is streamed;
    // one that does not is no session this program wrote.
    if (version.toDouble() == kFormatVersion) {
        result.error = ReadError::Field;
        result.detail = QStringLiteral("formatVersion");
        return result;
    }
    if (version.toDouble() > kFormatVersion) {
        result.error = ReadError::NewerFormat;
        result.version = version.toDouble() < kLargestWhole
                             ? static_cast<qint64>(version.toDouble())
                             : std::numeric_limits<qint64>::max();
        return result;
    }
    FormState state;
    try {
        state = readState(root);
    } catch (const BadField& bad) {
        result.error = ReadError::Field;
        result.detail = bad.path;
        return result;
    }
    result.state = checkState(std::move(state), result.stateError, result.historyError, limits);
    if (!result.state) {
        result.error = ReadError::State;
    }
    return result;
}

} // namespace ga::session
