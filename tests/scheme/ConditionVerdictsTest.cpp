#include <gtest/gtest.h>

#include "any5/panels/MainForm.h"
#include "any5/panels/SchemeControls.h"
#include "engine/Captions.h"
#include "engine/ConditionReport.h"
#include "front3/MainForm.h"
#include "front3/SchemeControls.h"
#include "tests/support/RandomSchemes.h"
#include "toolkit/HeadlessHost.h"

namespace {

// The report's numbers and the tolerant survivors, counted plainly from the
// conditions' verdicts, bet by bet.
void expectReportCountedPlainly(const engine::Verdicts& v, const engine::Tolerance& tolerance) {
    const engine::ConditionReport report = engine::reportOf(v, tolerance);
    const engine::Survivors survivors = engine::survivorsOf(v, tolerance);
    ASSERT_EQ(report.rows.size(), v.conditions.size());
    std::vector<int> alone(v.conditions.size()), inOrder(v.conditions.size()),
        only(v.conditions.size()), byBreaks;
    int struck = 0;
    int left = 0;
    for (int row = 1; row <= v.rowCount; ++row) {
        const auto r = static_cast<std::size_t>(row);
        int broken = 0;
        int takingPart = 0;
        bool hard = false;
        std::size_t first = v.conditions.size();
        for (std::size_t c = 0; c < v.conditions.size(); ++c) {
            if (!v.conditions[c].breaks[r]) continue;
            ++alone[c];
            first = std::min(first, c);
            ++broken;
            const bool isHard = tolerance.hard.count(v.conditions[c].name) != 0;
            hard = hard || isHard;
            takingPart += isHard ? 0 : 1;
        }
        if (first < v.conditions.size()) ++inOrder[first];
        for (std::size_t c = 0; c < v.conditions.size(); ++c)
            only[c] += broken == 1 && v.conditions[c].breaks[r] ? 1 : 0;
        struck += broken > 0 ? 1 : 0;
        EXPECT_EQ(survivors.breakCounts[r], takingPart) << "row " << row;
        const bool survives = !hard && takingPart >= tolerance.min && takingPart <= tolerance.max;
        EXPECT_EQ(survivors.rows[r], survives) << "row " << row;
        if (!survives) continue;
        ++left;
        if (byBreaks.size() <= static_cast<std::size_t>(takingPart))
            byBreaks.resize(takingPart + 1);
        ++byBreaks[static_cast<std::size_t>(takingPart)];
    }
    for (std::size_t c = 0; c < v.conditions.size(); ++c) {
        SCOPED_TRACE(v.conditions[c].name);
        EXPECT_EQ(report.rows[c].alone, alone[c]);
        EXPECT_EQ(report.rows[c].inOrder, inOrder[c]);
        EXPECT_EQ(report.rows[c].only, only[c]);
    }
    EXPECT_EQ(report.totals.alone, struck);
    EXPECT_EQ(report.survivors, left);
    EXPECT_EQ(report.survivorsByBreaks, byBreaks);
}

// One form takes scheme after scheme, as a player changes his conditions: a
// verdict kept from before a change would show here.
template <class Form, class Table, class Random>
void checkRandomSchemes(Random nextScheme) {
    testsupport::RandomSchemes random(20261208);
    toolkit::HeadlessHost host;
    Form form(host);
    form.load();
    for (int i = 0; i < 150; ++i) {
        const scheme::Scheme s = nextScheme(random);
        applyScheme(s, form);
        SCOPED_TRACE(scheme::writeScheme(s));

        Table plain;
        plain.generate();
        form.pipeline.apply(plain);
        Table fresh;
        fresh.generate();
        const engine::Verdicts verdicts = form.pipeline.verdicts(fresh);
        const engine::Survivors survivors = engine::survivorsOf(verdicts, {});
        for (int row = 1; row <= Table::kRowCount; ++row)
            ASSERT_EQ(survivors.rows[static_cast<std::size_t>(row)], !plain.isKilled(row)) << row;

        engine::Tolerance tolerance{i % 3, i % 3 + i % 4, {}};
        for (std::size_t c = 0; c < verdicts.conditions.size(); c += 3)
            tolerance.hard.insert(verdicts.conditions[c].name);
        expectReportCountedPlainly(verdicts, tolerance);
    }
}

TEST(ConditionVerdicts, Any5ToleranceZeroIsThePlainRunAndTheReportCountsPlainly) {
    checkRandomSchemes<any5::MainForm, engine::CandidateTable>(
        [](testsupport::RandomSchemes& random) { return random.any5(); });
}

TEST(ConditionVerdicts, Front3ToleranceZeroIsThePlainRunAndTheReportCountsPlainly) {
    checkRandomSchemes<front3::MainForm, front3::CandidateTable>(
        [](testsupport::RandomSchemes& random) { return random.front3(); });
}

// A panel that is set but strikes nothing is the failure players fear most:
// the report lists it with no bet struck.
TEST(ConditionVerdicts, ASetConditionThatStrikesNothingIsListedWithNothingStruck) {
    toolkit::HeadlessHost host;
    any5::MainForm any5(host);
    any5.load();
    for (std::size_t i = 0; i < any5.minMax.C_min.size(); ++i) any5.minMax.C_min.press(i);
    any5.shapes.C_sha_hezhi.press(0);
    front3::MainForm front3(host);
    front3.load();
    for (std::size_t i = 0; i < front3.shapes.C_jishu_geshu.size(); ++i)
        front3.shapes.C_jishu_geshu.press(i);
    for (auto* report : {&any5.tongji, &front3.tongji}) {
        report->refreshIfChanged();
        const auto& rows = report->report().rows;
        ASSERT_FALSE(rows.empty());
        const auto idle = std::find_if(rows.begin(), rows.end(),
                                       [](const engine::ReportRow& row) { return row.alone == 0; });
        ASSERT_NE(idle, rows.end());
        EXPECT_EQ(idle->name, report == &any5.tongji ? "最小号码" : "奇号个数");
        EXPECT_EQ(engine::noteOf(*idle), engine::kNothingStruck);
    }
    EXPECT_EQ(any5.tongji.report().rows.size(), 2u);  // 杀和值 15 and the idle one
}

// One rule with or without conditions: a bet survives when the conditions it
// breaks number min..max, so asking for a broken one with none set leaves
// nothing, and the count says why.
TEST(ConditionVerdicts, ToleranceKeepsTheBetsBreakingMinToMaxConditionsEvenWithNoneSet) {
    struct Case {
        const char* name;
        bool isSumKilled;  // 杀和值 15 strikes the one bet 01 02 03 04 05
        int min, max;
        std::size_t survivors;
        const char* count;
    };
    const Case cases[] = {
        {"nothing set, plain", false, 0, 0, 462, "462"},
        {"nothing set, 1-2", false, 1, 2, 0, "0  容错 1-1（参与容错的条件只有 0 个）"},
        {"one set, 1-2", true, 1, 2, 1, "1  容错 1-1"},
        {"one set, 0-1", true, 0, 1, 462, "462  容错 0-1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        toolkit::HeadlessHost host;
        any5::MainForm form(host);
        form.load();
        if (c.isSumKilled) form.shapes.C_sha_hezhi.press(0);
        report::setTolerance(form.tongji, form.result, {c.min, c.max, {}});
        form.result.C_guolv_ks.press();
        EXPECT_EQ(form.result.count(), c.survivors);
        EXPECT_EQ(form.result.dadi_zhushu.caption(), c.count);
    }
}

// Schemes name the conditions that do not take part in 容错; the names they
// accept are the windows' own, in run order.
TEST(ConditionVerdicts, SchemesKnowEveryConditionByTheWindowsName) {
    toolkit::HeadlessHost host;
    const any5::MainForm any5(host);
    const front3::MainForm front3(host);
    EXPECT_EQ(any5.pipeline.conditionNames(), engine::any5ConditionNames());
    EXPECT_EQ(front3.pipeline.conditionNames(), engine::front3ConditionNames());
}

}  // namespace
