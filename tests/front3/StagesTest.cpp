#include <gtest/gtest.h>

#include "front3/ShapeStages.h"
#include "tests/front3/Front3FormFixture.h"

namespace {

class Front3StagesTest : public testsupport::Front3FormFixture {
protected:
    front3::EntryPages& pages = form.pages;
    front3::NumberPanels& numbers = form.numbers;
    front3::ShapePanels& shapes = form.shapes;
};

TEST_F(Front3StagesTest, DirectBetsMatchInOrderWhateverTheSeparators) {
    EXPECT_EQ(run().size(), 990u);  // the hint has no digits
    pages.T_main_shazhixuan.setText("010203\r\n01,02,03\r\n1 2 3");
    EXPECT_EQ(run().size(), 989u);
    EXPECT_FALSE(survives("01 02 03"));
    EXPECT_TRUE(survives("03 02 01"));
    pages.T_main_shazhixuan.setText("03 02 01\r\n01 02 12\r\n01 02 03 04");
    run();
    EXPECT_FALSE(survives("03 02 01"));
    EXPECT_TRUE(survives("01 02 03"));
    EXPECT_EQ(form.result.Li_out.size(), 989u);
}

TEST_F(Front3StagesTest, CompoundLinesKillEveryBetTheirPartsAllow) {
    pages.T_main_laji_fushi.setText("01 *02 *03");
    EXPECT_EQ(run().size(), 989u);
    EXPECT_FALSE(survives("01 02 03"));
    pages.T_main_laji_fushi.setText("01 02 *01 02 *03");
    run();
    EXPECT_EQ(form.result.Li_out.size(), 988u);
    EXPECT_FALSE(survives("02 01 03"));
    pages.T_main_laji_fushi.setText("01 02 *05 *07 08 09 \r\n  \r\n");
    EXPECT_EQ(run().size(), 990u - 6u);
    EXPECT_EQ(form.L_tishi.caption(), "");
}

TEST_F(Front3StagesTest, ACompoundLineWithoutThreePartsIsSkippedAndNoted) {
    pages.T_main_laji_fushi.setText("01 02 03\r\n04 *05\r\n01 *02 *03");
    EXPECT_EQ(run().size(), 989u);
    EXPECT_NE(form.L_tishi.caption().find("2行"), std::string::npos);
    EXPECT_TRUE(messages().empty());  // the run is not interrupted
    pages.T_main_laji_fushi.setText("01 *02 *03");
    run();
    EXPECT_EQ(form.L_tishi.caption(), "");
}

TEST_F(Front3StagesTest, PairsKillOrKeepTheFiftyFourBetsHoldingThem) {
    pages.C_sha2ma.press(0);
    EXPECT_EQ(run().size(), 990u - 54u);
    pages.C_sha2ma_cls.press();
    pages.C_bichu2ma.press(0);
    EXPECT_EQ(run().size(), 54u);
}

TEST_F(Front3StagesTest, PathSpanKillNumberAndSumCounts) {
    tick(pages.Check_sha_012, "000");
    EXPECT_EQ(run().size(), 990u - 6u);
    EXPECT_FALSE(survives("09 03 06"));
    pages.C_012.press(1);

    click(numbers.C_kuadu_sha, "2");
    EXPECT_EQ(run().size(), 990u - 54u);
    numbers.C_kuadu_sha_cls.press();

    click(shapes.C_hezhi, "6");
    EXPECT_EQ(run().size(), 990u - 6u);
    shapes.Command5.press();

    click(numbers.C_tsm_sha, "01");
    EXPECT_EQ(run().size(), 720u);
}

TEST_F(Front3StagesTest, BankerGroupsCountHits) {
    click(numbers.C_danma_chu, "01");
    EXPECT_EQ(run().size(), 270u);
    click(numbers.C_danma_chu_geshu, "0");
    EXPECT_EQ(run().size(), 720u);
    click(numbers.C_danma_chu3, "02");
    click(numbers.C_danma_chu_geshu3, "1");
    EXPECT_EQ(run().size(), 720u - 504u);  // without 01, with 02
}

TEST_F(Front3StagesTest, PositionalRowsAreReadByCaption) {
    EXPECT_EQ(numbers.C_dingwei_sha[21].caption(), "01");
    EXPECT_EQ(numbers.C_dingwei_sha[11].caption(), "11");
    EXPECT_EQ(numbers.C_dingwei_sha[32].caption(), "01");
    click(numbers.C_dingwei_sha, "05", 11);
    EXPECT_EQ(run().size(), 900u);
    EXPECT_FALSE(survives("01 05 02"));
    EXPECT_TRUE(survives("05 01 02"));
    numbers.Command3.press();
    click(numbers.C_dingwei_sha, "01", 11);
    EXPECT_EQ(numbers.C_dingwei_sha[21].backColour(), toolkit::palette::kYellow);
    run();
    EXPECT_FALSE(survives("02 01 03"));
}

TEST_F(Front3StagesTest, OddAndBigCounts) {
    click(shapes.C_jishu_geshu, "3");
    EXPECT_EQ(run().size(), 120u);
    click(shapes.C_jishu_geshu, "3");
    click(shapes.C_dahao_geshu, "3");
    EXPECT_EQ(run().size(), 60u);
    shapes.Op_dahao_fanwei.choose(1);
    EXPECT_EQ(run().size(), 120u);
}

TEST_F(Front3StagesTest, LinksCountElevenAndOneAsNeighbours) {
    EXPECT_EQ(front3::ConsecutiveShapeStage::linksOf(1, 6, 11), 10);
    EXPECT_EQ(front3::ConsecutiveShapeStage::linksOf(11, 2, 1), 11);
    EXPECT_EQ(front3::ConsecutiveShapeStage::linksOf(5, 3, 4), 2);
    click(shapes.C_sha_xingtai_01, "不连");
    run();
    EXPECT_TRUE(survives("01 06 11"));
    EXPECT_FALSE(survives("01 03 05"));
    click(shapes.C_sha_xingtai_01, "不连");
    click(shapes.C_sha_xingtai_01, "2连");
    run();
    EXPECT_FALSE(survives("01 06 11"));
    EXPECT_FALSE(survives("01 02 11"));
    EXPECT_FALSE(survives("03 04 05"));
    click(shapes.C_sha_xingtai_01, "2连");
    click(shapes.C_sha_xingtai_01, "3连");
    run();
    EXPECT_FALSE(survives("01 02 11"));
    EXPECT_FALSE(survives("01 10 11"));
    EXPECT_FALSE(survives("03 04 05"));
    EXPECT_TRUE(survives("01 02 05"));
}

TEST_F(Front3StagesTest, ShapesComparePositions) {
    for (const char* shape : {"上山形", "下山形", "凸形", "凹形"})
        click(shapes.C_sha_xingtai_01, shape);
    EXPECT_TRUE(run().empty());  // every bet has one of the four shapes
    click(shapes.C_sha_xingtai_01, "上山形");
    run();
    EXPECT_EQ(form.result.Li_out.size(), 165u);
    EXPECT_TRUE(survives("01 02 07"));
}

TEST_F(Front3StagesTest, PatternFamiliesUseTheBigRangeAndFixedSets) {
    tick(shapes.Check_sha_daxiao, "大大大");
    EXPECT_EQ(run().size(), 990u - 60u);
    shapes.Command7.press();
    tick(shapes.Check_sha_zhihe, "合合合");  // 04 06 08 09 10
    EXPECT_EQ(run().size(), 990u - 60u);
    shapes.Command12.press();  // all eight prime patterns
    EXPECT_TRUE(run().empty());
    EXPECT_EQ(shapes.Check_sha_jiou[5].caption(), "偶偶奇");
}

}  // namespace
