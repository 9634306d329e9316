#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <thread>

#include "any5/panels/MainForm.h"
#include "history/HistoryStore.h"
#include "tests/history/TempFolder.h"
#include "tests/support/FileSizeLimit.h"
#include "toolkit/HeadlessHost.h"

namespace {

constexpr const char* kDraws = "2026120801 03 07 01 11 05\n2026120802 04 05 06 07 08\n";

using Holder = std::unique_ptr<sqlite3, decltype(&sqlite3_close)>;

// A second connection holding the file, as another program's import would.
Holder hold(const std::string& path) {
    sqlite3* db = nullptr;
    sqlite3_open(path.c_str(), &db);
    Holder holder(db, &sqlite3_close);
    EXPECT_EQ(sqlite3_exec(db, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    return holder;
}

class HistoryFormTest : public ::testing::Test {
public:
    HistoryFormTest() { form.lishi.setDatabasePath(path); }
    void settle() {
        ASSERT_TRUE(host.runPostedUntil([this] { return form.lishi.working().empty(); }));
    }
    void stored(const std::string& draws) {
        history::HistoryStore store(path);
        ASSERT_TRUE(store.importText("广东11选5", draws).ok()) << store.openError();
    }

    historytest::TempFolder folder;
    std::string path = folder.file("history.sqlite");
    toolkit::HeadlessHost host;
    any5::MainForm form{host};
};

// While the file cannot be used, opening the window and asking the assistant
// for the newest draws return at once, the window says it is at work and then
// why it failed; once the fault is gone the next use reads the draws.
TEST_F(HistoryFormTest, AFileThatCannotBeUsedNeverStopsTheWindowAndIsTriedAgain) {
    struct Fault {
        const char* name;
        const char* file;
        // Makes the fault and returns its cure, after which the file has the draws.
        std::function<std::function<void()>(HistoryFormTest& test)> make;
        const char* message;
    };
    const Fault faults[] = {
        {"held by another program", "history.sqlite",
         [](HistoryFormTest& test) {
             test.stored(kDraws);
             auto holder = std::make_shared<Holder>(hold(test.path));
             return [holder] { holder->reset(); };
         },
         "开奖历史文件被另一个程序占用："},
        {"folder not made yet", "later/history.sqlite",
         [](HistoryFormTest& test) {
             return [&test] {
                 std::filesystem::create_directory(test.folder.file("later"));
                 test.stored(kDraws);
             };
         },
         ""},
    };
    for (const auto& fault : faults) {
        SCOPED_TRACE(fault.name);
        path = folder.file(fault.file);
        form.lishi.setDatabasePath(path);
        const auto cure = fault.make(*this);
        form.shahao.show();
        form.lishi.show();
        form.shahao.C_shahao_lishi.press();
        EXPECT_EQ(form.lishi.working(), "正在读取…");
        EXPECT_TRUE(host.callsOf(toolkit::HeadlessHost::Kind::Message).empty());
        settle();
        EXPECT_NE(form.lishi.status().find(fault.message), std::string::npos)
            << form.lishi.status();
        EXPECT_FALSE(form.lishi.status().empty());
        ASSERT_EQ(host.callsOf(toolkit::HeadlessHost::Kind::Message).size(), 1u);
        EXPECT_EQ(host.calls().back().text, form.lishi.status());

        cure();
        host.clearCalls();
        form.lishi.drawList().read();
        form.shahao.C_shahao_lishi.press();
        settle();
        EXPECT_EQ(form.lishi.drawList().lotteries(), std::vector<std::string>{"广东11选5"});
        EXPECT_EQ(form.lishi.drawList().draws().size(), 2u);
        EXPECT_EQ(form.shahao.T_zuijin_kjh[0].text(), "04 05 06 07 08");
        EXPECT_EQ(form.shahao.T_zuijin_kjh[1].text(), "03 07 01 11 05");
        EXPECT_TRUE(host.callsOf(toolkit::HeadlessHost::Kind::Message).empty());
        form.lishi.unload();
        form.shahao.unload();
    }
}

// The window closes while the worker still waits for the file: the worker
// finishes on its own and answers nobody.
TEST_F(HistoryFormTest, AWindowGoneWhileTheFileIsBusyIsNotAnswered) {
    stored("03 07 01 11 05\n");
    auto gone = std::make_unique<any5::MainForm>(host);
    gone->lishi.setDatabasePath(path);
    gone->lishi.show();
    ASSERT_TRUE(host.runPostedUntil([&gone] { return gone->lishi.working().empty(); }));
    Holder holder = hold(path);
    gone->lishi.drawImport().importText("04 05 06 07 08\n");
    gone.reset();
    holder.reset();
    std::size_t kept = 0;
    for (int wait = 0; wait < 500 && kept < 2; ++wait) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        kept = history::HistoryStore(path).draws("广东11选5").value.size();
    }
    EXPECT_EQ(kept, 2u) << "the import in hand finishes";
    EXPECT_EQ(host.runPosted(), 0);
}

// The disk fills while the CSV is written: the file chosen keeps what it held.
TEST_F(HistoryFormTest, AFailedExportLeavesTheChosenFileAsItWas) {
    std::string draws;
    for (int issue = 1; issue <= 200; ++issue) draws += std::to_string(issue) + " 03 07 01 11 05\n";
    stored(draws);
    form.lishi.drawList().read();
    settle();
    ASSERT_EQ(form.lishi.drawList().draws().size(), 200u);

    const std::string target = folder.file("draws.csv");
    historytest::writeBytes(target, "older export\n");
    host.setChosenFile(target);
    {
        const testsupport::FileSizeLimit fullDisk(1000);
        form.lishi.drawExport().exportFile();
        settle();
    }
    EXPECT_EQ(form.lishi.status(), "写不了文件：" + target);
    EXPECT_EQ(historytest::bytesOf(target), "older export\n");

    form.lishi.drawExport().exportFile();
    settle();
    EXPECT_EQ(form.lishi.status(), "已导出 200 期到 " + target);
    EXPECT_EQ(historytest::bytesOf(target).substr(0, 3), "\xEF\xBB\xBF");
}

// 保中缩票's record: of the newest draws, those whose winner the published
// result holds; nothing without a history or a result.
TEST_F(HistoryFormTest, TheResultsRecordCountsTheDrawsItHolds) {
    std::string record = "unanswered";
    const auto ask = [&] {
        record = "unanswered";
        form.lishi.resultRecord(5, [&record](std::string answer) { record = std::move(answer); });
        ASSERT_TRUE(host.runPostedUntil([&record] { return record != "unanswered"; }));
    };
    form.load();
    form.result.C_guolv_ks.press();  // every bet
    ask();
    EXPECT_EQ(record, "");  // no history file yet

    stored(kDraws);
    form.shapes.C_tsm_sha[2].press();  // 杀 03: 03 07 01 11 05 is struck
    form.result.C_guolv_ks.press();
    ask();
    EXPECT_EQ(record, "过去 2 期，中奖号落在缩水结果里 1 期");
}

}  // namespace

namespace {

// The lottery a player chose is the one the next start reads, so the main
// window's rows read against past draws follow it from the first moment.
TEST_F(HistoryFormTest, TheChosenLotteryIsTheOneTheNextStartReads) {
    stored(kDraws);
    {
        history::HistoryStore store(path);
        ASSERT_TRUE(store.importText("山东11选5", "2026120801 02 04 06 08 10\n").ok());
    }
    form.lishi.follow();
    settle();
    EXPECT_EQ(form.past.stored().lottery, "广东11选5");
    form.lishi.drawList().choose("山东11选5");
    settle();
    EXPECT_EQ(draws::previousLine(form.past.stored()),
              "上期：02 04 06 08 10（山东11选5 第 2026120801 期）");

    any5::MainForm next(host);
    next.lishi.setDatabasePath(path);
    next.lishi.follow();
    ASSERT_TRUE(host.runPostedUntil([&next] { return next.lishi.working().empty(); }));
    EXPECT_EQ(next.lishi.drawList().lottery(), "山东11选5");
    EXPECT_EQ(next.past.stored().previousIssue, "2026120801");
}

}  // namespace
