#include "history/IssueNumbers.h"

namespace history {

bool isNewerIssue(std::string_view issue, std::string_view than) {
    if (issue.size() != than.size()) return issue.size() > than.size();
    return issue > than;
}

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isDigitsOnly(std::string_view issue) {
    for (const char c : issue) {
        if (!isDigit(c)) return false;
    }
    return !issue.empty();
}

}  // namespace

bool fitsIssueShape(std::string_view issue, std::string_view example) {
    if (isDigitsOnly(issue) && isDigitsOnly(example)) return true;
    if (issue.size() != example.size()) return false;
    for (std::size_t i = 0; i < issue.size(); ++i) {
        if (isDigit(example[i]) ? !isDigit(issue[i]) : issue[i] != example[i]) return false;
    }
    return true;
}

std::string nextIssue(std::string_view newest) {
    if (newest.empty()) return "1";
    std::string next(newest);
    std::size_t digits = next.size();
    while (digits > 0 && next[digits - 1] >= '0' && next[digits - 1] <= '9') --digits;
    if (digits == next.size()) return next + "-1";
    std::size_t at = next.size();
    while (at > digits && next[at - 1] == '9') next[--at] = '0';
    if (at > digits) {
        ++next[at - 1];
    } else {
        next.insert(digits, 1, '1');
    }
    return next;
}

void numberDraws(std::vector<Draw>& draws, std::string_view newestStored) {
    std::string newest(newestStored);
    for (const Draw& draw : draws) {
        if (isNewerIssue(draw.issue, newest)) newest = draw.issue;
    }
    for (Draw& draw : draws) {
        if (!draw.issue.empty()) continue;
        newest = nextIssue(newest);
        draw.issue = newest;
    }
}

namespace {

// The day ("20261209", "261209") and the draw of that day, for issues of the
// shape yyyymmddNN or yymmddNN; a day of 0 for any other issue.
std::pair<std::string_view, int> dayAndDraw(std::string_view issue) {
    if (issue.size() != 10 && issue.size() != 8) return {{}, 0};
    for (const char c : issue) {
        if (c < '0' || c > '9') return {{}, 0};
    }
    const auto twoDigits = [&issue](std::size_t at) {
        return (issue[at] - '0') * 10 + (issue[at + 1] - '0');
    };
    const std::size_t month = issue.size() - 6;
    const int monthValue = twoDigits(month);
    const int dayValue = twoDigits(month + 2);
    if (monthValue < 1 || monthValue > 12 || dayValue < 1 || dayValue > 31) return {{}, 0};
    return {issue.substr(0, issue.size() - 2), twoDigits(issue.size() - 2)};
}

}  // namespace

std::string firstMissingIssue(const std::vector<std::string>& oldestFirst) {
    for (std::size_t i = 1; i < oldestFirst.size(); ++i) {
        const auto [day, draw] = dayAndDraw(oldestFirst[i]);
        const auto [earlierDay, earlierDraw] = dayAndDraw(oldestFirst[i - 1]);
        if (day.empty() || day != earlierDay || draw <= earlierDraw + 1) continue;
        const int missing = earlierDraw + 1;
        return std::string(day) + static_cast<char>('0' + missing / 10) +
               static_cast<char>('0' + missing % 10);
    }
    return {};
}

}  // namespace history
