// zarn-bench: one keystroke on the Volume sheet, through the real widgets and handler:
// the edit's signal, the calculator's rules, the sixteen-unit conversion and fifteen
// field writes. Runs offscreen inside the calculator's own modal loop.
#include "conversions/conversion_sheet.h"
#include "mathwiz/round_value.h"
#include "platform/application.h"
#include "platform/automation.h"
#include "platform/dialog_window.h"
#include "platform/messages.h"
#include "shell/shell.h"

#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int gallons = 10342;

zarn::DialogWindow* calculator()
{
    const auto& dialogs = zarn::modal_dialogs();
    return dialogs.empty() ? nullptr : dialogs.back();
}

QLineEdit* volume_field(int id)
{
    zarn::DialogWindow* dialog = calculator();
    zarn::show_sheet(dialog, "Volume");
    auto* edit = qobject_cast<QLineEdit*>(dialog->control(id));
    edit->setFocus();
    return edit;
}

int messages = 0;

// A key press and release in the "Gallons" field: alternately a digit and Backspace, so
// that the text stays short and every keystroke converts.
void BM_VolumeKeystroke(benchmark::State& state)
{
    QLineEdit* edit = volume_field(gallons);
    zarn::user_replace_text(calculator(), gallons, "12");
    bool append = true;
    for (auto _ : state) {
        if (append)
            QTest::keyClick(edit, Qt::Key_5);
        else
            QTest::keyClick(edit, Qt::Key_Backspace);
        append = !append;
    }
    if (edit->text() != "12" && edit->text() != "125") state.SkipWithError("unexpected text");
    if (zarn::win_GetText(calculator()->control(10328)).empty())
        state.SkipWithError("the sheet did not convert");
}
BENCHMARK(BM_VolumeKeystroke)->Unit(benchmark::kMicrosecond);

// The same conversion from one whole-text edit, as a paste (the script driver's `type`).
void BM_VolumePaste(benchmark::State& state)
{
    volume_field(gallons);
    bool one = true;
    for (auto _ : state) {
        zarn::user_replace_text(calculator(), gallons, one ? "1" : "2.5");
        one = !one;
    }
}
BENCHMARK(BM_VolumePaste)->Unit(benchmark::kMicrosecond);

// The handler's part of a keystroke: from the edit notification to the last field
// written (the field already holds the typed text).
void BM_VolumeNotification(benchmark::State& state)
{
    QLineEdit* edit = volume_field(gallons);
    zarn::DialogWindow* dialog = calculator();
    bool one = true;
    for (auto _ : state) {
        state.PauseTiming();
        edit->setText(one ? "1" : "2.5");
        one = !one;
        state.ResumeTiming();
        dialog->deliver({zarn::e_control, gallons, zarn::Change::modified});
    }
}
BENCHMARK(BM_VolumeNotification)->Unit(benchmark::kMicrosecond);

// The arithmetic alone, for comparison: the sixteen values from the base value, each
// rounded as the sheet shows it.
void BM_VolumeArithmetic(benchmark::State& state)
{
    double cubic_inches = 230.94688;
    for (auto _ : state) {
        std::vector<zarn::Real> values = zarn::sheet_values(zarn::volume_table, cubic_inches);
        for (zarn::Real& value : values)
            value = zarn::round_value(value);
        benchmark::DoNotOptimize(values.data());
        cubic_inches += 1;
    }
}
BENCHMARK(BM_VolumeArithmetic)->Unit(benchmark::kMicrosecond);

// Each conversion sheet's arithmetic: every unit's value from a base value, rounded as
// shown.
void sheet_arithmetic(benchmark::State& state, const zarn::ConversionSheet* sheet)
{
    double base = 1.5;
    for (auto _ : state) {
        std::vector<zarn::Real> values = zarn::sheet_values(*sheet, base);
        for (zarn::Real& value : values)
            value = zarn::round_value(value);
        benchmark::DoNotOptimize(values.data());
        base += 1;
    }
}

void register_sheet_benchmarks()
{
    for (const zarn::ConversionSheet* sheet : zarn::conversion_tables())
        benchmark::RegisterBenchmark((std::string("BM_SheetArithmetic/") + sheet->title).c_str(),
                                     sheet_arithmetic, sheet)
            ->Unit(benchmark::kMicrosecond);
}

// Runs the benchmarks once the calculator is open, then ends the program.
void run_when_open()
{
    if (!calculator()) {
        QTimer::singleShot(0, run_when_open);
        return;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    zarn::end_application();
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    register_sheet_benchmarks();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    zarn::Application app(argc, argv);
    zarn::set_message_sink([](const zarn::Message&) { ++messages; });
    zarn::start_zarn_calculator();
    QTimer::singleShot(0, run_when_open);
    int status = app.run();
    if (messages) {
        std::fprintf(stderr, "zarn-bench: %d message boxes were shown\n", messages);
        return 1;
    }
    return status;
}
