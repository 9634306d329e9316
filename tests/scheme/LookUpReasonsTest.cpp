#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "any5/panels/MainForm.h"
#include "any5/panels/SchemeControls.h"
#include "front3/MainForm.h"
#include "front3/SchemeControls.h"
#include "scheme/Scheme.h"
#include "toolkit/HeadlessHost.h"

namespace {

struct Case {
    const char* scheme;
    const char* bet;
    std::vector<std::string> reasons;  // in run order
};

// 查注 of each bet, typed and pressed as a player does, under its scheme.
template <class Form>
void expectReasons(const std::vector<Case>& cases) {
    toolkit::HeadlessHost host;
    Form form(host);
    form.load();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bet);
        const auto read = scheme::readScheme(c.scheme);
        ASSERT_TRUE(read.scheme) << read.error;
        applyScheme(*read.scheme, form);
        form.tongji.T_chazhu.setText(c.bet);
        form.tongji.C_chazhu.press();
        std::string expected = "违反 " + std::to_string(c.reasons.size()) + " 个条件：";
        for (const auto& reason : c.reasons) expected += "\r\n" + reason;
        EXPECT_EQ(form.tongji.T_chazhu_jieguo.text(), expected);
    }
}

// Every any-5 condition set at once, big numbers 06~11; each pasted box
// strikes from a line other than its first for some bet.
constexpr const char* kAny5Every = R"json({"edition": "any5", "bigFrom": 6,
 "killCompound": "06 07 08 09 10 11\n01 02 03 04 05 06",
 "killPositional": "* * * * 05\n01 * 03 * 08",
 "killTriples": "02 04 06\n01 03 05", "keepTriples": "01 02 03\n07 08 09",
 "killQuads": "01 02 03 04\n08 09 10 11",
 "basePool": "01 02 03 04 05\n01 03 05 07 09", "basePoolEnabled": true,
 "killPairs": [[1, 2], [10, 11]], "keepPairs": [[1, 3], [2, 4]],
 "killSumTails": [5], "killSums": [15, 25], "killSpans": [4, 10],
 "smallest": [2, 3], "largest": [9, 10], "killSpacing": [1, 2, 3], "killNumbers": [11],
 "killRuns": ["两连"], "bankers": [{"numbers": [3, 7], "counts": [2]}, {"numbers": [4, 5, 6]}],
 "oddCounts": [2, 3], "bigCounts": [1, 2], "primeCounts": [2, 3],
 "killParity": ["奇奇奇奇奇", "奇偶奇偶奇"]})json";

// Runs of another kind, a full spacing pattern and big numbers 07~11.
constexpr const char* kAny5Runs = R"json({"edition": "any5", "killRuns": ["不连", "两个两连"],
 "killSpacing": [2, 4, 6, 8, 10], "bigCounts": [0, 1]})json";

TEST(LookUpReasons, Any5SaysForEachConditionTheBetsOwnValue) {
    expectReasons<any5::MainForm>({
        {kAny5Every,
         "01 02 03 04 05",
         {"杀直选复式/组选：在第 2 行的号码里", "定位杀号：符合第 1 行 * * * * 05",
          "杀2码组合：含 01 02", "杀3码组合：含第 2 行的 01 03 05", "杀和尾：和尾 5（和值 15）",
          "杀和值：和值 15", "杀跨度：跨度 4", "胆码1：含胆码 1 个（03）", "最小号码：最小号码 01",
          "最大号码：最大号码 05", "间距模式过滤：前 2 个间距 1、1",
          "杀4码组合：含第 1 行的 01 02 03 04", "大号个数：大号 0 个", "质号个数：质号 4 个",
          "杀连码：01 02 03 04 05 五连", "杀奇偶排列：奇偶排列 奇偶奇偶奇"}},
        // Typed out of order: the arrangement is read from the smallest up,
        // and the run through 11 and 01 counts one number past 01 02 03.
        {kAny5Every,
         "11 01 02 03 10",
         {"杀2码组合：含 01 02、10 11", "杀跨度：跨度 10", "胆码1：含胆码 1 个（03）",
          "胆码2：含胆码 0 个", "最小号码：最小号码 01", "最大号码：最大号码 11",
          "间距模式过滤：前 2 个间距 1、1", "通杀码：含 11", "大底号码：不在大底里",
          "质号个数：质号 4 个", "杀连码：11 01 02 03 四连", "杀奇偶排列：奇偶排列 奇偶奇偶奇"}},
        {kAny5Every,
         "04 06 08 09 10",
         {"必出2码组合：不含任何一组必出的 2 码", "必出3码组合：没有一行恰好含它的 3 个号码",
          "胆码1：含胆码 0 个", "最小号码：最小号码 04", "大底号码：不在大底里",
          "大号个数：大号 4 个", "奇号个数：奇号 1 个", "质号个数：质号 0 个",
          "杀连码：08 09 10 三连"}},
        {kAny5Every,
         "01 03 05 07 09",
         {"杀3码组合：含第 2 行的 01 03 05", "必出3码组合：没有一行恰好含它的 3 个号码",
          "杀和尾：和尾 5（和值 25）", "杀和值：和值 25", "最小号码：最小号码 01",
          "奇号个数：奇号 5 个", "质号个数：质号 4 个", "杀奇偶排列：奇偶排列 奇奇奇奇奇"}},
        {kAny5Runs, "01 05 06 09 11", {"大号个数：大号 2 个", "杀连码：05 06、11 01 两个二连"}},
        {kAny5Runs,
         "03 05 07 09 11",
         {"间距模式过滤：间距 2、2、2、2", "大号个数：大号 3 个", "杀连码：不连"}},
    });
}

// Every front-3 condition set at once, big numbers 06~11.
constexpr const char* kFront3Every = R"json({"edition": "front3", "bigFrom": 6,
 "killDirect": "01 02 03\n05 04 03", "killCompound": "01 02*03 04*05 06\n05*04*03 11",
 "killPairs": [[1, 2], [4, 5]], "keepPairs": [[3, 4], [1, 10]],
 "killPaths": ["210"], "killSpans": [2], "killNumbers": [11],
 "bankers": [{"numbers": [3, 7], "counts": [2]}, {"numbers": [5, 6]},
             {"numbers": [1, 2, 3], "counts": [0]}],
 "killPositions": [[1], [], [3, 5]], "killSums": [12], "oddCounts": [0, 1], "bigCounts": [0, 1],
 "killShapes": ["2连", "上山形"], "killPatterns": ["小大大", "偶偶奇", "质质合"]})json";

TEST(LookUpReasons, Front3SaysForEachConditionTheBetsOwnValue) {
    expectReasons<front3::MainForm>({
        {kFront3Every,
         "05 04 03",
         {"杀直选号码：是第 2 行所填的直选", "杀垃圾复式：在第 2 行的复式里", "杀2码组合：含 04 05",
          "杀012路：012路 210", "杀跨度：跨度 2", "胆码1：含胆码 1 个（03）",
          "胆码3：含胆码 1 个（03）", "前三定位杀：三位 03", "杀和值：和值 12",
          "奇号个数：奇号 2 个", "杀杀杀(11 01算连码)：03 04 05 三连"}},
        {kFront3Every,
         "11 01 10",
         {"通杀码：含 11", "胆码1：含胆码 0 个", "胆码2：含胆码 0 个", "胆码3：含胆码 1 个（01）",
          "奇号个数：奇号 2 个", "大号个数：大号 2 个", "杀杀杀(11 01算连码)：10 11 01 三连",
          "杀形态（质合）：形态 质质合"}},
        {kFront3Every,
         "02 06 09",
         {"必出2码组合：不含任何一组必出的 2 码", "胆码1：含胆码 0 个", "胆码3：含胆码 1 个（02）",
          "大号个数：大号 2 个", "杀杀杀(11 01算连码)：上山形", "杀形态（大小）：形态 小大大",
          "杀形态（奇偶）：形态 偶偶奇"}},
        {kFront3Every,
         "03 04 08",
         {"胆码1：含胆码 1 个（03）", "胆码2：含胆码 0 个", "胆码3：含胆码 1 个（03）",
          "杀杀杀(11 01算连码)：03 04 二连，上山形"}},
        {kFront3Every,
         "01 07 05",
         {"必出2码组合：不含任何一组必出的 2 码", "胆码1：含胆码 1 个（07）",
          "胆码3：含胆码 1 个（01）", "前三定位杀：一位 01、三位 05", "奇号个数：奇号 3 个"}},
    });
}

}  // namespace
