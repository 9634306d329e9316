#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "engine/CandidateTable.h"
#include "engine/TableGuard.h"
#include "front3/CandidateTable.h"
#include "fuzz/FuzzChecks.h"
#include "toolkit/HeadlessHost.h"
#include "tools/intersection/BetTextNormaliser.h"
#include "tools/intersection/IntersectionForm.h"

namespace {

using intersection::Universe;

// The edition's table reached the way its main form hands it to the tool.
template <class Table>
Universe universeOf(Table& table, Universe::Edition edition, int numberCount) {
    return {edition,
            Table::kRowCount,
            [&table](const std::function<void()>& yield) { table.generate(yield); },
            [&table, numberCount](int row, int* numbers) {
                for (int k = 0; k < numberCount; ++k) numbers[k] = table.number(row, k + 1);
            },
            [&table](int row) { table.kill(row); },
            [&table](int row) { return table.isKilled(row); }};
}

Universe universeFor(bool front3) {
    static engine::CandidateTable any5Table;
    static front3::CandidateTable front3Table;
    if (front3) return universeOf(front3Table, Universe::Edition::Front3, 3);
    return universeOf(any5Table, Universe::Edition::Any5, 5);
}

// The result box's lines; each ends in CR LF.
std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end = text.find("\r\n"); end != std::string::npos;
         end = text.find("\r\n", start)) {
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    fuzz::check(start == text.size());
    return lines;
}

}  // namespace

// The intersection tool's four operations on two pasted lists. The first
// byte picks the edition (bit 0: front-3) and the separator (bit 1: commas);
// the rest is list A, a 0xFF byte (never part of UTF-8 text), then list B.
// A bet is in both lists, in A only, in B only or in neither, so the
// intersection and the two differences split the union; the count beside
// the result counts its lines; front-3 lists are tidied in place.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const bool front3 = (data[0] & 1) != 0;
    const std::string lists = fuzz::textOf(data + 1, size - 1);
    const std::size_t split = lists.find('\xFF');
    const std::string a = lists.substr(0, split);
    const std::string b = split == std::string::npos ? std::string() : lists.substr(split + 1);

    toolkit::HeadlessHost host;
    engine::TableGuard guard;
    intersection::IntersectionForm tool(universeFor(front3), guard, host);
    tool.Check_out_douhao.setTicked((data[0] & 2) != 0);
    tool.T_dd_jiaoji[0].setText(a);
    tool.T_dd_jiaoji[1].setText(b);
    std::array<std::vector<std::string>, 4> results;
    for (std::size_t operation = 0; operation < results.size(); ++operation) {
        tool.C_jiaoji_xuanzhe.press(operation);
        results[operation] = linesOf(tool.T_dd_jiaoji[2].text());
        fuzz::check(tool.T_jiaoji_zhushu.text() == std::to_string(results[operation].size()));
    }
    fuzz::check(tool.T_dd_jiaoji[0].text() == (front3 ? intersection::normaliseBetText(a) : a));
    fuzz::check(tool.T_dd_jiaoji[1].text() == (front3 ? intersection::normaliseBetText(b) : b));

    std::vector<std::string> parts = results[0];
    parts.insert(parts.end(), results[2].begin(), results[2].end());
    parts.insert(parts.end(), results[3].begin(), results[3].end());
    std::sort(parts.begin(), parts.end());
    std::vector<std::string> either = results[1];
    std::sort(either.begin(), either.end());
    fuzz::check(parts == either);
    fuzz::check(std::adjacent_find(parts.begin(), parts.end()) == parts.end());
    return 0;
}
