#include "form/experiments/ExperimentCsv.h"

#include <gtest/gtest.h>

#include <charconv>
#include <string>

namespace ga::test {
namespace {

std::string runsText(const ExperimentSettings& s, const std::vector<RunResult>& r) {
    std::string out;
    writeRunsCsv(s, r, [&out](std::string_view piece) { out += piece; });
    return out;
}

RunResult result(RunOutcome outcome, std::uint32_t generations, std::uint32_t seed, double gene,
                 double fitness) {
    RunResult r;
    r.outcome = outcome;
    r.generations = generations;
    r.seed = seed;
    r.bestGene = gene;
    r.bestFitness = fitness;
    return r;
}

// The per-run file: a header named after the varied setting, CR LF line ends, runs counted
// from 1 within their setting, reached as 1 or 0, numbers that read back exactly, whole
// numbers in full as the lists write them (up to 15 digits), and no row for a run a cancel
// stopped. The evaluations until a gene at the target are empty where none was evaluated;
// a varied method is written by its name, and a fixed yardstick in a last column of its own,
// while the genetic algorithm's file stays as it was before there were other methods.
TEST(ExperimentCsvTest, OneRowPerRunThatEnded) {
    ExperimentSettings s;
    s.varied = VariedSetting::Target;
    s.values = {0.1, 1e20, 100000};
    s.runsPerSetting = 2;
    std::vector<RunResult> r{
        result(RunOutcome::Reached, 12, 4294967295U, 53211, 0),
        result(RunOutcome::Limit, 10000, 7, -1234567.5, 1.0 / 3),
        result(RunOutcome::NotRun, 0, 8, 0, 0),
        result(RunOutcome::Limit, 1, 0, 0, 277),
        result(RunOutcome::Limit, 100000, 1, 100000, 999999999999999),
        result(RunOutcome::Limit, 1000000, 2, -200000, 1e15),
    };
    r[0].evaluations = 240;
    r[1].evaluations = 180;
    EXPECT_EQ(runsText(s, r),
              "target,run,seed,generations,reached,best_gene,best_fitness,evaluations\r\n"
              "0.1,1,4294967295,12,1,53211,0,240\r\n"
              "0.1,2,7,10000,0,-1234567.5,0.3333333333333333,180\r\n"
              "1e+20,2,0,1,0,0,277,\r\n"
              "100000,1,1,100000,0,100000,999999999999999,\r\n"
              "100000,2,2,1000000,0,-200000,1e+15,\r\n");
    s.method = Method::HillClimbing;
    const std::string hill = runsText(s, r);
    EXPECT_EQ(hill.substr(0, hill.find("\r\n", 80)),
              "target,run,seed,generations,reached,best_gene,best_fitness,evaluations,method\r\n"
              "0.1,1,4294967295,12,1,53211,0,240,hill");
    EXPECT_EQ(std::count(hill.begin(), hill.end(), ','), 6 * 8); // every row has the column
    s.varied = VariedSetting::Method;
    s.values = {2, 0, 1};
    EXPECT_EQ(runsText(s, r),
              "method,run,seed,generations,reached,best_gene,best_fitness,evaluations\r\n"
              "hill,1,4294967295,12,1,53211,0,240\r\n"
              "hill,2,7,10000,0,-1234567.5,0.3333333333333333,180\r\n"
              "ga,2,0,1,0,0,277,\r\n"
              "random,1,1,100000,0,100000,999999999999999,\r\n"
              "random,2,2,1000000,0,-200000,1e+15,\r\n");
    s.varied = VariedSetting::Mutation;
    EXPECT_EQ(runsText(s, {}).substr(0, 9), "mutation,");
    double back = 0;
    const std::string third = "0.3333333333333333";
    std::from_chars(third.data(), third.data() + third.size(), back);
    EXPECT_EQ(back, 1.0 / 3);
}

// The summary file: a value that does not exist is an empty field, not 0; the method is
// named where it varies, and in a last column where it is a fixed yardstick.
TEST(ExperimentCsvTest, SummaryRowsLeaveMissingValuesEmpty) {
    SettingSummary full;
    full.value = 5;
    full.runs = 4;
    full.reached = 3;
    full.reachedPercent = 75;
    full.generations = Spread{2, 3.5, 10, 12.25, 20.75, 40};
    full.medianEvaluations = 230;
    SettingSummary none;
    none.value = 0;
    none.runs = 2;
    none.notRun = 1;
    none.reachedPercent = 0;
    SettingSummary cancelled;
    cancelled.value = 100;
    cancelled.notRun = 3;
    std::string out;
    const auto write = [&out](std::string_view piece) { out += piece; };
    ExperimentSettings s;
    writeSummaryCsv(s, {full, none, cancelled}, write);
    EXPECT_EQ(out, "mutation,runs,not_run,reached,reached_percent,min,lower_quartile,median,"
                   "mean,upper_quartile,max,median_evaluations\r\n"
                   "5,4,0,3,75,2,3.5,10,12.25,20.75,40,230\r\n"
                   "0,2,1,0,0,,,,,,,\r\n"
                   "100,0,3,0,,,,,,,,\r\n");
    full.method = Method::RandomSearch;
    s.varied = VariedSetting::Method;
    out.clear();
    writeSummaryCsv(s, {full}, write);
    EXPECT_EQ(out.substr(out.find("\r\n")), "\r\nrandom,4,0,3,75,2,3.5,10,12.25,20.75,40,230\r\n");
    s.varied = VariedSetting::Target;
    s.method = Method::RandomSearch;
    out.clear();
    writeSummaryCsv(s, {full}, write);
    EXPECT_EQ(out, "target,runs,not_run,reached,reached_percent,min,lower_quartile,median,"
                   "mean,upper_quartile,max,median_evaluations,method\r\n"
                   "5,4,0,3,75,2,3.5,10,12.25,20.75,40,230,random\r\n");
}

// A file of many rows arrives in pieces, and together they are the whole file.
TEST(ExperimentCsvTest, LargeFilesArriveInPieces) {
    ExperimentSettings s;
    s.values = {1};
    s.runsPerSetting = 20000;
    std::vector<RunResult> r(20000, result(RunOutcome::Limit, 10000, 123456789, 99999, 12345));
    int pieces = 0;
    std::size_t rows = 0;
    writeRunsCsv(s, r, [&](std::string_view piece) {
        ++pieces;
        rows += static_cast<std::size_t>(std::count(piece.begin(), piece.end(), '\n'));
    });
    EXPECT_GT(pieces, 2);
    EXPECT_EQ(rows, 20001U);
}

} // namespace
} // namespace ga::test
