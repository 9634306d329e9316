#include <benchmark/benchmark.h>

#include <QApplication>
#include <QClipboard>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <cstdlib>

#include "any5/panels/MainForm.h"
#include "app/qt/Any5Window.h"
#include "app/qt/Application.h"
#include "app/qt/QtHost.h"

namespace {

// From a click on 【开始缩水】 to 462 items in the result list of a real window
// (offscreen platform), including the event processing of every yield.
void BM_ClickToList(benchmark::State& state) {
    gui::QtHost host;
    any5::MainForm form(host);
    form.load();
    gui::Any5Window window(form);
    host.setWindow(&window);
    window.show();
    auto* start = window.findChild<QPushButton*>(QStringLiteral("C_guolv_ks"));
    auto* list = window.findChild<QListWidget*>(QStringLiteral("Li_out"));
    for (auto _ : state) {
        QTest::mouseClick(start, Qt::LeftButton);
        if (list->count() != 462) state.SkipWithError("the list did not get 462 items");
    }
}
BENCHMARK(BM_ClickToList)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// A paste of `megabytes` of three-number lines into the kill-triples box
// (what the player waits for after Ctrl+V), then the hint timer's tick and a
// run, which read the pasted text back.
void BM_PasteIntoTextBox(benchmark::State& state) {
    gui::QtHost host;
    any5::MainForm form(host);
    form.load();
    gui::Any5Window window(form);
    host.setWindow(&window);
    window.show();
    form.tabs.C_sst_0.press(3);
    auto* box =
        window.findChild<QWidget*>(QStringLiteral("Frame_ding_3"))->findChild<QPlainTextEdit*>();
    QString paste;
    const auto bytes = static_cast<qsizetype>(state.range(0)) << 20;
    while (paste.size() < bytes) paste += QStringLiteral("01 02 03\n04 05 06\n07 08 09\n");
    for (auto _ : state) {
        form.entries.T_main_sha_3ma.doubleClick();
        QGuiApplication::clipboard()->setText(paste);
        box->paste();
        QCoreApplication::processEvents();
        form.entries.Timer_ys_huise.tick();
        QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("C_guolv_ks")),
                          Qt::LeftButton);
    }
    state.counters["bets"] = static_cast<double>(form.result.count());
}
BENCHMARK(BM_PasteIntoTextBox)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond)->Iterations(2);

// From a click on a condition button, with the condition report open, to its
// table showing the new numbers: what the player waits for after each click.
void BM_ReportRefreshAfterClick(benchmark::State& state) {
    gui::QtHost host;
    any5::MainForm form(host);
    form.load();
    gui::Any5Window window(form);
    host.setWindow(&window);
    window.show();
    for (std::size_t i : {9u, 0u, 6u}) form.bankers.C_danma_chu.press(i);
    form.counts.C_jishu_geshu.press(2);
    form.C_tongji.press();
    auto* sum = window.findChild<QPushButton*>(QStringLiteral("C_sha_hezhi_10"));
    for (auto _ : state) {
        QTest::mouseClick(sum, Qt::LeftButton);
        // What the event loop does once it has run out of work.
        if (!form.tongji.refreshIfChanged()) state.SkipWithError("the report did not refresh");
        QCoreApplication::processEvents();
    }
    state.counters["conditions"] = static_cast<double>(form.tongji.report().rows.size());
}
BENCHMARK(BM_ReportRefreshAfterClick)->Unit(benchmark::kMillisecond)->MinTime(1.0);

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    gui::setUpApplication(application);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
