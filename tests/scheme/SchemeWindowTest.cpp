#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "any5/panels/MainForm.h"
#include "any5/panels/SchemeControls.h"
#include "front3/MainForm.h"
#include "front3/SchemeControls.h"
#include "scheme/SchemeFiles.h"
#include "tests/support/SampleSchemes.h"
#include "toolkit/HeadlessHost.h"

namespace {

namespace fs = std::filesystem;
using toolkit::HeadlessHost;

scheme::Scheme parsed(const char* text) {
    auto result = scheme::readScheme(text);
    EXPECT_TRUE(result.scheme) << result.error;
    return result.scheme.value_or(scheme::Scheme{});
}

void writeFile(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

// One main form of an edition, loaded, with a folder of its own for files.
template <class Form>
class SchemeWindow : public ::testing::Test {
protected:
    SchemeWindow() {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        folder = fs::path(::testing::TempDir()) /
                 (std::string("quorvel-") + test->test_suite_name() + "-" + test->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
        form.load();
    }
    ~SchemeWindow() override { fs::remove_all(folder); }

    std::string run() {
        form.result.C_guolv_ks.press();
        return form.result.ResultText;
    }
    void save(const fs::path& path) {
        host.setChosenFile(path.string());
        form.C_fangan_baocun.press();
    }
    void load(const fs::path& path) {
        host.setChosenFile(path.string());
        form.C_fangan_zairu.press();
    }
    scheme::Scheme state() const { return captureScheme(form); }

    HeadlessHost host;
    Form form{host};
    fs::path folder;
};

using Any5SchemeWindow = SchemeWindow<any5::MainForm>;
using Front3SchemeWindow = SchemeWindow<front3::MainForm>;

TEST_F(Any5SchemeWindow, StartsAtTheStartUpScheme) {
    EXPECT_EQ(state(), scheme::Scheme{});
    form.C_all_cls.press();
    EXPECT_EQ(state(), scheme::Scheme{});
}

TEST_F(Any5SchemeWindow, SaveClearAllLoadGivesBackEveryKeyAndTheSameResult) {
    for (const char* text : testsupport::kAny5Schemes) {
        const scheme::Scheme wanted = parsed(text);
        applyScheme(wanted, form);
        EXPECT_EQ(state(), wanted);
        const std::string result = run();
        save(folder / "mine.json");
        EXPECT_EQ(scheme::readFile((folder / "mine.json").string()), writeScheme(wanted));

        form.C_all_cls.press();
        form.result.Check_out_douhao.setTicked(!wanted.comma);
        form.counts.Op_dahao_fanwei.choose(wanted.bigFrom == 6 ? 0 : 1);
        EXPECT_NE(state(), wanted);
        load(folder / "mine.json");
        EXPECT_EQ(state(), wanted);
        EXPECT_EQ(run(), result);
    }
    EXPECT_TRUE(host.callsOf(HeadlessHost::Kind::Message).empty());
}

TEST_F(Any5SchemeWindow, LoadingSetsControlsWithoutTheirClickRules) {
    // Clicks would warn that no bet can have smallest 07 and largest 05.
    writeFile(
        folder / "none.json",
        R"({"edition": "any5", "smallest": [7], "largest": [5], "killSpacing": [1, 2, 3, 4, 5]})");
    load(folder / "none.json");
    EXPECT_TRUE(host.callsOf(HeadlessHost::Kind::Message).empty());
    EXPECT_EQ(state().smallest, scheme::Values{7});
    EXPECT_EQ(state().killSpacing.size(), 5u);
}

TEST_F(Any5SchemeWindow, LoadingTicksTheOpenPickersBoxesAndKeepsItsListInBoxOrder) {
    form.C_sha_jiou.press();
    ASSERT_TRUE(form.picker.isLoaded());
    form.picker.Ch_jo[5].click();
    writeFile(folder / "parity.json",
              R"({"edition": "any5", "killParity": ["偶奇奇奇奇", "奇奇奇奇奇"]})");
    load(folder / "parity.json");
    EXPECT_EQ(form.ParityPatternList, "奇奇奇奇奇*偶奇奇奇奇*");
    for (std::size_t i = 0; i < form.picker.Ch_jo.size(); ++i)
        EXPECT_EQ(form.picker.Ch_jo[i].isTicked(), i == 0 || i == 31) << i;
    form.picker.Ch_jo[1].click();  // the picker goes on from the loaded list
    EXPECT_EQ(form.ParityPatternList, "奇奇奇奇奇*偶偶偶偶偶*偶奇奇奇奇*");
}

TEST_F(Any5SchemeWindow, AFailedLoadChangesNothingAndSaysWhatIsWrong) {
    applyScheme(parsed(testsupport::kAny5SchemeA), form);
    const std::string result = run();
    const scheme::Scheme before = state();
    writeFile(folder / "front3.json", "{\"edition\": \"front3\"}");
    writeFile(folder / "bad.json", "{\"edition\": \"any5\", \"killSums\": [14]}");
    writeFile(folder / "broken.json", "{\"edition\": \"any5\"");
    fs::create_directories(folder / "folder.json");
    const std::vector<std::pair<fs::path, std::string>> cases = {
        {folder / "front3.json", "前三版"},   {folder / "bad.json", "\"killSums\" 里的 14"},
        {folder / "broken.json", "JSON"},     {folder / "missing.json", "不能读取"},
        {folder / "folder.json", "不能读取"},
    };
    for (const auto& [path, named] : cases) {
        host.clearCalls();
        load(path);
        const auto messages = host.callsOf(HeadlessHost::Kind::Message);
        ASSERT_EQ(messages.size(), 1u) << path;
        EXPECT_EQ(messages[0].title, "载入方案出错");
        EXPECT_NE(messages[0].text.find(named), std::string::npos) << messages[0].text;
        EXPECT_NE(messages[0].text.find(path.string()), std::string::npos) << messages[0].text;
        EXPECT_EQ(state(), before) << path;
        EXPECT_EQ(form.result.ResultText, result);
    }
}

TEST_F(Any5SchemeWindow, CancellingADialogDoesNothing) {
    applyScheme(parsed(testsupport::kAny5SchemeB), form);
    save("");
    load("");
    EXPECT_EQ(state(), parsed(testsupport::kAny5SchemeB));
    EXPECT_TRUE(host.callsOf(HeadlessHost::Kind::Message).empty());
    EXPECT_EQ(host.callsOf(HeadlessHost::Kind::OpenFile).size(), 1u);
    EXPECT_EQ(host.callsOf(HeadlessHost::Kind::SaveFile).size(), 1u);
    EXPECT_TRUE(fs::is_empty(folder));
}

TEST_F(Any5SchemeWindow, SavingReplacesAFileWholeOrSaysItCouldNot) {
    writeFile(folder / "old.json", std::string(100'000, 'x'));
    applyScheme(parsed(testsupport::kAny5SchemeB), form);
    save(folder / "old.json");
    EXPECT_EQ(scheme::readFile((folder / "old.json").string()),
              writeScheme(parsed(testsupport::kAny5SchemeB)));
    EXPECT_FALSE(fs::exists(folder / "old.json.part"));
    EXPECT_TRUE(host.callsOf(HeadlessHost::Kind::Message).empty());

    save(folder / "no-such-folder" / "x.json");
    const auto messages = host.callsOf(HeadlessHost::Kind::Message);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, "保存方案出错");
    EXPECT_NE(messages[0].text.find("x.json"), std::string::npos);
}

TEST_F(Front3SchemeWindow, SaveClearAllLoadGivesBackEveryKeyAndTheSameResult) {
    for (const char* text : testsupport::kFront3Schemes) {
        const scheme::Scheme wanted = parsed(text);
        applyScheme(wanted, form);
        EXPECT_EQ(state(), wanted);
        (wanted.group ? form.C_guolv_zhuan_zuxuan : form.result.C_guolv_ks).press();
        const std::string result = form.result.ResultText;
        EXPECT_EQ(state(), wanted);  // the run's kind is what "group" records
        save(folder / "mine.json");

        form.C_all_cls.press();
        form.result.Check_out_douhao.setTicked(!wanted.comma);
        (wanted.group ? form.result.C_guolv_ks : form.C_guolv_zhuan_zuxuan).press();
        EXPECT_NE(state(), wanted);
        load(folder / "mine.json");
        EXPECT_EQ(state(), wanted);
        (wanted.group ? form.C_guolv_zhuan_zuxuan : form.result.C_guolv_ks).press();
        EXPECT_EQ(form.result.ResultText, result);
    }
    EXPECT_TRUE(host.callsOf(HeadlessHost::Kind::Message).empty());
}

TEST_F(Front3SchemeWindow, StartsAtTheStartUpSchemeAndRefusesAnAny5Scheme) {
    scheme::Scheme startUp;
    startUp.edition = scheme::Edition::Front3;
    EXPECT_EQ(state(), startUp);
    writeFile(folder / "any5.json", testsupport::kAny5SchemeA);
    load(folder / "any5.json");
    const auto messages = host.callsOf(HeadlessHost::Kind::Message);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].text.find("任5版"), std::string::npos);
    EXPECT_EQ(state(), startUp);
}

}  // namespace
