// The dialog's own work, on the fake view: opening on a file, a choice, a keystroke, a save.
#include <benchmark/benchmark.h>

#include <memory>

#include "dialog/control_ids.h"
#include "fake_dialog_view.h"
#include "settings/defaults.h"
#include "temp_folder.h"

namespace {

using vesko::testing::OpenedDialog;

void WriteDefaultsFile() {
    const auto& defaults = vesko::FactoryDefaults();
    vesko::testing::WriteConfigBytes({defaults.bytes().begin(), defaults.bytes().end()});
}

void BM_OpenDialogOnAFile(benchmark::State& state) {
    const vesko::testing::TempFolder folder;
    WriteDefaultsFile();
    for (auto _ : state) {
        OpenedDialog d;
        benchmark::DoNotOptimize(d.dialog.record());
    }
}
BENCHMARK(BM_OpenDialogOnAFile)->Unit(benchmark::kMicrosecond);

void BM_SelectionChange(benchmark::State& state) {
    const vesko::testing::TempFolder folder;
    OpenedDialog d;
    int entry = 0;
    for (auto _ : state) {
        d.view.Choose(vesko::IDC_TIME_ZONE, entry);
        entry = (entry + 1) % 25;
    }
}
BENCHMARK(BM_SelectionChange)->Unit(benchmark::kMicrosecond);

void BM_TypedCharacter(benchmark::State& state) {
    const vesko::testing::TempFolder folder;
    OpenedDialog d;
    for (auto _ : state) {
        d.view.Replace(vesko::IDC_VEHICLE_NUMBER, u"AB_1");
        d.view.Type(vesko::IDC_VEHICLE_NUMBER, u"2");
    }
}
BENCHMARK(BM_TypedCharacter)->Unit(benchmark::kMicrosecond);

// Includes writing and flushing the 128 bytes to the disk the temporary folder is on.
void BM_SaveSettings(benchmark::State& state) {
    const vesko::testing::TempFolder folder;
    WriteDefaultsFile();
    OpenedDialog d;
    for (auto _ : state) {
        benchmark::DoNotOptimize(d.dialog.SaveSettings());
    }
}
BENCHMARK(BM_SaveSettings)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
