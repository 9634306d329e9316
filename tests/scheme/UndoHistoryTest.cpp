#include "scheme/UndoHistory.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>
#include <vector>

#include "any5/panels/MainForm.h"
#include "any5/panels/SchemeControls.h"
#include "front3/MainForm.h"
#include "front3/SchemeControls.h"
#include "tests/support/RandomSchemes.h"
#include "toolkit/HeadlessHost.h"

namespace {

using Clock = scheme::UndoHistory::Clock;

// Every condition control's state, as the history keeps it; the comma option
// is no condition.
template <class Form>
std::string stateOf(const Form& form) {
    scheme::Scheme s = captureScheme(form);
    s.comma = false;
    s.group = false;
    return scheme::writeScheme(s);
}

toolkit::ButtonArray& anyOf(std::mt19937& random, const std::vector<toolkit::ButtonArray*>& rows) {
    return *rows[random() % rows.size()];
}

// The changes a player makes, of every kind the history takes.
std::vector<std::function<void(std::mt19937&)>> changes(any5::MainForm& form,
                                                        testsupport::RandomSchemes& schemes) {
    const std::vector<toolkit::ButtonArray*> rows = {
        &form.pairs.C_sha2ma,    &form.pairs.C_chu2ma,       &form.shapes.C_sha_hezhi,
        &form.shapes.C_tsm_sha,  &form.shapes.C_kuadu_sha,   &form.bankers.numbers(1),
        &form.bankers.counts(1), &form.counts.C_jishu_geshu, &form.minMax.C_min,
        &form.past.C_chonghao,   &form.acRoads.C_aczhi,      &form.shapes.C_sha_xingtai_01};
    return {
        [&form, rows](std::mt19937& r) {
            auto& row = anyOf(r, rows);
            row.press(r() % row.size());
        },
        [&form](std::mt19937& r) {
            form.entries.T_main_sha_3ma.setText("0" + std::to_string(1 + r() % 3) + " 05 07");
        },
        [&form](std::mt19937&) { form.C_all_cls.press(); },
        [&form, &schemes](std::mt19937&) {
            form.undo.nameNextStep("载入方案 a.json");
            applyScheme(schemes.any5(), form);
        },
        [&form](std::mt19937& r) { form.result.N_rongcuo_max.setValue(static_cast<int>(r() % 3)); },
        [&form](std::mt19937& r) { form.counts.Op_dahao_fanwei.choose(r() % 2); },
        [&form](std::mt19937& r) {
            form.picker.load();
            form.picker.Ch_jo[r() % form.picker.Ch_jo.size()].click();
        },
        [&form](std::mt19937& r) {
            form.tongji.refreshIfChanged();
            const auto& rows = form.tongji.report().rows;
            if (!rows.empty()) form.tongji.setTakesPart(rows[r() % rows.size()].name, r() % 2 == 0);
        },
        [&form](std::mt19937& r) {
            form.zoushi.pressValue(11 + static_cast<int>(r() % 6));  // 奇号个数 0..5
        },
    };
}

std::vector<std::function<void(std::mt19937&)>> changes(front3::MainForm& form,
                                                        testsupport::RandomSchemes& schemes) {
    const std::vector<toolkit::ButtonArray*> rows = {
        &form.pages.C_sha2ma,       &form.numbers.C_tsm_sha,       &form.numbers.C_kuadu_sha,
        &form.numbers.numbers(2),   &form.numbers.C_dingwei_sha,   &form.shapes.C_hezhi,
        &form.shapes.C_jishu_geshu, &form.shapes.C_sha_xingtai_01, &form.past.C_linhao};
    return {
        [&form, rows](std::mt19937& r) {
            auto& row = anyOf(r, rows);
            row.press(r() % row.size());
        },
        [&form](std::mt19937& r) {
            form.pages.T_main_laji_fushi.setText("01 0" + std::to_string(2 + r() % 5) + "*03*04");
        },
        [&form](std::mt19937&) { form.C_all_cls.press(); },
        [&form, &schemes](std::mt19937&) { applyScheme(schemes.front3(), form); },
        [&form](std::mt19937& r) { form.result.N_rongcuo_max.setValue(static_cast<int>(r() % 3)); },
        [&form](std::mt19937& r) { form.shapes.Op_dahao_fanwei.choose(r() % 2); },
        [&form](std::mt19937& r) {
            form.pages.Check_sha_012[r() % form.pages.Check_sha_012.size()].click();
        },
        [&form](std::mt19937& r) {
            form.zoushi.numberMenu(static_cast<int>(r() % 33))[0].toggle();
        },
    };
}

// Random changes of every kind, a step at a time: undoing them all finds each
// state before in turn and the start, redoing them all each state after.
template <class Form>
void checkUndoAndRedo(unsigned seed) {
    std::mt19937 random(seed);
    testsupport::RandomSchemes schemes(seed);
    toolkit::HeadlessHost host;
    Form form(host);
    form.load();
    form.past.T_shangqi.setText("03 07 01 11 05");  // so that 重号 and 邻号 can be pressed
    const auto kinds = changes(form, schemes);
    Clock::time_point now{};
    std::size_t steps = 0;
    for (int sequence = 0; sequence < 3; ++sequence) {
        form.undo.start();
        std::vector<std::string> states = {stateOf(form)};
        std::vector<std::size_t> kindOfStep;
        for (int change = 0; change < 180; ++change) {
            const std::size_t kind = random() % kinds.size();
            kinds[kind](random);
            // As the window's event loop does after each round: the report
            // follows (and with it the 容错 selectors' range), then the history.
            form.tongji.refreshIfChanged();
            now += std::chrono::seconds(2);
            form.undo.settle(now);
            if (stateOf(form) == states.back()) {
                ASSERT_EQ(form.undo.steps(), states.size() - 1) << "no change, no step";
                continue;
            }
            states.push_back(stateOf(form));
            kindOfStep.push_back(kind);
            ASSERT_EQ(form.undo.steps(), states.size() - 1) << "kind " << kind;
        }
        ASSERT_GT(states.size(), 100u);
        steps += states.size() - 1;
        for (std::size_t at = states.size() - 1; at-- > 0;) {
            ASSERT_TRUE(form.undo.canUndo());
            form.undo.undo();
            ASSERT_EQ(stateOf(form), states[at]) << "undoing kind " << kindOfStep[at];
        }
        EXPECT_FALSE(form.undo.canUndo());
        for (std::size_t at = 1; at < states.size(); ++at) {
            form.undo.redo();
            ASSERT_EQ(stateOf(form), states[at]) << "redoing kind " << kindOfStep[at - 1];
        }
        EXPECT_FALSE(form.undo.canRedo());
        EXPECT_LT(form.undo.bytes(), 1u << 20);
    }
    EXPECT_GE(steps, 300u);  // over both editions, more than 500 steps
}

TEST(UndoHistory, Any5UndoesAndRedoesEveryKindOfChange) {
    checkUndoAndRedo<any5::MainForm>(20261214);
}

TEST(UndoHistory, Front3UndoesAndRedoesEveryKindOfChange) {
    checkUndoAndRedo<front3::MainForm>(20261215);
}

// Typing on in one box within a second is one step; a named change is named;
// a change after undo drops what could be redone; at most 200 steps are kept.
TEST(UndoHistory, StepsAreNamedTypingIsOneStepAndTheOldestGo) {
    toolkit::HeadlessHost host;
    any5::MainForm form(host);
    form.load();
    Clock::time_point now{};
    auto& box = form.entries.T_main_sha_3ma;
    for (const char* typed : {"0", "01", "01 0", "01 02 03"}) {
        box.setText(typed);
        now += std::chrono::milliseconds(300);
        form.undo.settle(now);
    }
    EXPECT_EQ(form.undo.steps(), 1u);
    form.shapes.C_sha_hezhi.press(13);  // 28
    form.undo.settle(now += std::chrono::milliseconds(300));
    EXPECT_EQ(form.undo.undoText(), "撤销：杀和值 杀 28");
    EXPECT_EQ(form.C_chexiao.toolTip(), "撤销：杀和值 杀 28");
    form.C_all_cls.press();
    form.undo.settle(now += std::chrono::seconds(1));
    EXPECT_EQ(form.undo.undoText(), "撤销：清空所有条件");
    form.C_chexiao.press();
    EXPECT_EQ(form.shapes.C_sha_hezhi[13].backColour(), toolkit::palette::kYellow);
    EXPECT_EQ(form.undo.redoText(), "重做：清空所有条件");
    form.C_chexiao.press();
    form.shapes.C_tsm_sha.press(0);
    form.undo.settle(now += std::chrono::seconds(1));
    EXPECT_FALSE(form.undo.canRedo());
    EXPECT_FALSE(form.C_chongzuo.isEnabled());
    for (int k = 0; k < 250; ++k) {
        form.shapes.C_tsm_sha.press(1);
        form.undo.settle(now += std::chrono::seconds(1));
    }
    EXPECT_EQ(form.undo.steps(), scheme::UndoHistory::kMostSteps);
}

}  // namespace
