// The program's own cost per report when it uploads all three tables and
// compares them with the device, against the stand-in Zolvo with no device
// delay. The baseline is one bare report exchange over the same socket.
#include "Clock.h"
#include "Communicatie.h"
#include "FirmwareImage.h"
#include "LoadSave.h"
#include "MyDevFunctions.h"
#include "VirtualTransport.h"
#include "VirtualZolvo.h"
#include "VirtualZolvoServer.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <ctime>

namespace {

double threadCpuSeconds()
{
    timespec t {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

std::vector<std::uint8_t> builtInFlash()
{
    std::vector<std::uint8_t> flash = readbuf(builtInHexLines()).progbuf;
    flash.resize(flashSize);
    return flash;
}

// A stand-in Zolvo, a connected link and a store with 300 table entries.
struct Bench {
    Bench()
    {
        TLoadSave::setDataFolder(folder.path());
        store = TLoadSave::instance();
        for (int r = 0; r < 16; ++r)
            for (int a = 0; a < 16; ++a)
                store->Ruimtes[r].Apparaten[a].Code = r * 16 + a;
        for (int s = 0; s < 16; ++s)
            for (int i = 0; i < 16; ++i)
                store->Scenes[s].Akties[i] = {s, i, (s + i) % 18};
        for (int i = 0; i < 300; ++i) {
            auto a = std::make_shared<ProgAktie>();
            a->Ruimte = i % 16;
            a->Apparaat = i / 16 % 16;
            a->Maand = 13;
            a->DagDatum = 1 + i % 28;
            a->Uur = i % 24;
            a->Minuut = i % 60;
            a->OnOffDim = 17;
            store->GlobalAktieListObject->addToMain(a);
        }
        server.start();
        const auto devices = transport.enumerate();
        holdDevice(transport.open(devices.at(0)));
        ZolvoConnected = true;
    }
    ~Bench()
    {
        releaseDevice();
        ZolvoConnected = false;
        server.stop();
        TLoadSave::destroyInstance();
    }

    QTemporaryDir folder;
    TLoadSave* store = nullptr;
    VirtualZolvo device {builtInFlash()};
    VirtualZolvoServer server {device, folder.filePath("bench.sock").toStdString()};
    VirtualTransport transport {folder.filePath("bench.sock").toStdString()};
};

void reportCost(benchmark::State& state, double cpuSeconds, std::size_t reports)
{
    state.counters["reports"] = static_cast<double>(reports);
    state.counters["program_us_per_report"] = reports ? cpuSeconds * 1e6 / static_cast<double>(reports) : 0;
}

void BM_BareExchange(benchmark::State& state)
{
    Bench bench;
    double cpu = 0;
    std::size_t reports = 0;
    for (auto _ : state) {
        bench.device.clearTrace();
        const double start = threadCpuSeconds();
        Report answer {};
        requestFromDev(makeCommand(Cmd::ReadDeviceCode), answer);
        cpu += threadCpuSeconds() - start;
        reports += 2;
    }
    reportCost(state, cpu, reports);
}

void BM_UploadAndCompareAllTables(benchmark::State& state)
{
    Bench bench;
    double cpu = 0;
    std::size_t reports = 0;
    for (auto _ : state) {
        bench.device.clearTrace();
        const double start = threadCpuSeconds();
        TCommunicatie upload(*bench.store);
        upload.SendScenes();
        upload.SendSun();
        upload.SendProg();
        const bool same = TCommunicatie(*bench.store).ZolvoIsSameAsPc();
        cpu += threadCpuSeconds() - start;
        benchmark::DoNotOptimize(same);
        reports += bench.device.trace().size();
    }
    reportCost(state, cpu, reports);
}

BENCHMARK(BM_BareExchange)->Iterations(2000);
BENCHMARK(BM_UploadAndCompareAllTables)->Iterations(50);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
