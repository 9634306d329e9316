#include <gtest/gtest.h>

#include "history/HistoryPath.h"
#include "history/IssueNumbers.h"

namespace {

TEST(HistoryIssueNumbers, NextIssueAsTheHeaderShowsIsAlwaysNewer) {
    const std::pair<const char*, const char*> rows[] = {
        {"2026120805", "2026120806"},
        {"2026120899", "2026120900"},
        {"99", "100"},
        {"20261208-09", "20261208-10"},
        {"第5期", "第5期-1"},
        {"", "1"},
        {"第5期-9", "第5期-10"},
        {"0", "1"},
        {"a09b", "a09b-1"},
    };
    for (const auto& [newest, next] : rows) {
        SCOPED_TRACE(newest);
        EXPECT_EQ(history::nextIssue(newest), next);
        EXPECT_TRUE(history::isNewerIssue(next, newest));
        EXPECT_FALSE(history::isNewerIssue(newest, next));
    }
    EXPECT_FALSE(history::isNewerIssue("2026120805", "2026120805"));
    EXPECT_TRUE(history::isNewerIssue("2026120805", "20261208-5"));
}

// A jump within one day names the first missing draw; a new day, another
// shape or a serial number that is no date is no gap.
TEST(HistoryIssueNumbers, TheFirstDrawMissingWithinADay) {
    const std::pair<std::vector<std::string>, const char*> rows[] = {
        {{"2026120915", "2026120916", "2026120918", "2026120921"}, "2026120917"},
        {{"2026120990", "2026121001", "2026121002"}, ""},
        {{"26120901", "26120903"}, "26120902"},
        {{"2026120901", "2026120901"}, ""},
        {{"2026010000", "2026010005"}, ""},  // day 00: a serial number
        {{"20261209-01", "20261209-03"}, ""},
        {{"99", "101"}, ""},
        {{}, ""},
    };
    for (const auto& [issues, missing] : rows) {
        SCOPED_TRACE(issues.empty() ? std::string("none") : issues.front());
        EXPECT_EQ(history::firstMissingIssue(issues), missing);
    }
}

TEST(HistoryIssueNumbers, DrawsWithoutIssueFollowTheNewestStoredOrRead) {
    const std::tuple<const char*, std::vector<std::string>, std::vector<std::string>> rows[] = {
        {"2026120805", {"", "2026120806", ""}, {"2026120807", "2026120806", "2026120808"}},
        {"2026120805", {"", ""}, {"2026120806", "2026120807"}},
        {"", {"", ""}, {"1", "2"}},
        {"100", {"", "99"}, {"101", "99"}},
    };
    for (const auto& [stored, issues, numbered] : rows) {
        SCOPED_TRACE(stored);
        std::vector<history::Draw> draws;
        for (const auto& issue : issues) draws.push_back({issue, {1, 2, 3, 4, 5}});
        history::numberDraws(draws, stored);
        std::vector<std::string> result;
        for (const auto& draw : draws) result.push_back(draw.issue);
        EXPECT_EQ(result, numbered);
    }
}

TEST(HistoryPath, ExplicitThenEnvironmentThenDataFolderAsTheHeaderShows) {
    const std::pair<history::HistoryPathSources, const char*> rows[] = {
        {{"a.sqlite", "/b.sqlite", "/x", "/home/u"}, "a.sqlite"},
        {{"", "/b.sqlite", "/x", "/home/u"}, "/b.sqlite"},
        {{"", "", "/x/", "/home/u"}, "/x/quorvel/history.sqlite"},
        {{"", "", "", "/home/u"}, "/home/u/.local/share/quorvel/history.sqlite"},
        {{"", "", "x", "/home/u"}, "/home/u/.local/share/quorvel/history.sqlite"},
        {{"", "", "", ""}, ""},
    };
    for (const auto& [sources, path] : rows) EXPECT_EQ(history::historyPath(sources), path);
}

}  // namespace
