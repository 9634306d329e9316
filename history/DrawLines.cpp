#include "history/DrawLines.h"

#include <array>
#include <cstddef>

namespace history {

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

bool isSeparator(char c) {
    return c == ' ' || c == '\t' || c == ',' || c == '|' || c == '-' || c == '+';
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The last five fields of a line, found from its end so that a long issue
// costs nothing, and where the first of them starts.
struct LastFields {
    std::array<std::string_view, kBallCount> fields;
    int count = 0;
    std::size_t start = 0;
};

LastFields lastFields(std::string_view line) {
    LastFields last;
    std::size_t end = line.size();
    while (last.count < kBallCount) {
        while (end > 0 && isSeparator(line[end - 1])) --end;
        if (end == 0) break;
        std::size_t begin = end;
        while (begin > 0 && !isSeparator(line[begin - 1])) --begin;
        ++last.count;
        last.fields[kBallCount - last.count] = line.substr(begin, end - begin);
        last.start = begin;
        end = begin;
    }
    return last;
}

// A field of one or two digits as its value; -1 for any other field.
int numberOf(std::string_view field) {
    if (field.empty() || field.size() > 2) return -1;
    int value = 0;
    for (const char c : field) {
        if (!isDigit(c)) return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

std::string_view trimSeparators(std::string_view text) {
    while (!text.empty() && isSeparator(text.front())) text.remove_prefix(1);
    while (!text.empty() && isSeparator(text.back())) text.remove_suffix(1);
    return text;
}

DrawLine refused(LineFault fault) {
    return {DrawLine::Kind::Refused, {}, fault};
}

bool hasDigit(std::string_view line) {
    for (const char c : line) {
        if (isDigit(c)) return true;
    }
    return false;
}

// A letter, or any byte of a UTF-8 sequence (CJK among them).
bool hasLetter(std::string_view line) {
    for (const char c : line) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80 || ((byte | 0x20) >= 'a' && (byte | 0x20) <= 'z')) return true;
    }
    return false;
}

// Calls `visit` with each line and its number; CR LF, LF and CR each end one.
template <class Visit>
void forEachLine(std::string_view text, Visit&& visit) {
    int number = 0;
    while (!text.empty()) {
        const std::size_t end = text.find_first_of("\r\n");
        visit(text.substr(0, end), ++number);
        if (end == std::string_view::npos) return;
        const bool crLf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
        text.remove_prefix(end + (crLf ? 2 : 1));
    }
}

}  // namespace

const char* faultText(LineFault fault) {
    switch (fault) {
        case LineFault::NotFiveNumbers:
            return "不是 5 个号码";
        case LineFault::NumberOutOfRange:
            return "号码超出 1..11";
        case LineFault::RepeatedNumber:
            return "号码重复";
    }
    return "";
}

DrawLine parseDrawLine(std::string_view line) {
    const LastFields last = lastFields(line);
    if (last.count == 0) return {};
    if (last.count < kBallCount) return refused(LineFault::NotFiveNumbers);
    Draw draw;
    for (int k = 0; k < kBallCount; ++k) {
        draw.numbers[k] = numberOf(last.fields[k]);
        if (draw.numbers[k] < 0) return refused(LineFault::NotFiveNumbers);
    }
    for (const int number : draw.numbers) {
        if (number < kLowestNumber || number > kHighestNumber) {
            return refused(LineFault::NumberOutOfRange);
        }
    }
    if (!hasValidNumbers(draw)) return refused(LineFault::RepeatedNumber);
    draw.issue = trimSeparators(line.substr(0, last.start));
    return {DrawLine::Kind::Draw, std::move(draw), {}};
}

ParsedDraws parseDrawLines(std::string_view text) {
    if (text.starts_with(kBom)) text.remove_prefix(kBom.size());
    ParsedDraws parsed;
    bool seenLine = false;
    forEachLine(text, [&parsed, &seenLine](std::string_view line, int number) {
        DrawLine read = parseDrawLine(line);
        if (read.kind == DrawLine::Kind::Blank) return;
        const bool isFirst = !seenLine;
        seenLine = true;
        // A first line whose issue has no digit names columns: "期号,1,2,3,4,5".
        if (isFirst && read.kind == DrawLine::Kind::Draw && !read.draw.issue.empty() &&
            !hasDigit(read.draw.issue))
            return;
        if (read.kind == DrawLine::Kind::Draw) {
            if (!parsed.ok()) return;
            parsed.draws.push_back(std::move(read.draw));
            parsed.lines.push_back(number);
            return;
        }
        if (isFirst && (!hasDigit(line) || hasLetter(line))) return;  // a header
        parsed.errors.push_back({number, read.fault});
    });
    if (!parsed.ok()) {
        parsed.draws.clear();
        parsed.lines.clear();
    }
    return parsed;
}

}  // namespace history
