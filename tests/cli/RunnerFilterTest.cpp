#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "any5/panels/MainForm.h"
#include "any5/panels/SchemeControls.h"
#include "engine/Selection.h"
#include "front3/MainForm.h"
#include "front3/SchemeControls.h"
#include "scheme/SchemeFiles.h"
#include "tests/cli/RunQuorvel.h"
#include "tests/support/SampleSchemes.h"
#include "toolkit/HeadlessHost.h"

namespace {

using toolkit::HeadlessHost;

using clitest::Outcome;
using clitest::quorvel;

// The player's way to a scheme: clicks on a fresh window, one button at a time.
void pressValues(toolkit::ButtonArray& buttons, const scheme::Values& values, std::size_t first = 0,
                 std::size_t last = SIZE_MAX) {
    for (std::size_t i = first; i <= std::min(last, buttons.size() - 1); ++i) {
        if (values.count(engine::captionValue(buttons[i].caption())) != 0) buttons.press(i);
    }
}

void pressPairs(toolkit::ButtonArray& buttons, const scheme::Pairs& pairs) {
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        const std::string& caption = buttons[i].caption();  // "01\r\n02"
        if (pairs.count({engine::captionValue(caption.substr(0, 2)),
                         engine::captionValue(caption.substr(4, 2))}) != 0)
            buttons.press(i);
    }
}

void pressCaptions(toolkit::ButtonArray& buttons, const scheme::Captions& captions) {
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        if (captions.count(buttons[i].caption()) != 0) buttons.press(i);
    }
}

void clickBoxes(std::deque<toolkit::CheckBox>& boxes, const scheme::Captions& captions) {
    for (auto& box : boxes) {
        if (captions.count(box.caption()) != 0) box.click();
    }
}

void type(toolkit::TextBox& box, const std::optional<std::string>& text) {
    if (text) box.setText(*text);
}

// 容错 as a player sets it: the report's ticks, then the two selectors.
template <class Form>
void clickTolerance(const scheme::Scheme& s, Form& form) {
    form.C_tongji.press();
    for (const auto& name : s.tolerance.hard) form.tongji.setTakesPart(name, false);
    form.tongji.refreshIfChanged();
    form.result.N_rongcuo_max.setValue(s.tolerance.max);
    form.result.N_rongcuo_min.setValue(s.tolerance.min);
}

// The rows read against past draws and their rule, as a player sets them.
void clickPast(const scheme::Scheme& s, draws::PastPanel& past) {
    pressValues(past.C_chonghao, s.repeatCounts);
    pressValues(past.C_linhao, s.neighbourCounts);
    pressValues(past.C_guhao, s.isolatedCounts);
    if (s.hotRule) {
        past.N_re_qishu.setValue(s.hotRule->draws);
        past.N_re_re.setValue(s.hotRule->hot);
        past.N_re_leng.setValue(s.hotRule->cold);
    }
    pressValues(past.C_rehao, s.hotCounts);
    pressValues(past.C_wenhao, s.warmCounts);
    pressValues(past.C_lenghao, s.coldCounts);
}

// Twenty draws, oldest first as a file lists them, and newest first as the
// window keeps them.
std::pair<std::string, std::vector<history::Draw>> twentyDraws() {
    std::string text;
    std::vector<history::Draw> newestFirst;
    for (int d = 1; d <= 20; ++d) {
        history::Draw draw{std::to_string(2026120900 + d), {}};
        for (int k = 0; k < 5; ++k)
            draw.numbers[static_cast<std::size_t>(k)] = (d * 3 + k * 2) % 11 + 1;
        text += draw.issue + " " + history::drawText(draw.numbers) + "\n";
        newestFirst.insert(newestFirst.begin(), draw);
    }
    return {text, newestFirst};
}

void click(const scheme::Scheme& s, any5::MainForm& form) {
    if (s.comma) form.result.Check_out_douhao.click();
    if (s.bigFrom == 6) form.counts.Op_dahao_fanwei.choose(1);
    pressPairs(form.pairs.C_sha2ma, s.killPairs);
    pressPairs(form.pairs.C_chu2ma, s.keepPairs);
    pressValues(form.shapes.C_tsm_sha, s.killNumbers);
    pressValues(form.shapes.C_kuadu_sha, s.killSpans);
    pressValues(form.shapes.C_sha_hezhi, s.killSums);
    pressValues(form.counts.C_jishu_geshu, s.oddCounts);
    pressValues(form.counts.C_dahao_geshu, s.bigCounts);
    for (std::size_t k = 0; k < s.bankers.size(); ++k) {
        pressValues(form.bankers.numbers(static_cast<int>(k) + 1), s.bankers[k].numbers);
        pressValues(form.bankers.counts(static_cast<int>(k) + 1), s.bankers[k].counts);
    }
    type(form.entries.T_main_shazhixuan, s.killCompound);
    type(form.entries.T_ding_shadingwei, s.killPositional);
    type(form.entries.T_main_sha_3ma, s.killTriples);
    type(form.entries.T_main_bichu_3ma, s.keepTriples);
    type(form.entries.T_main_sha4ma, s.killQuads);
    type(form.entries.T_sha_dadi, s.basePool);
    if (s.basePoolEnabled) form.entries.Check_sha_dd.click();
    pressValues(form.shapes.C_zuobian_sha_heiwei, s.killSumTails);
    pressValues(form.minMax.C_min, s.smallest);
    pressValues(form.minMax.C_max, s.largest);
    pressValues(form.shapes.C_jiange, s.killSpacing);
    pressValues(form.counts.C_zhihe_geshu, s.primeCounts);
    pressCaptions(form.shapes.C_sha_xingtai_01, s.killRuns);
    form.C_sha_jiou.press();  // the picker opens
    clickBoxes(form.picker.Ch_jo, s.killParity);
    form.C_sha_jiou.press();  // and closes
    clickPast(s, form.past);
    pressValues(form.acRoads.C_aczhi, s.acValues);
    for (int k = 0; k < 3; ++k)
        pressValues(form.acRoads.road(k), s.roadCounts[static_cast<std::size_t>(k)]);
    clickTolerance(s, form);
}

void click(const scheme::Scheme& s, front3::MainForm& form) {
    if (s.comma) form.result.Check_out_douhao.click();
    if (s.bigFrom == 6) form.shapes.Op_dahao_fanwei.choose(1);
    pressPairs(form.pages.C_sha2ma, s.killPairs);
    pressPairs(form.pages.C_bichu2ma, s.keepPairs);
    pressValues(form.numbers.C_tsm_sha, s.killNumbers);
    pressValues(form.numbers.C_kuadu_sha, s.killSpans);
    pressValues(form.shapes.C_hezhi, s.killSums);
    pressValues(form.shapes.C_jishu_geshu, s.oddCounts);
    pressValues(form.shapes.C_dahao_geshu, s.bigCounts);
    for (std::size_t k = 0; k < s.bankers.size(); ++k) {
        pressValues(form.numbers.numbers(static_cast<int>(k) + 1), s.bankers[k].numbers);
        pressValues(form.numbers.counts(static_cast<int>(k) + 1), s.bankers[k].counts);
    }
    type(form.pages.T_main_shazhixuan, s.killDirect);
    type(form.pages.T_main_laji_fushi, s.killCompound);
    clickBoxes(form.pages.Check_sha_012, s.killPaths);
    for (std::size_t row = 0; row < 3; ++row)
        pressValues(form.numbers.C_dingwei_sha, s.killPositions[row], row * 11, row * 11 + 10);
    pressCaptions(form.shapes.C_sha_xingtai_01, s.killShapes);
    for (auto* family :
         {&form.shapes.Check_sha_daxiao, &form.shapes.Check_sha_jiou, &form.shapes.Check_sha_zhihe})
        clickBoxes(*family, s.killPatterns);
    clickPast(s, form.past);
    clickTolerance(s, form);
}

void startRun(const scheme::Scheme&, any5::MainForm& form) {
    form.result.C_guolv_ks.press();
}

void startRun(const scheme::Scheme& s, front3::MainForm& form) {
    (s.group ? form.C_guolv_zhuan_zuxuan : form.result.C_guolv_ks).press();
}

// The window's published lines, one per line, as the runner prints them.
std::string linesOf(const std::string& published) {
    std::string lines;
    std::size_t start = 0;
    while (start < published.size()) {
        const std::size_t end = std::min(published.find("\r\n", start), published.size());
        lines += published.substr(start, end - start) + "\n";
        start = end + 2;
    }
    return lines;
}

// Clicks a sample into a window, runs it there, saves it with the window's
// button; the runner must print the window's lines for both files.
template <class Form>
void expectRunnerMatchesWindow(const char* sample) {
    const auto read = scheme::readScheme(sample);
    ASSERT_TRUE(read.scheme) << read.error;
    HeadlessHost host;
    Form form(host);
    form.load();
    const auto [drawText, drawn] = twentyDraws();
    form.past.setStored("d.txt", drawn);
    click(*read.scheme, form);
    startRun(*read.scheme, form);
    EXPECT_TRUE(host.callsOf(HeadlessHost::Kind::Message).empty());
    EXPECT_EQ(captureScheme(form), *read.scheme) << writeScheme(captureScheme(form));
    const std::string published = linesOf(form.result.ResultText);
    ASSERT_FALSE(published.empty());

    // One file per test: ctest runs the two editions' tests side by side.
    const std::string path = ::testing::TempDir() + "/quorvel-runner-" +
                             ::testing::UnitTest::GetInstance()->current_test_info()->name() +
                             ".json";
    host.setChosenFile(path);
    form.C_fangan_baocun.press();
    const auto saved = scheme::readFile(path);
    ASSERT_TRUE(saved);
    std::remove(path.c_str());

    const std::map<std::string, std::string> files = {
        {"s.json", sample}, {"saved.json", *saved}, {"d.txt", drawText}};
    const auto fromSample = quorvel({"filter", "s.json", "--draws", "d.txt"}, files);
    EXPECT_EQ(fromSample.code, 0);
    EXPECT_EQ(fromSample.err, "");
    EXPECT_EQ(fromSample.out, published);
    EXPECT_EQ(quorvel({"filter", "saved.json", "--draws", "d.txt"}, files).out, published);
    EXPECT_EQ(quorvel({"filter", "--count", "s.json", "--draws", "d.txt"}, files).out,
              std::to_string(form.result.count()) + "\n");
}

TEST(RunnerFilter, PrintsWhatTheAny5WindowPublishesForEveryKey) {
    for (const char* sample : testsupport::kAny5Schemes)
        expectRunnerMatchesWindow<any5::MainForm>(sample);
}

TEST(RunnerFilter, PrintsWhatTheFront3WindowPublishesForEveryKey) {
    for (const char* sample : testsupport::kFront3Schemes)
        expectRunnerMatchesWindow<front3::MainForm>(sample);
}

TEST(RunnerFilter, StartUpSchemesGiveEveryBet) {
    const auto any5 = quorvel({"filter", "s"}, {{"s", "{\"edition\": \"any5\"}"}});
    EXPECT_EQ(any5.out.substr(0, 15), "01 02 03 04 05\n");
    EXPECT_EQ(quorvel({"filter", "--count", "s"}, {{"s", "{\"edition\": \"any5\"}"}}).out, "462\n");
    EXPECT_EQ(quorvel({"filter", "s", "--count"}, {{"s", "{\"edition\": \"front3\"}"}}).out,
              "990\n");
    EXPECT_EQ(
        quorvel({"filter", "s", "--count"}, {{"s", "{\"edition\": \"front3\", \"group\": true}"}})
            .out,
        "165\n");
}

TEST(RunnerFilter, NothingLeftIsNotAnError) {
    const auto none = quorvel({"filter", "s"},
                              {{"s", R"({"edition": "any5", "smallest": [7], "largest": [10]})"}});
    EXPECT_EQ(none.code, 0);
    EXPECT_EQ(none.out, "");
    EXPECT_EQ(none.err, "");
}

TEST(RunnerFilter, SkippedCompoundLinesAreNotedOnStandardError) {
    const auto done = quorvel(
        {"filter", "s"}, {{"s", R"({"edition": "front3", "killCompound": "01 02\n01*02*03"})"}});
    EXPECT_EQ(done.code, 0);
    EXPECT_EQ(quorvel({"filter", "--count", "s"},
                      {{"s", R"({"edition": "front3", "killCompound": "01*02*03"})"}})
                  .out,
              "989\n");
    EXPECT_NE(done.err.find("1行"), std::string::npos);
    EXPECT_EQ(std::count(done.err.begin(), done.err.end(), '\n'), 1);
}

TEST(RunnerFilter, BadSchemesExitTwoWithOneLineNamingTheProblem) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"{\"edition\": \"any5\"", "JSON"},
        {"\"any5\"", "对象"},
        {"{\"edition\": \"any5\", \"killNumbrs\": [1]}", "\"killNumbrs\""},
        {"{\"edition\": \"any5\", \"killNumbers\": 1}", "\"killNumbers\""},
        {"{\"edition\": \"front3\", \"killSpans\": [11]}", "11"},
        {"{\"edition\": \"front3\", \"killShapes\": [\"两连\"]}", "两连"},
        {"{\"edition\": \"any5\", \"killSpacing\": [1, 2, 3, 4, 5, 6]}", "\"killSpacing\""},
        {"{\"edition\": \"any5\", \"bankers\": [{}, {}, {}, {}, {}, {}]}", "\"bankers\""},
        {"{\"edition\": \"front3\", \"bankers\": [{}, {}, {}, {}]}", "\"bankers\""},
    };
    for (const auto& [text, named] : cases) {
        const auto done = quorvel({"filter", "bad.json"}, {{"bad.json", text}});
        EXPECT_EQ(done.code, 2) << text;
        EXPECT_EQ(done.out, "") << text;
        EXPECT_EQ(done.err.rfind("quorvel: bad.json: ", 0), 0u) << done.err;
        EXPECT_NE(done.err.find(named), std::string::npos) << done.err;
        EXPECT_EQ(std::count(done.err.begin(), done.err.end(), '\n'), 1) << done.err;
    }
    const auto missing = quorvel({"filter", "gone.json"}, {});
    EXPECT_EQ(missing.code, 2);
    EXPECT_EQ(missing.err, "quorvel: cannot read gone.json\n");
    EXPECT_EQ(quorvel({"filter"}, {}).code, 2);
    EXPECT_EQ(quorvel({"filter", "a", "b"}, {}).code, 2);
}

// 查注 from the command line: the broken conditions in run order, each with
// why; nothing for a bet that passes, one line and exit 2 for a text that is
// no bet.
TEST(RunnerExplain, NamesTheBrokenConditionsOrSaysWhyTheTextIsNoBet) {
    const std::string any5 = R"({"edition": "any5", "killNumbers": [11], "killSums": [15],
        "bankers": [{"numbers": [3, 7], "counts": [2]}], "tolerance": {"max": 1}})";
    const std::string front3 = R"({"edition": "front3", "killPositions": [[1], [], []]})";
    struct Case {
        const char* name;
        const std::string& scheme;
        const char* bet;
        int code;
        const char* out;
        const char* err;
    };
    const Case cases[] = {
        {"two broken", any5, "05 04 03 02 01", 0, "杀和值：和值 15\n胆码1：含胆码 1 个（03）\n",
         ""},
        {"kill number only", any5, "3,7,9,10,11", 0, "通杀码：含 11\n", ""},
        {"passes", any5, "0307091005", 0, "", ""},
        {"four numbers", any5, "01 02 03 04", 2, "",
         "quorvel: 不是任选五的一注：应为 5 个号码，这里有 4 个\n"},
        {"a number twice", any5, "01 02 03 04 01", 2, "",
         "quorvel: 不是任选五的一注：号码 01 重复了\n"},
        {"front-3 in order", front3, "01 02 03", 0, "前三定位杀：一位 01\n", ""},
        {"front-3 other order", front3, "02 01 03", 0, "", ""},
        {"ball 12", front3, "12 01 02", 2, "", "quorvel: 不是前三的一注：12 不是 01..11 的号码\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto outcome = quorvel({"explain", "s.json", c.bet}, {{"s.json", c.scheme}});
        EXPECT_EQ(outcome.code, c.code);
        EXPECT_EQ(outcome.out, c.out);
        EXPECT_EQ(outcome.err, c.err);
    }
}

}  // namespace
