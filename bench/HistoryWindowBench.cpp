#include <benchmark/benchmark.h>

#include <QAbstractItemModel>
#include <QAbstractScrollArea>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <filesystem>
#include <optional>
#include <random>
#include <string>

#include "any5/panels/MainForm.h"
#include "app/qt/Any5Window.h"
#include "app/qt/QtHost.h"
#include "bench/ScreenReader.h"
#include "history/HistoryStore.h"

namespace {

// `count` draw lines, oldest first, issues from `first` on.
std::string drawLines(int count, long long first) {
    std::mt19937 random(11);
    std::string text;
    text.reserve(static_cast<std::size_t>(count) * 27);
    std::vector<int> numbers{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
    for (int i = 0; i < count; ++i) {
        std::shuffle(numbers.begin(), numbers.end(), random);
        text += std::to_string(first + i);
        for (int k = 0; k < 5; ++k) text += ' ' + std::to_string(numbers[k]);
        text += '\n';
    }
    return text;
}

std::string freshFile(const char* name) {
    const auto path = std::filesystem::temp_directory_path() / name;
    std::filesystem::remove(path);
    return path.string();
}

// A new history file holding `draws` draws of 广东11选5.
std::string storedHistory(const char* name, int draws, benchmark::State& state) {
    const std::string path = freshFile(name);
    history::HistoryStore store(path);
    if (!store.importText("广东11选5", drawLines(draws, 2000000001)).ok())
        state.SkipWithError("no history to work on");
    return path;
}

// A real any-5 window (offscreen platform) over the history file.
struct Shown {
    explicit Shown(const std::string& path) {
        form.lishi.setDatabasePath(path);
        form.load();
        host.setWindow(&window);
        window.show();
    }
    bool waitSettled() {
        QElapsedTimer waited;
        waited.start();
        while (!form.lishi.working().empty()) {
            if (waited.elapsed() > 120'000) return false;
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        }
        QCoreApplication::processEvents();
        return true;
    }
    gui::QtHost host;
    any5::MainForm form{host};
    gui::Any5Window window{form};
};

// From 【开奖历史】 to the newest of 100,000 stored draws in the table, shown.
void BM_OpenHistoryOn100000Draws(benchmark::State& state) {
    const std::string path = storedHistory("quorvel-bench-open.sqlite", 100'000, state);
    Shown shown(path);
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        shown.form.C_lishi.press();
        if (!shown.waitSettled()) state.SkipWithError("the window did not settle");
        auto* table = shown.window.findChild<QTableView*>(QStringLiteral("Li_kaijiang"));
        if (table->model()->rowCount() != 100'000 ||
            table->model()->index(0, 0).data().toString() != QStringLiteral("2000100000"))
            state.SkipWithError("the newest draw is not on top");
        table->viewport()->repaint();
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        shown.form.lishi.unload();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_OpenHistoryOn100000Draws)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

// 回测 全部 on 100,000 stored draws, from the press to the table shown.
void BM_BacktestAll100000Draws(benchmark::State& state) {
    const std::string path = storedHistory("quorvel-bench-backtest.sqlite", 100'000, state);
    Shown shown(path);
    shown.form.C_lishi.press();
    if (!shown.waitSettled()) state.SkipWithError("the window did not settle");
    auto* table = shown.window.findChild<QTableView*>(QStringLiteral("Li_huice"));
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        shown.form.lishi.backtests().run(0);
        QCoreApplication::processEvents();
        table->viewport()->repaint();
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        if (!shown.form.lishi.backtests().backtest() ||
            shown.form.lishi.backtests().backtest()->draws.size() != 100'000)
            state.SkipWithError("not every draw was tested");
    }
}
BENCHMARK(BM_BacktestAll100000Draws)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

// 回测 of 300 stored draws, from the press of its button to the table and
// both charts painted, with the accessibility bridge off or on; with it on,
// a screen reader has read the whole window, every draw and every row of the
// last back-test included, before each press.
void BM_Backtest300DrawsWithAScreenReader(benchmark::State& state) {
    std::optional<benchsupport::ScreenReader> reader;
    if (state.range(0) != 0) reader.emplace();
    const std::string path = storedHistory("quorvel-bench-reader.sqlite", 300, state);
    Shown shown(path);
    shown.form.C_lishi.press();
    if (!shown.waitSettled()) state.SkipWithError("the window did not settle");
    auto* window = shown.window.findChild<QWidget*>(QStringLiteral("Flishi"));
    window->findChild<QTabWidget*>(QStringLiteral("Tab_lishi"))->setCurrentIndex(1);
    window->findChild<QSpinBox*>(QStringLiteral("N_huice_qishu"))->setValue(300);
    auto* press = window->findChild<QPushButton*>(QStringLiteral("C_huice"));
    QWidget* painted[] = {
        window->findChild<QTableView*>(QStringLiteral("Li_huice"))->viewport(),
        window->findChild<QAbstractScrollArea*>(QStringLiteral("Chart_huice_tiaojian"))->viewport(),
        window->findChild<QAbstractScrollArea*>(QStringLiteral("Chart_huice_qishu"))->viewport()};
    int itemsRead = 0;
    for (auto _ : state) {
        if (reader) {
            state.PauseTiming();
            itemsRead = reader->read(*window);
            state.ResumeTiming();
        }
        QTest::mouseClick(press, Qt::LeftButton);
        QCoreApplication::processEvents();
        for (QWidget* view : painted) view->repaint();
        if (!shown.form.lishi.backtests().backtest() ||
            shown.form.lishi.backtests().backtest()->draws.size() != 300)
            state.SkipWithError("not every draw was tested");
    }
    state.counters["itemsRead"] = itemsRead;
}
BENCHMARK(BM_Backtest300DrawsWithAScreenReader)
    ->ArgName("bridge")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->MinTime(1.0);

// An import of 100,000 lines from the window, and the longest the event loop
// went without a turn meanwhile (longestGapMs).
void BM_Import100000LinesKeepsTheWindowResponsive(benchmark::State& state) {
    const std::string path = freshFile("quorvel-bench-import.sqlite");
    Shown shown(path);
    shown.form.C_lishi.press();
    shown.waitSettled();
    double longestGap = 0;
    int round = 0;
    for (auto _ : state) {
        shown.form.lishi.drawList().add("彩种" + std::to_string(++round));
        shown.waitSettled();
        const std::string text = drawLines(100'000, 2000000001);
        QElapsedTimer clock;
        clock.start();
        qint64 last = 0;
        QTimer beat;
        beat.setInterval(0);
        QObject::connect(&beat, &QTimer::timeout, [&] {
            const qint64 now = clock.nsecsElapsed();
            longestGap = std::max(longestGap, (now - last) / 1e6);
            last = now;
        });
        beat.start();
        const auto start = std::chrono::steady_clock::now();
        shown.form.lishi.drawImport().importText(text);
        last = clock.nsecsElapsed();
        if (!shown.waitSettled()) state.SkipWithError("the import did not finish");
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        beat.stop();
        if (shown.form.lishi.drawList().draws().size() != 100'000)
            state.SkipWithError("not every line went in");
    }
    state.counters["longestGapMs"] = longestGap;
}
BENCHMARK(BM_Import100000LinesKeepsTheWindowResponsive)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

// From 【走势图】 to the chart of 10,000 stored draws painted, over the newest
// 50 (arg 50) or every draw (arg 0); then a page scrolled and repainted.
void BM_OpenTrendChartOf10000Draws(benchmark::State& state) {
    const std::string path = storedHistory("quorvel-bench-trend.sqlite", 10'000, state);
    Shown shown(path);
    shown.form.lishi.follow();
    if (!shown.waitSettled()) state.SkipWithError("the history was not read");
    shown.form.zoushi.setPeriod(static_cast<int>(state.range(0)));
    const int rows = state.range(0) > 0 ? static_cast<int>(state.range(0)) : 10'000;
    int round = 0;
    for (auto _ : state) {
        // Another 大号 option each round, so that the chart is computed afresh.
        shown.form.counts.Op_dahao_fanwei.choose(++round % 2);
        const auto start = std::chrono::steady_clock::now();
        shown.form.C_zoushi.press();
        auto* table = shown.window.findChild<QTableView*>(QStringLiteral("Li_zoushi"));
        table->viewport()->repaint();
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        if (table->model()->rowCount() != rows) state.SkipWithError("not every draw is charted");
        shown.form.zoushi.unload();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_OpenTrendChartOf10000Draws)
    ->Arg(50)
    ->Arg(0)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);

void BM_ScrollTrendChartOf10000DrawsByAPage(benchmark::State& state) {
    const std::string path = storedHistory("quorvel-bench-trend-scroll.sqlite", 10'000, state);
    Shown shown(path);
    shown.form.lishi.follow();
    if (!shown.waitSettled()) state.SkipWithError("the history was not read");
    shown.form.zoushi.setPeriod(0);
    shown.form.C_zoushi.press();
    QCoreApplication::processEvents();
    auto* table = shown.window.findChild<QTableView*>(QStringLiteral("Li_zoushi"));
    auto* bar = table->verticalScrollBar();
    for (auto _ : state) {
        bar->setValue(bar->value() > bar->pageStep() ? bar->value() - bar->pageStep()
                                                     : bar->maximum());
        table->viewport()->repaint();
    }
}
BENCHMARK(BM_ScrollTrendChartOf10000DrawsByAPage)->Unit(benchmark::kMillisecond)->MinTime(1.0);

}  // namespace
