// Field extraction and record counting over answers of catalogue size (50 KB, 500 KB, 5 MB).
#include "server/fields.h"

#include <benchmark/benchmark.h>

#include <QString>

namespace {

// A catalogue-like answer of about `bytes` UTF-8 bytes: many <menubrr> records of tagged fields,
// with a "lastfield" just before the end.
const QString& Answer(qsizetype bytes)
{
    static std::map<qsizetype, QString> cache;
    auto it = cache.find(bytes);
    if (it != cache.end())
        return it->second;
    QString s = QStringLiteral("성공\r\n");
    qsizetype size = s.toUtf8().size();
    for (int n = 1; size < bytes - 64; ++n) {
        const QString num = QString::number(1000 + n);
        const QString rec = QStringLiteral("<menubrr>num[") + num + QStringLiteral("]numtitle[김치찌개 ") + num
            + QStringLiteral("]titlecategory[식사]categoryprice[8500]pricediscount[0]discount")
            + QStringLiteral("content[얼큰한 국물!줄바꿈!공기밥 포함 플랏뚜ㅋ 계란]content")
            + QStringLiteral("<subtitle>곱빼기◈치즈◈</subtitle><subprice>1000◈500◈</subprice></menubrr>\r\n");
        s += rec;
        size += rec.toUtf8().size();
    }
    s += QStringLiteral("lastfield[끝]lastfield\r\n");
    return cache.emplace(bytes, s).first->second;
}

qsizetype Utf8Size(const QString& s)
{
    return s.toUtf8().size();
}

void BM_FieldNearEnd(benchmark::State& state)
{
    const QString& answer = Answer(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(sumbrel::Field(answer, u"lastfield"));
    state.SetBytesProcessed(int64_t(state.iterations()) * Utf8Size(answer));
}

void BM_FieldMissing(benchmark::State& state)
{
    const QString& answer = Answer(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(sumbrel::Field(answer, u"TakeOutCarText"));
    state.SetBytesProcessed(int64_t(state.iterations()) * Utf8Size(answer));
}

void BM_CountOccurrences(benchmark::State& state)
{
    const QString& answer = Answer(state.range(0));
    QString count;
    for (auto _ : state) {
        count = sumbrel::CountOccurrences(answer, u"<menubrr>");
        benchmark::DoNotOptimize(count);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * Utf8Size(answer));
    state.counters["records"] = count.toDouble();
}

constexpr int64_t kKB = 1000;

BENCHMARK(BM_FieldNearEnd)->Arg(50 * kKB)->Arg(500 * kKB)->Arg(5000 * kKB)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FieldMissing)->Arg(50 * kKB)->Arg(500 * kKB)->Arg(5000 * kKB)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CountOccurrences)->Arg(50 * kKB)->Arg(500 * kKB)->Arg(5000 * kKB)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
