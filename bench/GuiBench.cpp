#include <benchmark/benchmark.h>

#include <QApplication>
#include <QListWidget>
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
