#include "engine/design.h"
#include "format/sheetlines.h"
#include "report/pdf.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

namespace {

// The first worked example, as typed on the data-entry page.
mix::Design firstExample()
{
    const mix::MixInputs inputs{.strengthText = "240",
                                .cubeChecked = true,
                                .slumpItem = " 10.0 (บวก,ลบ) 2.5",
                                .stoneItem = " หิน2",
                                .admixtureChecked = true,
                                .doseText = "250",
                                .moistureText = "5"};
    return mix::designOf({inputs, {}});
}

// Both sheets of the first worked example into one PDF in memory, fonts embedded.
void BM_BothSheetsToPdf(benchmark::State& state)
{
    const mix::Design design = firstExample();
    for (auto _ : state) {
        const QByteArray pdf = report::reportPdf(format::reportSheets(design));
        if (pdf.isEmpty())
            state.SkipWithError("the PDF could not be made");
        benchmark::DoNotOptimize(pdf.size());
    }
}
BENCHMARK(BM_BothSheetsToPdf)->Unit(benchmark::kMillisecond);

// The 54 lines alone, from the captions.
void BM_LineLists(benchmark::State& state)
{
    const mix::Design design = firstExample();
    for (auto _ : state) {
        auto sheet1 = format::sheet1Lines(*design.result);
        auto sheet2 = format::sheet2Lines(*design.result);
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
