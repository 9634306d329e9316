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

}  // namespace history
