// Reading, writing and processing on generated survey files of 10 000 and
// 200 000 rows with 24 frequencies. Run: build/bench/vantrel_core_bench

#include "datafile/datafilereader.h"
#include "datafile/originwriter.h"
#include "processing/badpoints.h"
#include "processing/dataselection.h"
#include "processing/depthcalculation.h"
#include "processing/fieldsource.h"
#include "survey.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <sstream>

using namespace vantrel;

namespace {

/// 200-point files along a line, 24 frequencies, readings with a few zeros and spikes.
const std::string& SurveyText(int rows)
{
    static std::map<int, std::string> cache;
    auto& text = cache[rows];
    if (!text.empty())
        return text;
    text = "FILE\tINCREMENT";
    for (int k = 0; k < 24; ++k)
        text += "\t" + std::to_string(8000 >> (k / 2)) + (k % 2 ? "5HZ" : "HZ");
    text += "\tMODE\tDATETIME\r\n";
    char num[32];
    unsigned seed = 12345;
    for (int r = 0; r < rows; ++r) {
        text += std::to_string(r / 200 + 1) + "\t" + std::to_string((r % 200) * 5);
        for (int k = 0; k < 24; ++k) {
            seed = seed * 1103515245u + 12345u;
            double v = 120.0 / (1 + k * 0.3) * (1.0 + ((seed >> 16) % 1000) / 20000.0);
            if ((seed >> 8) % 500 == 0)
                v *= 8;
            else if ((seed >> 8) % 500 == 1)
                v = 0;
            std::snprintf(num, sizeof num, "\t%.3f", v);
            text += num;
        }
        text += "\t2\t20260315093000\r\n";
    }
    return text;
}

/// Counts what is written: the writers' own cost, without a growing string.
class NullBuffer : public std::streambuf {
public:
    std::size_t bytes = 0;

protected:
    std::streamsize xsputn(const char*, std::streamsize n) override
    {
        bytes += static_cast<std::size_t>(n);
        return n;
    }
    int_type overflow(int_type c) override
    {
        ++bytes;
        return c;
    }
};

struct Prepared {
    Survey survey;
    explicit Prepared(int rows, bool choose)
    {
        DataFileReader reader(survey.m_frame, survey.m_tables, survey.m_tree);
        reader.ReadBuffer(SurveyText(rows));
        if (choose) {
            for (std::size_t f = 0; f < survey.m_tree.Files().size(); ++f)
                survey.m_tree.ClickFileCheckBox(static_cast<int>(f));
            SelectData(survey.m_tree, survey.m_tables, survey.m_frame);
        }
    }
};

void BM_Read(benchmark::State& state)
{
    const std::string& text = SurveyText(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        Survey survey;
        DataFileReader reader(survey.m_frame, survey.m_tables, survey.m_tree);
        benchmark::DoNotOptimize(reader.ReadBuffer(text));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}

void BM_WriteOriginal(benchmark::State& state)
{
    Prepared p(static_cast<int>(state.range(0)), false);
    for (auto _ : state) {
        NullBuffer sink;
        std::ostream out(&sink);
        OriginWriter::Write(out, p.survey.m_frame.HeaderColumns(), p.survey.m_tables, 1);
        benchmark::DoNotOptimize(sink.bytes);
    }
}

void BM_WriteDepth(benchmark::State& state)
{
    Prepared p(static_cast<int>(state.range(0)), true);
    CalculateDepth(p.survey.m_tables);
    for (auto _ : state) {
        NullBuffer sink;
        std::ostream out(&sink);
        p.survey.m_tables.WriteDepthRows(out, 2);
        benchmark::DoNotOptimize(sink.bytes);
    }
    state.counters["depth_rows"] = static_cast<double>(p.survey.m_tables.Depth().RowCount());
}

template <OperationReport (*Op)(OutputTables&), bool Choose>
void BM_Operation(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        Prepared p(static_cast<int>(state.range(0)), Choose);
        state.ResumeTiming();
        benchmark::DoNotOptimize(Op(p.survey.m_tables));
    }
}

void BM_SelectAll(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        Prepared p(static_cast<int>(state.range(0)), false);
        for (std::size_t f = 0; f < p.survey.m_tree.Files().size(); ++f)
            p.survey.m_tree.ClickFileCheckBox(static_cast<int>(f));
        state.ResumeTiming();
        benchmark::DoNotOptimize(SelectData(p.survey.m_tree, p.survey.m_tables, p.survey.m_frame));
    }
}

}  // namespace

#define SIZES ->Arg(10000)->Arg(20000)->Arg(200000)->Unit(benchmark::kMillisecond)
BENCHMARK(BM_Read) SIZES;
BENCHMARK(BM_WriteOriginal) SIZES;
BENCHMARK(BM_WriteDepth) SIZES;
BENCHMARK(BM_SelectAll) SIZES;
BENCHMARK(BM_Operation<SearchBadPoints, false>)->Name("BM_SearchBadPoints") SIZES;
BENCHMARK(BM_Operation<CorrectBadPoints, false>)->Name("BM_CorrectBadPoints") SIZES;
BENCHMARK(BM_Operation<ProcessFieldSource, true>)->Name("BM_ProcessFieldSource") SIZES;
BENCHMARK(BM_Operation<CalculateDepth, true>)->Name("BM_CalculateDepth") SIZES;
BENCHMARK_MAIN();
