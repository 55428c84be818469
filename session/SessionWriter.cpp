#include "form/window/Form1.h"
#include "session/JsonWriter.h"
#include "session/SessionJson.h"
#include "session/SessionNames.h"

#include <QBuffer>
#include <QSaveFile>

#include <algorithm>
#include <bit>
#include <cstring>

namespace ga::session {

namespace {

std::string utf8(const QString& s) {
    const QByteArray bytes = s.toUtf8();
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

void putWord(std::vector<unsigned char>& out, std::uint64_t word) {
    if constexpr (std::endian::native == std::endian::little) {
        const std::size_t at = out.size();
        out.resize(at + sizeof word);
        std::memcpy(out.data() + at, &word, sizeof word);
    } else {
        for (unsigned byte = 0; byte < 8; ++byte) {
            out.push_back(static_cast<unsigned char>((word >> (8U * byte)) & 0xFFU));
        }
    }
}

void putDouble(std::vector<unsigned char>& out, double x) {
    putWord(out, std::bit_cast<std::uint64_t>(x));
}

// Positions 1..5 or 1..20 of an array indexed from 1.
template <std::size_t N> void numbers(JsonWriter& w, const std::array<double, N>& a) {
    w.beginArray();
    for (std::size_t i = 1; i < N; ++i) {
        w.number(a[i]);
    }
    w.endArray();
}

void writeBoxes(JsonWriter& w, const FormState& s) {
    const auto texts = [&](std::size_t from) {
        w.beginArray();
        for (std::size_t i = from; i < from + 5; ++i) {
            w.string(s.boxes[i]);
        }
        w.endArray();
    };
    // In the order of kTypedBoxes.
    w.key("typedBoxes");
    w.beginObject();
    w.key("coefficients");
    texts(0);
    w.key("exponents");
    texts(5);
    w.key("target");
    w.string(s.boxes[10]);
    w.key("mutationPercent");
    w.string(s.boxes[11]);
    w.key("speed");
    w.string(s.boxes[12]);
    w.endObject();
}

void writePopulation(JsonWriter& w, const Population& p) {
    w.key("population");
    w.beginObject();
    w.key("genes");
    numbers(w, p.genler);
    w.key("nextGenes");
    numbers(w, p.yeniGenler);
    w.key("functionValues");
    numbers(w, p.sonuclar);
    w.key("fitness");
    numbers(w, p.uyumlar);
    w.key("mutatedGenes");
    numbers(w, p.mutantGenler);
    w.key("digits");
    w.beginArray(true);
    for (std::size_t i = 1; i <= kPopulation; ++i) {
        numbers(w, p.basamaklar[i]);
    }
    w.endArray();
    w.endObject();
}

void writeRunWideValues(JsonWriter& w, const Module1& m) {
    w.key("runWideValues");
    w.beginObject();
    w.key("generation");
    w.number(m.nesilSayisi);
    w.key("mutationCount");
    w.number(m.mutasyonSayisi);
    w.key("bestGene");
    w.number(m.enIyiGen);
    w.key("bestFitness");
    w.number(m.enIyiUyum);
    w.key("worstGene");
    w.number(m.enKotuGen);
    w.key("worstFitness");
    w.number(m.enKotuUyum);
    w.key("chartPosition");
    w.number(m.noktaSayisi);
    w.key("coefficients");
    numbers(w, m.katsayilar);
    w.key("exponents");
    numbers(w, m.usler);
    w.endObject();
}

void writeChanges(JsonWriter& w, const char* name, const std::vector<ValueChange>& changes) {
    w.key(name);
    w.beginArray();
    for (const ValueChange& c : changes) {
        w.beginObject(true);
        w.key("offset");
        w.whole(c.offset);
        w.key("value");
        w.number(c.value);
        w.endObject();
    }
    w.endArray();
}

void writeChunk(JsonWriter& w, const HistoryChunk& c, std::vector<unsigned char>& bytes) {
    w.beginObject();
    w.key("checkpoints");
    w.beginArray(true);
    for (const HistoryCheckpoint& p : c.checkpoints) {
        w.beginObject();
        w.key("genes");
        w.beginArray();
        for (double gene : p.genes) {
            w.number(gene);
        }
        w.endArray();
        w.key("target");
        w.number(p.target);
        w.key("mutationCount");
        w.number(p.mutations);
        w.key("bestGene");
        w.number(p.bestGene);
        w.key("bestFitness");
        w.number(p.bestFitness);
        w.key("worstGene");
        w.number(p.worstGene);
        w.key("worstFitness");
        w.number(p.worstFitness);
        w.endObject();
    }
    w.endArray();
    bytes.clear();
    for (const PackedGeneration& g : c.generations) {
        for (std::uint64_t word : g) {
            putWord(bytes, word);
        }
    }
    w.key("generations");
    w.base64(bytes);
    writeChanges(w, "targetChanges", c.targets);
    writeChanges(w, "mutationPercentChanges", c.mutationPercents);
    w.endObject();
}

void writeSummaries(JsonWriter& w, const SummaryPyramid& s, std::vector<unsigned char>& bytes) {
    const bool single = s.bucketWidth() == 1;
    w.key("summaries");
    w.beginObject();
    w.key("generationsPerBucket");
    w.whole(s.bucketWidth());
    w.key("count");
    w.whole(s.count());
    // Only the finest level is stored: the blocks above it follow from it.
    w.key(single ? "perGeneration" : "perBucket");
    w.beginArray(true);
    const std::uint64_t size = s.baseSize();
    for (std::uint64_t from = 0; from < size; from += kSummariesPerString) {
        bytes.clear();
        const std::uint64_t to = std::min<std::uint64_t>(size, from + kSummariesPerString);
        for (std::uint64_t i = from; i < to; ++i) {
            const SummarySpan span = s.baseSpan(i);
            if (single) {
                putDouble(bytes, span.bestLo);
                putDouble(bytes, span.meanLo);
                putDouble(bytes, span.worstLo);
                bytes.push_back(span.distinctLo);
            } else {
                for (double x : {span.bestLo, span.bestHi, span.meanLo, span.meanHi, span.worstLo,
                                 span.worstHi}) {
                    putDouble(bytes, x);
                }
                bytes.push_back(span.distinctLo);
                bytes.push_back(span.distinctHi);
            }
        }
        w.base64(bytes);
    }
    w.endArray();
    w.endObject();
}

void writeHistory(JsonWriter& w, const History& h) {
    std::vector<unsigned char> bytes;
    w.key("history");
    w.beginObject();
    w.key("firstGenerationNumber");
    w.number(h.firstGeneration());
    w.key("coefficients");
    numbers(w, h.katsayilar());
    w.key("exponents");
    numbers(w, h.usler());
    w.key("listedPopulations");
    w.whole(h.size());
    w.key("firstKeptChunk");
    w.whole(h.firstChunk());
    w.key("chunks");
    w.beginArray(true);
    for (const HistoryChunk& c : h.chunks()) {
        writeChunk(w, c, bytes);
    }
    w.endArray();
    writeSummaries(w, h.summaries(), bytes);
    w.endObject();
}

void writeChart(JsonWriter& w, const ChartState& chart) {
    const auto scale = [&w](const ChartSystem& s) {
        w.key("scale");
        w.beginObject(true);
        w.key("left");
        w.number(s.x1);
        w.key("top");
        w.number(s.y1);
        w.key("right");
        w.number(s.x2);
        w.key("bottom");
        w.number(s.y2);
        if (s.top) {
            w.key("topMovedTo");
            w.number(*s.top);
        }
        w.endObject();
    };
    w.beginObject();
    scale(chart.system);
    w.key("drawings");
    w.beginArray(true);
    for (const ChartDrawing& d : chart.drawings) {
        w.beginObject();
        scale(d.system);
        w.key("circles");
        w.beginArray(true);
        for (const ChartCircle& c : d.circles) {
            w.beginObject(true);
            w.key("x");
            w.number(c.x);
            w.key("y");
            w.number(c.y);
            w.key("colour");
            w.whole(c.colour);
            w.endObject();
        }
        w.endArray();
        w.endObject();
    }
    w.endArray();
    w.endObject();
}

void writeWindow(JsonWriter& w, const FormState& s, bool hasHistory) {
    w.key("window");
    w.beginObject();
    w.key("fixedSeed");
    if (s.fixedSeed) {
        w.whole(*s.fixedSeed);
    } else {
        w.null();
    }
    // A run saved while the timer ran opens stopped.
    w.key("status");
    w.string(kStatusNames[static_cast<std::size_t>(s.running ? RunStatus::Stopped : s.status)]);
    w.key("timerInterval");
    w.whole(static_cast<std::uint64_t>(s.interval));
    w.key("resultsPanel");
    w.string(kPanelNames[static_cast<std::size_t>(s.panel)]);
    // While there is a history the lists end with the run's listed population, which
    // opening shows again from the run; only the lines above it are stored.
    w.key("earlierListLines");
    w.beginObject();
    for (std::size_t l = 0; l < kListNames.size(); ++l) {
        const std::vector<double>& lines = s.lists[l];
        const std::size_t shown = hasHistory ? std::min<std::size_t>(lines.size(), kPopulation) : 0;
        w.key(kListNames[l]);
        w.beginArray();
        for (std::size_t i = 0; i + shown < lines.size(); ++i) {
            w.number(lines[i]);
        }
        w.endArray();
    }
    w.endObject();
    for (std::size_t c = 0; c < kChartNames.size(); ++c) {
        w.key(kChartNames[c]);
        writeChart(w, s.charts[c]);
    }
    w.endObject();
}

void writePrediction(JsonWriter& w, const PredictionState& p) {
    w.key("prediction");
    w.beginObject();
    w.key("on");
    w.boolean(p.on);
    w.key("score");
    w.beginObject();
    for (std::size_t k = 0; k < kQuestionKinds; ++k) {
        w.key(kPredictionKindNames[k]);
        w.beginObject();
        w.key("right");
        w.whole(p.tallies[k].right);
        w.key("asked");
        w.whole(p.tallies[k].asked);
        w.endObject();
    }
    w.endObject();
    w.key("generationsWatched");
    w.whole(p.watched);
    w.key("bestImproved");
    w.whole(p.improved);
    w.endObject();
}

} // namespace

QString write(QIODevice& device, const Form1& form, const QString& programVersion,
              const PredictionState& prediction) {
    const FormState window = form.windowState();
    const Run& run = form.run();
    JsonWriter w(device);
    w.beginObject();
    // A reader needs these two first, to know how to read the rest.
    w.key("format");
    w.string(kFormat);
    w.key("formatVersion");
    w.whole(kFormatVersion);
    w.key("programVersion");
    w.string(utf8(programVersion));
    writeBoxes(w, window);
    w.key("run");
    w.beginObject();
    w.key("seed");
    w.whole(run.seed());
    w.key("generatorState");
    w.string(run.generatorState());
    writePopulation(w, run.population());
    writeRunWideValues(w, run.module1());
    writeHistory(w, run.history());
    w.endObject();
    writeWindow(w, window, !run.history().empty());
    w.key("reportLog");
    w.beginArray(true);
    for (const std::string& line : form.log()) {
        w.string(line);
    }
    w.endArray();
    writePrediction(w, prediction);
    w.endObject();
    return w.finish();
}

QByteArray toJson(const Form1& form, const QString& programVersion) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    write(buffer, form, programVersion);
    return bytes;
}

QString saveFile(const QString& path, const Form1& form, const QString& programVersion,
                 const PredictionState& prediction) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return file.errorString();
    }
    if (QString reason = write(file, form, programVersion, prediction); !reason.isEmpty()) {
        file.cancelWriting();
        return reason;
    }
    if (!file.commit()) {
        return file.errorString();
    }
    return {};
}

} // namespace ga::session
