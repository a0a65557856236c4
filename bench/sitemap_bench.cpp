// Cost of reading the help's contents file, from a real-sized one to a hostile one of
// a hundred thousand entries.
#include "HelpSitemap.h"

#include <benchmark/benchmark.h>

namespace {

QByteArray Sitemap(int entries)
{
    QByteArray text = "<html><body><ul>";
    for (int i = 0; i < entries; ++i)
        text += "<li><object type=\"text/sitemap\"><param name=\"Name\" value=\"Topic " +
                QByteArray::number(i) + "\"><param name=\"Local\" value=\"page" +
                QByteArray::number(i) + ".htm\"></object>\n";
    return text + "</ul></body></html>";
}

void BM_ParseSitemap(benchmark::State& state)
{
    const QByteArray text = Sitemap(static_cast<int>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(ParseSitemap(text));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ParseSitemap)->Arg(20)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
