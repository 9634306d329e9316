#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <random>
#include <string>

#include "any5/panels/MainForm.h"
#include "engine/CandidateTable.h"
#include "engine/Publication.h"
#include "front3/MainForm.h"
#include "toolkit/HeadlessHost.h"

namespace {

// One whole any-5 run as the start button does it: generation (with a yield
// that returns at once), the pipeline, publication into the result controls.
void BM_Any5Run(benchmark::State& state) {
    toolkit::HeadlessHost host;
    any5::MainForm form(host);
    form.load();
    for (auto _ : state) {
        form.result.C_guolv_ks.press();
        benchmark::DoNotOptimize(form.result.ResultText.data());
    }
    state.counters["bets"] = static_cast<double>(form.result.count());
}
BENCHMARK(BM_Any5Run)->Unit(benchmark::kMicrosecond);

// A realistic evening's conditions on every button panel: two banker groups
// with counts, sums, sum tails, span, smallest/largest, spacing, a killed
// number, odd/big/prime counts and a consecutive pattern.
void setTypicalConditions(any5::MainForm& form) {
    auto& b = form.bankers;
    for (std::size_t i : {9u, 0u, 6u, 7u}) b.C_danma_chu.press(i);  // 01 02 08 09
    b.C_danma_chu_geshu.press(1);
    b.C_danma_chu_geshu.press(2);
    for (std::size_t i : {2u, 4u, 10u}) b.C_danma_chu2.press(i);  // 03 05 11
    auto& s = form.shapes;
    for (std::size_t i : {0u, 1u, 2u, 28u, 29u, 30u}) s.C_sha_hezhi.press(i);
    s.C_zuobian_sha_heiwei.press(3);
    s.C_kuadu_sha.press(0);
    s.C_jiange.press(0);
    s.C_jiange.press(2);
    s.C_tsm_sha.press(5);
    form.minMax.C_min.press(0);
    form.minMax.C_min.press(1);
    form.minMax.C_max.press(5);
    form.minMax.C_max.press(6);
    form.counts.C_jishu_geshu.press(2);
    form.counts.C_jishu_geshu.press(3);
    form.counts.C_dahao_geshu.press(2);
    form.counts.C_zhihe_geshu.press(2);
    form.counts.C_zhihe_geshu.press(3);
    s.C_sha_xingtai_01.press(4);
}

void BM_Any5RunWithConditions(benchmark::State& state) {
    toolkit::HeadlessHost host;
    any5::MainForm form(host);
    form.load();
    setTypicalConditions(form);
    for (auto _ : state) {
        form.result.C_guolv_ks.press();
        benchmark::DoNotOptimize(form.result.ResultText.data());
    }
    state.counters["bets"] = static_cast<double>(form.result.count());
}
BENCHMARK(BM_Any5RunWithConditions)->Unit(benchmark::kMicrosecond);

// Lines of `count` random distinct numbers ("03 07 11"), CR LF between lines,
// until the text reaches `bytes`.
std::string pastedLines(std::size_t bytes, int count, unsigned seed) {
    std::mt19937 random(seed);
    std::string text;
    text.reserve(bytes + 64);
    while (text.size() < bytes) {
        std::array<int, 11> numbers{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
        std::shuffle(numbers.begin(), numbers.end(), random);
        std::sort(numbers.begin(), numbers.begin() + count);
        for (int k = 0; k < count; ++k) {
            char token[4];
            std::snprintf(token, sizeof token, "%02d ", numbers[k]);
            text += token;
        }
        text.back() = '\r';
        text += '\n';
    }
    return text;
}

// Every text box holding a paste of the given size; the run reads and scans
// all of them, so its time shows how the text stages grow with the text.
void BM_Any5RunWithPastes(benchmark::State& state) {
    const auto bytes = static_cast<std::size_t>(state.range(0));
    toolkit::HeadlessHost host;
    any5::MainForm form(host);
    form.load();
    auto& e = form.entries;
    e.T_main_shazhixuan.setText(pastedLines(bytes, 6, 1));
    e.T_main_sha_3ma.setText(pastedLines(bytes, 3, 2));
    e.T_main_bichu_3ma.setText(pastedLines(bytes, 3, 3));
    e.T_main_sha4ma.setText(pastedLines(bytes, 6, 4));
    e.T_ding_shadingwei.setText(pastedLines(bytes, 5, 5));
    e.Check_sha_dd.setTicked(true);
    e.T_sha_dadi.setText(pastedLines(bytes, 5, 6));
    for (auto _ : state) {
        form.result.C_guolv_ks.press();
        benchmark::DoNotOptimize(form.result.ResultText.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * 6 * bytes));
    state.counters["bets"] = static_cast<double>(form.result.count());
}
BENCHMARK(BM_Any5RunWithPastes)->Arg(1 << 20)->Arg(2 << 20)->Unit(benchmark::kMillisecond);

// Every one of the thirteen front-3 conditions set, as a player might.
void setFront3Conditions(front3::MainForm& form) {
    auto& pages = form.pages;
    pages.T_main_shazhixuan.setText("01 02 03\r\n03 02 01\r\n05 06 07");
    pages.T_main_laji_fushi.setText("01 02 *05 *07 08 09 \r\n10 11 *10 11 *01 ");
    pages.C_sha2ma.press(3);
    pages.C_bichu2ma.press(5);
    pages.C_bichu2ma.press(20);
    pages.C_bichu2ma.press(40);
    pages.Check_sha_012[0].click();
    pages.Check_sha_012[13].click();
    form.numbers.C_kuadu_sha.press(0);
    form.numbers.C_tsm_sha.press(10);
    form.numbers.C_danma_chu2.press(2);
    form.numbers.C_danma_chu2.press(6);
    form.numbers.C_dingwei_sha.press(4);
    form.numbers.C_dingwei_sha.press(15);
    form.shapes.C_hezhi.press(0);
    form.shapes.C_hezhi.press(24);
    form.shapes.C_jishu_geshu.press(1);
    form.shapes.C_jishu_geshu.press(2);
    form.shapes.C_dahao_geshu.press(1);
    form.shapes.C_dahao_geshu.press(2);
    form.shapes.C_sha_xingtai_01.press(2);
    form.shapes.Check_sha_daxiao[0].click();
    form.shapes.Check_sha_jiou[4].click();
}

void BM_Front3RunAllStages(benchmark::State& state) {
    toolkit::HeadlessHost host;
    front3::MainForm form(host);
    form.load();
    setFront3Conditions(form);
    for (auto _ : state) {
        form.result.C_guolv_ks.press();
        benchmark::DoNotOptimize(form.result.ResultText.data());
    }
    state.counters["bets"] = static_cast<double>(form.result.count());
}
BENCHMARK(BM_Front3RunAllStages)->Unit(benchmark::kMicrosecond);

void BM_Front3GroupConversion(benchmark::State& state) {
    toolkit::HeadlessHost host;
    front3::MainForm form(host);
    form.load();
    if (state.range(0) != 0) setFront3Conditions(form);
    for (auto _ : state) {
        form.C_guolv_zhuan_zuxuan.press();
        benchmark::DoNotOptimize(form.result.ResultText.data());
    }
    state.counters["groups"] = static_cast<double>(form.result.count());
}
BENCHMARK(BM_Front3GroupConversion)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// "AB交集" of two pasted lists of bets, each `bytes` long.
void BM_IntersectionOfTwoLists(benchmark::State& state) {
    const auto bytes = static_cast<std::size_t>(state.range(0));
    toolkit::HeadlessHost host;
    any5::MainForm form(host);
    form.load();
    form.jiaoji.T_dd_jiaoji[0].setText(pastedLines(bytes, 5, 7));
    form.jiaoji.T_dd_jiaoji[1].setText(pastedLines(bytes, 5, 8));
    for (auto _ : state) {
        form.jiaoji.C_jiaoji_xuanzhe.press(0);
        benchmark::DoNotOptimize(form.jiaoji.T_dd_jiaoji[2].text().data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * 2 * bytes));
    state.counters["bets"] = std::stod(form.jiaoji.T_jiaoji_zhushu.text());
}
BENCHMARK(BM_IntersectionOfTwoLists)->Arg(1 << 20)->Arg(2 << 20)->Unit(benchmark::kMillisecond);

// Lines of three "*"-separated parts of one to six random numbers each
// ("01 05 *02 *07 09 11 "), CR LF between lines, until the text reaches
// `bytes`: hardly two lines alike, and many pairs of numbers in each.
std::string compoundLines(std::size_t bytes, unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> partSize(1, 6);
    std::string text;
    text.reserve(bytes + 64);
    while (text.size() < bytes) {
        for (int part = 0; part < 3; ++part) {
            if (part > 0) text += '*';
            std::array<int, 11> numbers{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
            std::shuffle(numbers.begin(), numbers.end(), random);
            for (int k = partSize(random); k > 0; --k) {
                char token[4];
                std::snprintf(token, sizeof token, "%02d ", numbers[k]);
                text += token;
            }
        }
        text += "\r\n";
    }
    return text;
}

// Both front-3 text boxes holding a paste of the given size.
void BM_Front3RunWithPastes(benchmark::State& state) {
    const auto bytes = static_cast<std::size_t>(state.range(0));
    toolkit::HeadlessHost host;
    front3::MainForm form(host);
    form.load();
    form.pages.T_main_shazhixuan.setText(pastedLines(bytes, 3, 9));
    form.pages.T_main_laji_fushi.setText(compoundLines(bytes, 10));
    for (auto _ : state) {
        form.result.C_guolv_ks.press();
        benchmark::DoNotOptimize(form.result.ResultText.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * 2 * bytes));
    state.counters["bets"] = static_cast<double>(form.result.count());
}
BENCHMARK(BM_Front3RunWithPastes)->Arg(1 << 20)->Arg(2 << 20)->Unit(benchmark::kMillisecond);

// A paste nobody means to make, in every any-5 text box: one line of bytes
// that are not text (invalid UTF-8, NUL bytes, lone CRs and LFs) with a number
// group at its end.
void BM_Any5RunWithOneLongLine(benchmark::State& state) {
    const auto bytes = static_cast<std::size_t>(state.range(0));
    const std::string noise("\xFF\xFE\xC3\x28 \0\0 ab 12 99 00\r \n\xE2\x82 7 5", 28);
    std::string line;
    line.reserve(bytes + noise.size());
    while (line.size() < bytes) line += noise;
    toolkit::HeadlessHost host;
    any5::MainForm form(host);
    form.load();
    auto& e = form.entries;
    e.T_main_shazhixuan.setText(line + "06 07 08 09 10");
    e.T_main_sha_3ma.setText(line + "09 10 11");
    e.T_main_bichu_3ma.setText(line + "01 02 03");
    e.T_main_sha4ma.setText(line + "07 08 09 10");
    e.T_ding_shadingwei.setText(line + "01 02 03 04 *");
    e.Check_sha_dd.setTicked(true);
    e.T_sha_dadi.setText(line + "01 02 03 04 05");  // the one bet left
    for (auto _ : state) {
        form.result.C_guolv_ks.press();
        benchmark::DoNotOptimize(form.result.ResultText.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * 6 * bytes));
    state.counters["bets"] = static_cast<double>(form.result.count());
}
BENCHMARK(BM_Any5RunWithOneLongLine)->Arg(1 << 20)->Arg(2 << 20)->Unit(benchmark::kMillisecond);

// "AB交集" of two front-3 lists, which are tidied before they are read. The
// lists are set again before every press, as tidying rewrites them.
void BM_Front3IntersectionOfTwoLists(benchmark::State& state) {
    const auto bytes = static_cast<std::size_t>(state.range(0));
    toolkit::HeadlessHost host;
    front3::MainForm form(host);
    form.load();
    const std::string a = pastedLines(bytes, 3, 11);
    const std::string b = pastedLines(bytes, 3, 12);
    for (auto _ : state) {
        state.PauseTiming();
        form.jiaoji.T_dd_jiaoji[0].setText(a);
        form.jiaoji.T_dd_jiaoji[1].setText(b);
        state.ResumeTiming();
        form.jiaoji.C_jiaoji_xuanzhe.press(0);
        benchmark::DoNotOptimize(form.jiaoji.T_dd_jiaoji[2].text().data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * 2 * bytes));
    state.counters["bets"] = std::stod(form.jiaoji.T_jiaoji_zhushu.text());
}
BENCHMARK(BM_Front3IntersectionOfTwoLists)
    ->Arg(1 << 20)
    ->Arg(2 << 20)
    ->Unit(benchmark::kMillisecond);

void BM_Generate(benchmark::State& state) {
    engine::CandidateTable table;
    for (auto _ : state) {
        table.generate();
        benchmark::DoNotOptimize(table);
    }
}
BENCHMARK(BM_Generate)->Unit(benchmark::kMicrosecond);

void BM_Publish462(benchmark::State& state) {
    engine::CandidateTable table;
    table.generate();
    for (auto _ : state) benchmark::DoNotOptimize(engine::publishAlive(table, ' '));
}
BENCHMARK(BM_Publish462)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
