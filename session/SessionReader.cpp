#include "session/Base64.h"
#include "session/JsonReader.h"
#include "session/SessionJson.h"
#include "session/SessionNames.h"
#include "session/SessionVersion1.h"

#include <QBuffer>

#include <bit>
#include <cmath>
#include <limits>
#include <string>
#include <utility>

namespace ga::session {

namespace {

using Token = JsonReader::Token;

// Whole numbers up to 2^53 are exact in a double.
constexpr double kLargestWhole = 9007199254740992.0;

// Thrown with the path of a field that is missing, doubled or of the wrong kind.
struct BadField {
    std::string path;
};
// Thrown when the reader itself stopped: the text is no JSON, cut short, or unreadable.
struct BadJson {};

std::string field(const std::string& path, std::string_view name) {
    return path.empty() ? std::string(name) : path + '.' + std::string(name);
}

std::string indexed(const std::string& path, std::size_t i) {
    return path + '[' + std::to_string(i) + ']';
}

std::uint64_t getWord(const unsigned char* at) {
    std::uint64_t word = 0;
    for (unsigned byte = 8; byte-- > 0;) {
        word = (word << 8U) | at[byte];
    }
    return word;
}

double getDouble(const unsigned char* at) {
    return std::bit_cast<double>(getWord(at));
}

// A version-2 session read token by token into a FormState; what does not fit is thrown.
class Version2Reader {
  public:
    Version2Reader(JsonReader& reader, const HistoryLimits& limits) : r_(reader), limits_(limits) {}

    // The members after "format" and "formatVersion", up to the end of the document; the
    // prediction mode's state, when the file has one, into `prediction`.
    FormState read(PredictionState& prediction) {
        FormState s;
        members(Token::BeginObject, "",
                [&](std::string_view key, const std::string& path) {
                    if (key == "typedBoxes") {
                        readBoxes(path, s);
                    } else if (key == "run") {
                        readRun(path, s);
                    } else if (key == "window") {
                        readWindow(path, s);
                    } else if (key == "reportLog") {
                        readLog(path, s.log);
                    } else if (key == "prediction") {
                        readPrediction(path, prediction);
                    } else {
                        // "programVersion" and whatever a later program adds.
                        return false;
                    }
                    return true;
                },
                {"typedBoxes", "run", "window", "reportLog"});
        if (r_.next() != Token::End) {
            throw BadJson{};
        }
        // What the window shows of the run is shown again from the run.
        s.startEnabled = s.history.size > 0;
        s.running = false;
        if (s.startEnabled) {
            const Population& p = s.population;
            const Row* rows[] = {&p.genler, &p.sonuclar, &p.uyumlar};
            for (std::size_t l = 0; l < s.lists.size(); ++l) {
                for (std::size_t i = 1; i <= kPopulation; ++i) {
                    s.lists[l].push_back((*rows[l])[i]);
                }
            }
        }
        return s;
    }

  private:
    Token next(const std::string& path) {
        const Token t = r_.next();
        if (t == Token::Error) {
            if (r_.failure() == JsonReader::Failure::TooLong) {
                throw BadField{path};
            }
            throw BadJson{};
        }
        return t;
    }

    // The members of an object whose first token is `first`; `member` reads the value of
    // those it knows and says so. Each of `required` must be there; none may come twice.
    template <typename F>
    void members(Token first, const std::string& path, F member,
                 std::initializer_list<std::string_view> required = {}) {
        if (first != Token::BeginObject) {
            throw BadField{path};
        }
        std::vector<std::string> seen;
        for (Token t = next(path); t != Token::EndObject; t = next(path)) {
            std::string key(r_.text());
            const std::string at = field(path, key);
            for (const std::string& earlier : seen) {
                if (earlier == key) {
                    throw BadField{at};
                }
            }
            if (!member(std::string_view(key), at)) {
                r_.skipValue(next(at));
            }
            seen.push_back(std::move(key));
        }
        for (std::string_view name : required) {
            bool found = false;
            for (const std::string& key : seen) {
                found = found || key == name;
            }
            if (!found) {
                throw BadField{field(path, name)};
            }
        }
    }
    template <typename F>
    void members(const std::string& path, F member,
                 std::initializer_list<std::string_view> required) {
        members(next(path), path, member, required);
    }

    // The elements of an array; `element` reads each, its first token given.
    template <typename F> void elements(const std::string& path, F element) {
        if (next(path) != Token::BeginArray) {
            throw BadField{path};
        }
        std::size_t i = 0;
        for (Token t = next(path); t != Token::EndArray; t = next(path), ++i) {
            element(t, indexed(path, i));
        }
    }

    double number(Token t, const std::string& path) {
        if (t == Token::Number) {
            return r_.number();
        }
        if (t == Token::String) {
            const std::string_view s = r_.text();
            if (s == "NaN") {
                return std::numeric_limits<double>::quiet_NaN();
            }
            if (s == "Infinity") {
                return std::numeric_limits<double>::infinity();
            }
            if (s == "-Infinity") {
                return -std::numeric_limits<double>::infinity();
            }
            if (s == "-0") {
                return -0.0;
            }
        }
        throw BadField{path};
    }
    double number(const std::string& path) { return number(next(path), path); }

    std::uint64_t whole(Token t, const std::string& path, double lo, double hi) {
        const double x = t == Token::Number ? r_.number() : lo - 1;
        if (!(x >= lo && x <= hi) || x != std::floor(x)) {
            throw BadField{path};
        }
        return static_cast<std::uint64_t>(x);
    }
    std::uint64_t whole(const std::string& path, double lo, double hi) {
        return whole(next(path), path, lo, hi);
    }

    std::string string(const std::string& path) {
        if (next(path) != Token::String) {
            throw BadField{path};
        }
        return std::string(r_.text());
    }

    template <std::size_t N>
    void numbers(const std::string& path, std::array<double, N>& out, std::size_t from) {
        std::size_t i = from;
        elements(path, [&](Token t, const std::string& at) {
            if (i == N) {
                throw BadField{path};
            }
            out[i++] = number(t, at);
        });
        if (i != N) {
            throw BadField{path};
        }
    }

    // One of `names`, as the enum value of its place.
    template <typename T, std::size_t N>
    void choice(const std::string& path, const std::array<const char*, N>& names, T& out) {
        const std::string s = string(path);
        for (std::size_t i = 0; i < N; ++i) {
            if (s == names[i]) {
                out = static_cast<T>(i);
                return;
            }
        }
        throw BadField{path};
    }

    void base64(Token t, const std::string& path, std::size_t recordBytes) {
        bytes_.clear();
        if (t != Token::String || !appendDecodedBase64(bytes_, r_.text()) ||
            bytes_.size() % recordBytes != 0) {
            throw BadField{path};
        }
    }

    bool boolean(const std::string& path) {
        const Token t = next(path);
        if (t != Token::True && t != Token::False) {
            throw BadField{path};
        }
        return t == Token::True;
    }

    // A score never claims more right answers than questions, nor more improvements than
    // generations watched.
    void readPrediction(const std::string& path, PredictionState& p) {
        constexpr double kMaxTally = std::numeric_limits<std::uint32_t>::max();
        const auto tally = [&](const std::string& at, Tally& t) {
            members(at,
                    [&](std::string_view key, const std::string& f) {
                        if (key == "right") {
                            t.right = static_cast<std::uint32_t>(whole(f, 0, kMaxTally));
                        } else if (key == "asked") {
                            t.asked = static_cast<std::uint32_t>(whole(f, 0, kMaxTally));
                        } else {
                            return false;
                        }
                        return true;
                    },
                    {"right", "asked"});
            if (t.right > t.asked) {
                throw BadField{at};
            }
        };
        members(path,
                [&](std::string_view key, const std::string& at) {
                    if (key == "on") {
                        p.on = boolean(at);
                    } else if (key == "score") {
                        members(at,
                                [&](std::string_view kind, const std::string& k) {
                                    for (std::size_t i = 0; i < kPredictionKindNames.size(); ++i) {
                                        if (kind == kPredictionKindNames[i]) {
                                            tally(k, p.tallies[i]);
                                            return true;
                                        }
                                    }
                                    return false;
                                },
                                {});
                    } else if (key == "generationsWatched") {
                        p.watched = whole(at, 0, kLargestWhole);
                    } else if (key == "bestImproved") {
                        p.improved = whole(at, 0, kLargestWhole);
                    } else {
                        return false;
                    }
                    return true;
                },
                {"on", "score", "generationsWatched", "bestImproved"});
        if (p.improved > p.watched) {
            throw BadField{field(path, "bestImproved")};
        }
    }

    void readBoxes(const std::string& path, FormState& s) {
        const auto five = [&](const std::string& at, std::size_t from) {
            std::size_t i = from;
            elements(at, [&](Token t, const std::string& p) {
                if (t != Token::String || i == from + 5) {
                    throw BadField{p};
                }
                s.boxes[i++] = std::string(r_.text());
            });
            if (i != from + 5) {
                throw BadField{at};
            }
        };
        // In the order of kTypedBoxes.
        members(path,
                [&](std::string_view key, const std::string& at) {
                    if (key == "coefficients") {
                        five(at, 0);
                    } else if (key == "exponents") {
                        five(at, 5);
                    } else if (key == "target") {
                        s.boxes[10] = string(at);
                    } else if (key == "mutationPercent") {
                        s.boxes[11] = string(at);
                    } else if (key == "speed") {
                        s.boxes[12] = string(at);
                    } else {
                        return false;
                    }
                    return true;
                },
                {"coefficients", "exponents", "target", "mutationPercent", "speed"});
    }

    void readRun(const std::string& path, FormState& s) {
        members(path,
                [&](std::string_view key, const std::string& at) {
                    if (key == "seed") {
                        s.seed = static_cast<std::uint32_t>(whole(at, 0, 4294967295.0));
                    } else if (key == "generatorState") {
                        s.randomState = string(at);
                    } else if (key == "population") {
                        readPopulation(at, s.population);
                    } else if (key == "runWideValues") {
                        readRunWideValues(at, s.module1);
                    } else if (key == "history") {
                        readHistory(at, s.history);
                    } else {
                        return false;
                    }
                    return true;
                },
                {"seed", "generatorState", "population", "runWideValues", "history"});
    }

    void readPopulation(const std::string& path, Population& p) {
        members(path,
                [&](std::string_view key, const std::string& at) {
                    if (key == "genes") {
                        numbers(at, p.genler, 1);
                    } else if (key == "nextGenes") {
                        numbers(at, p.yeniGenler, 1);
                    } else if (key == "functionValues") {
                        numbers(at, p.sonuclar, 1);
                    } else if (key == "fitness") {
                        numbers(at, p.uyumlar, 1);
                    } else if (key == "mutatedGenes") {
                        numbers(at, p.mutantGenler, 1);
                    } else if (key == "digits") {
                        std::size_t i = 1;
                        elements(at, [&](Token t, const std::string& row) {
                            if (t != Token::BeginArray || i > kPopulation) {
                                throw BadField{row};
                            }
                            std::size_t d = 1;
                            for (Token n = next(row); n != Token::EndArray; n = next(row), ++d) {
                                if (d > 5) {
                                    throw BadField{row};
                                }
                                p.basamaklar[i][d] = number(n, indexed(row, d - 1));
                            }
                            if (d != 6) {
                                throw BadField{row};
                            }
                            ++i;
                        });
                        if (i != kPopulation + 1) {
                            throw BadField{at};
                        }
                    } else {
                        return false;
                    }
                    return true;
                },
                {"genes", "nextGenes", "functionValues", "fitness", "mutatedGenes", "digits"});
    }

    void readRunWideValues(const std::string& path, Module1& m) {
        members(path,
                [&](std::string_view key, const std::string& at) {
                    double* const values[] = {&m.nesilSayisi, &m.mutasyonSayisi, &m.enIyiGen,
                                              &m.enIyiUyum,   &m.enKotuGen,      &m.enKotuUyum,
                                              &m.noktaSayisi};
                    constexpr std::string_view names[] = {
                        "generation", "mutationCount", "bestGene",     "bestFitness",
                        "worstGene",  "worstFitness",  "chartPosition"};
                    for (std::size_t i = 0; i < std::size(names); ++i) {
                        if (key == names[i]) {
                            *values[i] = number(at);
                            return true;
                        }
                    }
                    if (key == "coefficients") {
                        numbers(at, m.katsayilar, 1);
                    } else if (key == "exponents") {
                        numbers(at, m.usler, 1);
                    } else {
                        return false;
                    }
                    return true;
                },
                {"generation", "mutationCount", "bestGene", "bestFitness", "worstGene",
                 "worstFitness", "chartPosition", "coefficients", "exponents"});
    }

    std::vector<ValueChange> readChanges(const std::string& path) {
        std::vector<ValueChange> out;
        elements(path, [&](Token t, const std::string& at) {
            ValueChange c;
            members(t, at,
                    [&](std::string_view key, const std::string& p) {
                        if (key == "offset") {
                            c.offset = static_cast<std::uint32_t>(whole(p, 0, 4294967295.0));
                        } else if (key == "value") {
                            c.value = number(p);
                        } else {
                            return false;
                        }
                        return true;
                    },
                    {"offset", "value"});
            if (out.size() > History::kChunkGenerations) {
                throw BadField{at};
            }
            out.push_back(c);
        });
        return out;
    }

    HistoryCheckpoint readCheckpoint(Token t, const std::string& path) {
        HistoryCheckpoint c;
        members(t, path,
                [&](std::string_view key, const std::string& at) {
                    if (key == "genes") {
                        std::size_t i = 0;
                        elements(at, [&](Token n, const std::string& p) {
                            if (i == c.genes.size()) {
                                throw BadField{at};
                            }
                            c.genes[i++] = number(n, p);
                        });
                        if (i != c.genes.size()) {
                            throw BadField{at};
                        }
                        return true;
                    }
                    double* const values[] = {&c.target,      &c.mutations, &c.bestGene,
                                              &c.bestFitness, &c.worstGene, &c.worstFitness};
                    constexpr std::string_view names[] = {"target",    "mutationCount",
                                                          "bestGene",  "bestFitness",
                                                          "worstGene", "worstFitness"};
                    for (std::size_t i = 0; i < std::size(names); ++i) {
                        if (key == names[i]) {
                            *values[i] = number(at);
                            return true;
                        }
                    }
                    return false;
                },
                {"genes", "target", "mutationCount", "bestGene", "bestFitness", "worstGene",
                 "worstFitness"});
        return c;
    }

    void readChunk(Token t, const std::string& path, HistoryChunk& c) {
        members(t, path,
                [&](std::string_view key, const std::string& at) {
                    if (key == "checkpoints") {
                        elements(at, [&](Token n, const std::string& p) {
                            if (c.checkpoints.size() * History::kCheckpointEvery >=
                                History::kChunkGenerations) {
                                throw BadField{p};
                            }
                            c.checkpoints.push_back(readCheckpoint(n, p));
                        });
                    } else if (key == "generations") {
                        base64(next(at), at, kPackedBytes);
                        if (bytes_.size() / kPackedBytes > History::kChunkGenerations) {
                            throw BadField{at};
                        }
                        c.generations.resize(bytes_.size() / kPackedBytes);
                        for (std::size_t g = 0; g < c.generations.size(); ++g) {
                            for (std::size_t w = 0; w < 3; ++w) {
                                c.generations[g][w] =
                                    getWord(bytes_.data() + g * kPackedBytes + w * 8);
                            }
                        }
                    } else if (key == "targetChanges") {
                        c.targets = readChanges(at);
                    } else if (key == "mutationPercentChanges") {
                        c.mutationPercents = readChanges(at);
                    } else {
                        return false;
                    }
                    return true;
                },
                {"checkpoints", "generations", "targetChanges", "mutationPercentChanges"});
    }

    void readSummaries(const std::string& path, SummaryPyramid::Data& d) {
        // No more than the summaries' memory limit can hold, so a hostile file cannot make
        // the reading grow without bound.
        const std::size_t most = limits_.summaryBytes / kSummaryBytes + kSummariesPerString;
        members(path,
                [&](std::string_view key, const std::string& at) {
                    if (key == "generationsPerBucket") {
                        d.width = whole(at, 1, kLargestWhole);
                    } else if (key == "count") {
                        d.count = whole(at, 0, kLargestWhole);
                    } else if (key == "perGeneration") {
                        elements(at, [&](Token t, const std::string& p) {
                            base64(t, p, kSummaryBytes);
                            for (std::size_t k = 0; k < bytes_.size(); k += kSummaryBytes) {
                                const unsigned char* b = bytes_.data() + k;
                                d.single.push_back(
                                    {getDouble(b), getDouble(b + 8), getDouble(b + 16), b[24]});
                            }
                            if (d.single.size() > most) {
                                throw BadField{at};
                            }
                        });
                    } else if (key == "perBucket") {
                        elements(at, [&](Token t, const std::string& p) {
                            base64(t, p, kSpanBytes);
                            for (std::size_t k = 0; k < bytes_.size(); k += kSpanBytes) {
                                const unsigned char* b = bytes_.data() + k;
                                d.buckets.push_back({getDouble(b), getDouble(b + 8),
                                                     getDouble(b + 16), getDouble(b + 24),
                                                     getDouble(b + 32), getDouble(b + 40), b[48],
                                                     b[49]});
                            }
                            if (d.buckets.size() > most) {
                                throw BadField{at};
                            }
                        });
                    } else {
                        return false;
                    }
                    return true;
                },
                {"generationsPerBucket", "count"});
    }

    void readHistory(const std::string& path, HistoryData& h) {
        // No more chunks than the detail's memory limit can hold, and one more.
        const std::size_t most =
            limits_.detailBytes / (History::kChunkGenerations * kPackedBytes) + 2;
        members(path,
                [&](std::string_view key, const std::string& at) {
                    if (key == "firstGenerationNumber") {
                        h.firstGeneration = number(at);
                    } else if (key == "coefficients") {
                        numbers(at, h.katsayilar, 1);
                    } else if (key == "exponents") {
                        numbers(at, h.usler, 1);
                    } else if (key == "listedPopulations") {
                        h.size = whole(at, 0, kLargestWhole);
                    } else if (key == "firstKeptChunk") {
                        h.firstChunk = whole(at, 0, kLargestWhole);
                    } else if (key == "chunks") {
                        elements(at, [&](Token t, const std::string& p) {
                            if (h.chunks.size() == most) {
                                throw BadField{at};
                            }
                            readChunk(t, p, h.chunks.emplace_back());
                        });
                    } else if (key == "summaries") {
                        readSummaries(at, h.summaries);
                    } else {
                        return false;
                    }
                    return true;
                },
                {"firstGenerationNumber", "coefficients", "exponents", "listedPopulations",
                 "firstKeptChunk", "chunks", "summaries"});
    }

    ChartSystem readScale(const std::string& path) {
        ChartSystem s;
        members(path,
                [&](std::string_view key, const std::string& at) {
                    if (key == "left") {
                        s.x1 = number(at);
                    } else if (key == "top") {
                        s.y1 = number(at);
                    } else if (key == "right") {
                        s.x2 = number(at);
                    } else if (key == "bottom") {
                        s.y2 = number(at);
                    } else if (key == "topMovedTo") {
                        s.top = number(at);
                    } else {
                        return false;
                    }
                    return true;
                },
                {"left", "top", "right", "bottom"});
        return s;
    }

    float single(const std::string& path) {
        const double x = number(path);
        if (!std::isfinite(x) || std::fabs(x) > std::numeric_limits<float>::max() ||
            static_cast<double>(static_cast<float>(x)) != x) {
            throw BadField{path};
        }
        return static_cast<float>(x);
    }

    void readChart(const std::string& path, ChartState& chart) {
        members(path,
                [&](std::string_view key, const std::string& at) {
                    if (key == "scale") {
                        chart.system = readScale(at);
                    } else if (key == "drawings") {
                        elements(at, [&](Token t, const std::string& p) {
                            ChartDrawing& d = chart.drawings.emplace_back();
                            members(t, p,
                                    [&](std::string_view k, const std::string& q) {
                                        if (k == "scale") {
                                            d.system = readScale(q);
                                        } else if (k == "circles") {
                                            readCircles(q, d.circles);
                                        } else {
                                            return false;
                                        }
                                        return true;
                                    },
                                    {"scale", "circles"});
                        });
                    } else {
                        return false;
                    }
                    return true;
                },
                {"scale", "drawings"});
    }

    void readCircles(const std::string& path, std::vector<ChartCircle>& out) {
        elements(path, [&](Token t, const std::string& at) {
            // One over the limit is kept, for the check of the whole state to refuse.
            if (++circles_ > kMaxChartCircles + 1) {
                throw BadField{at};
            }
            ChartCircle c;
            members(t, at,
                    [&](std::string_view key, const std::string& p) {
                        if (key == "x") {
                            c.x = single(p);
                        } else if (key == "y") {
                            c.y = single(p);
                        } else if (key == "colour") {
                            c.colour = static_cast<Colour>(whole(p, 0, 0xFFFFFF));
                        } else {
                            return false;
                        }
                        return true;
                    },
                    {"x", "y", "colour"});
            out.push_back(c);
        });
    }

    void readWindow(const std::string& path, FormState& s) {
        members(path,
                [&](std::string_view key, const std::string& at) {
                    if (key == "fixedSeed") {
                        const Token t = next(at);
                        if (t != Token::Null) {
                            s.fixedSeed = static_cast<std::uint32_t>(whole(t, at, 0, 4294967295.0));
                        }
                    } else if (key == "status") {
                        choice(at, kStatusNames, s.status);
                    } else if (key == "timerInterval") {
                        s.interval = static_cast<int>(whole(at, 1, 86'400'000));
                    } else if (key == "resultsPanel") {
                        choice(at, kPanelNames, s.panel);
                    } else if (key == "earlierListLines") {
                        readEarlierLines(at, s);
                    } else if (key == kChartNames[0]) {
                        readChart(at, s.charts[0]);
                    } else if (key == kChartNames[1]) {
                        readChart(at, s.charts[1]);
                    } else {
                        return false;
                    }
                    return true;
                },
                {"fixedSeed", "status", "timerInterval", "resultsPanel", "earlierListLines",
                 kChartNames[0], kChartNames[1]});
    }

    void readEarlierLines(const std::string& path, FormState& s) {
        members(path,
                [&](std::string_view key, const std::string& at) {
                    for (std::size_t l = 0; l < kListNames.size(); ++l) {
                        if (key != kListNames[l]) {
                            continue;
                        }
                        elements(at, [&](Token t, const std::string& p) {
                            // One over the limit is kept, for the check of the whole state to
                            // refuse.
                            if (s.lists[l].size() > kMaxListLines) {
                                throw BadField{at};
                            }
                            s.lists[l].push_back(number(t, p));
                        });
                        return true;
                    }
                    return false;
                },
                {kListNames[0], kListNames[1], kListNames[2]});
    }

    void readLog(const std::string& path, std::vector<std::string>& log) {
        elements(path, [&](Token t, const std::string& at) {
            if (t != Token::String || log.size() > kMaxLogLines) {
                throw BadField{at};
            }
            log.emplace_back(r_.text());
        });
    }

    JsonReader& r_;
    HistoryLimits limits_;
    std::vector<unsigned char> bytes_;
    std::size_t circles_ = 0;
};

QString qstring(const std::string& s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

ReadResult notJson(const JsonReader& reader) {
    ReadResult result;
    switch (reader.failure()) {
    case JsonReader::Failure::Device:
        result.error = ReadError::Unreadable;
        result.detail = reader.errorString();
        break;
    case JsonReader::Failure::TooLarge:
        result.error = ReadError::TooLarge;
        break;
    default:
        result.error = ReadError::NotJson;
        result.detail = QString::number(reader.offset());
        break;
    }
    return result;
}

} // namespace

ReadResult read(QIODevice& device, HistoryLimits limits) {
    const qint64 start = device.pos();
    JsonReader reader(device, kMaxFileBytes);
    // A version-2 session says what it is first; anything else is read whole, as before.
    bool streams = false;
    if (reader.next() == Token::BeginObject && reader.next() == Token::Key &&
        reader.text() == "format") {
        if (reader.next() == Token::String && reader.text() != kFormat) {
            ReadResult result;
            result.error = ReadError::NotASession;
            return result;
        }
        if (reader.next() == Token::Key && reader.text() == "formatVersion" &&
            reader.next() == Token::Number && reader.number() == std::floor(reader.number())) {
            const double version = reader.number();
            if (version > kFormatVersion) {
                ReadResult result;
                result.error = ReadError::NewerFormat;
                result.version = version < kLargestWhole ? static_cast<qint64>(version)
                                                         : std::numeric_limits<qint64>::max();
                return result;
            }
            streams = version == kFormatVersion;
        }
    }
    if (!streams) {
        if (reader.failure() == JsonReader::Failure::Device) {
            return notJson(reader);
        }
        if (!device.seek(start)) {
            ReadResult result;
            result.error = ReadError::Unreadable;
            result.detail = device.errorString();
            return result;
        }
        const QByteArray bytes = device.read(kMaxFileBytes + 1);
        if (bytes.size() > kMaxFileBytes) {
            ReadResult result;
            result.error = ReadError::TooLarge;
            return result;
        }
        return readVersion1(bytes, limits);
    }

    ReadResult result;
    FormState state;
    try {
        state = Version2Reader(reader, limits).read(result.prediction);
    } catch (const BadField& bad) {
        result.error = ReadError::Field;
        result.detail = qstring(bad.path);
        return result;
    } catch (const BadJson&) {
        return notJson(reader);
    }
    result.state = checkState(std::move(state), result.stateError, result.historyError, limits);
    if (!result.state) {
        result.error = ReadError::State;
    }
    return result;
}

ReadResult fromJson(const QByteArray& json, HistoryLimits limits) {
    QBuffer buffer;
    buffer.setData(json);
    buffer.open(QIODevice::ReadOnly);
    return read(buffer, limits);
}

} // namespace ga::session
