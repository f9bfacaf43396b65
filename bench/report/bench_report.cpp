#include "report/reportlayout.h"
#include "report/reportpdf.h"
#include "tests/report/support/samplecaptions.h"

#include <QBuffer>
#include <QGuiApplication>

#include <benchmark/benchmark.h>

namespace {

// Both sheets of the first worked example into one PDF in memory, fonts embedded.
void BM_BothSheetsToPdf(benchmark::State& state)
{
    const auto window = reporttest::calculatedWindow(reporttest::firstWorkedExample());
    for (auto _ : state) {
        QBuffer pdf;
        pdf.open(QIODevice::WriteOnly);
        if (!report::writeReportPdf(&pdf, window.caption, window.mcement))
            state.SkipWithError("the PDF could not be written");
        benchmark::DoNotOptimize(pdf.data().size());
    }
}
BENCHMARK(BM_BothSheetsToPdf)->Unit(benchmark::kMillisecond);

// The 54 lines alone, from the captions.
void BM_LineLists(benchmark::State& state)
{
    const auto window = reporttest::calculatedWindow(reporttest::firstWorkedExample());
    for (auto _ : state) {
        auto sheet1 = report::sheet1Lines(window.caption);
        auto sheet2 = report::sheet2Lines(window.caption, window.mcement);
        benchmark::DoNotOptimize(sheet1.data());
        benchmark::DoNotOptimize(sheet2.data());
    }
}
BENCHMARK(BM_LineLists)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
