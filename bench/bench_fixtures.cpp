// Fixture definitions: reading a file and patching its largest mode, for the
// largest definition Debian ships (or one of the same size made here when the
// package is not installed), and for every shipped file in one pass. The
// goal is well under 50 ms per file on a loaded machine.

#include "fixtures/FixtureFile.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>

#include <benchmark/benchmark.h>

using namespace vantorel;

namespace {

const QString kFixtureFolder = QStringLiteral("/usr/share/qlcplus/fixtures");

QStringList shippedFixtures()
{
    QStringList paths;
    for (QDirIterator it(kFixtureFolder, {QStringLiteral("*.qxf")}, QDir::Files, QDirIterator::Subdirectories);
         it.hasNext();)
        paths << it.next();
    return paths;
}

// A definition of about 70 KiB: 432 channels with capabilities, one mode of all.
QByteArray largeDefinition()
{
    QByteArray text = "<FixtureDefinition><Manufacturer>Bench</Manufacturer><Model>Pixel panel</Model>";
    QByteArray mode = "<Mode Name=\"All\">";
    for (int i = 0; i < 432; ++i) {
        const QByteArray name = "Pixel " + QByteArray::number(i);
        text += "<Channel Name=\"" + name + "\"><Group Byte=\"0\">Intensity</Group>"
            + "<Capability Min=\"0\" Max=\"255\">Dimmer</Capability></Channel>";
        mode += "<Channel Number=\"" + QByteArray::number(i) + "\">" + name + "</Channel>";
    }
    return text + mode + "</Mode></FixtureDefinition>";
}

void patchLargestMode(benchmark::State& state, const FixtureFileLoad& load)
{
    if (!load.ok())
        state.SkipWithError(load.message.toStdString().c_str());
    for (const FixtureMode& mode : load.fixture.modes)
        benchmark::DoNotOptimize(patchFixture({}, mode, 1, "MH 2", false));
}

void BM_ReadAndPatchLargestDefinition(benchmark::State& state)
{
    QStringList paths = shippedFixtures();
    std::sort(paths.begin(), paths.end(),
              [](const QString& a, const QString& b) { return QFileInfo(a).size() > QFileInfo(b).size(); });
    QTemporaryDir dir;
    QString path = paths.value(0);
    if (path.isEmpty()) {
        path = dir.filePath(QStringLiteral("large.qxf"));
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(largeDefinition());
    }
    for (auto _ : state)
        patchLargestMode(state, loadFixtureFile(path));
    state.SetLabel(QFileInfo(path).fileName().toStdString());
}
BENCHMARK(BM_ReadAndPatchLargestDefinition)->Unit(benchmark::kMillisecond);

void BM_ReadAndPatchEveryShippedDefinition(benchmark::State& state)
{
    const QStringList paths = shippedFixtures();
    if (paths.isEmpty()) {
        state.SkipWithError("no fixture definitions installed");
        return;
    }
    for (auto _ : state)
        for (const QString& path : paths) {
            const FixtureFileLoad load = loadFixtureFile(path);
            for (const FixtureMode& mode : load.fixture.modes)
                benchmark::DoNotOptimize(patchFixture({}, mode, 1, "MH 2", false));
        }
    state.counters["files"] = double(paths.size());
    // Seconds per file.
    state.counters["per_file"] = benchmark::Counter(
        double(paths.size()), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_ReadAndPatchEveryShippedDefinition)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
