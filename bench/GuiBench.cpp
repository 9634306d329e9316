#include <benchmark/benchmark.h>

#include <QApplication>
#include <QClipboard>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>

#include "any5/panels/MainForm.h"
#include "any5/panels/SchemeControls.h"
#include "app/qt/Any5Window.h"
#include "app/qt/Application.h"
#include "app/qt/QtHost.h"
#include "bench/ScreenReader.h"
#include "scheme/Scheme.h"

namespace {

// A real any-5 window (offscreen platform), loaded and shown.
struct Shown {
    Shown() {
        form.load();
        host.setWindow(&window);
        window.show();
    }
    gui::QtHost host;
    any5::MainForm form{host};
    gui::Any5Window window{form};
};

// From a click on 【开始缩水】 to 462 items in the result list of a real window
// (offscreen platform), including the event processing of every yield.
void BM_ClickToList(benchmark::State& state) {
    Shown shown;
    gui::Any5Window& window = shown.window;
    auto* start = window.findChild<QPushButton*>(QStringLiteral("C_guolv_ks"));
    auto* list = window.findChild<QListView*>(QStringLiteral("Li_out"));
    for (auto _ : state) {
        QTest::mouseClick(start, Qt::LeftButton);
        if (list->model()->rowCount() != 462) state.SkipWithError("the list did not get 462 items");
    }
}
BENCHMARK(BM_ClickToList)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// From a click on 【开始缩水】 to the result painted in the list and the text
// box, with the accessibility bridge off or on; with it on, a screen reader
// has read the whole window, every bet listed included, before each click.
// The conditions are README's example scheme, or none (462 bets listed).
void BM_RunWithAScreenReader(benchmark::State& state) {
    std::optional<benchsupport::ScreenReader> reader;
    if (state.range(0) != 0) reader.emplace();
    Shown shown;
    any5::MainForm& form = shown.form;
    gui::Any5Window& window = shown.window;
    if (state.range(1) != 0) {
        std::ifstream file(QUORVEL_EXAMPLE_SCHEME);
        std::stringstream text;
        text << file.rdbuf();
        const auto read = scheme::readScheme(text.str());
        if (!read.scheme)
            state.SkipWithError("the example scheme does not read");
        else
            any5::applyScheme(*read.scheme, form);
    }
    auto* start = window.findChild<QPushButton*>(QStringLiteral("C_guolv_ks"));
    auto* list = window.findChild<QListView*>(QStringLiteral("Li_out"));
    auto* text = window.findChild<QPlainTextEdit*>(QStringLiteral("T_dd_by"));
    int itemsRead = 0;
    for (auto _ : state) {
        if (reader) {
            state.PauseTiming();
            itemsRead = reader->read(window);
            state.ResumeTiming();
        }
        QTest::mouseClick(start, Qt::LeftButton);
        list->viewport()->repaint();
        text->viewport()->repaint();
    }
    state.counters["listed"] = list->model()->rowCount();
    state.counters["itemsRead"] = itemsRead;
}
BENCHMARK(BM_RunWithAScreenReader)
    ->ArgsProduct({{0, 1}, {1, 0}})
    ->ArgNames({"bridge", "scheme"})
    ->Unit(benchmark::kMillisecond)
    ->MinTime(1.0);

// A paste of `megabytes` of three-number lines into the kill-triples box
// (what the player waits for after Ctrl+V), then the hint timer's tick and a
// run, which read the pasted text back.
void BM_PasteIntoTextBox(benchmark::State& state) {
    Shown shown;
    any5::MainForm& form = shown.form;
    gui::Any5Window& window = shown.window;
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
    Shown shown;
    any5::MainForm& form = shown.form;
    gui::Any5Window& window = shown.window;
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
