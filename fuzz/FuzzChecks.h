#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "engine/FilterStage.h"
#include "toolkit/LineBreaks.h"
#include "toolkit/TextBox.h"

// What the fuzz targets share: the input as pasted text, a check that stops
// the run so that libFuzzer keeps the input, and the properties every text
// stage of either edition has.
namespace fuzz {

inline std::string textOf(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// Kept in every build type, unlike assert; libFuzzer reports it as a crash.
inline void check(bool holds) {
    if (!holds) __builtin_trap();
}

inline bool isBlank(std::string_view text) {
    return toolkit::trimSpaces(text).empty();
}

// A freshly generated table of an edition, with every bet alive or with
// every third row killed.
template <class Table>
const Table& fullTable() {
    static const Table table = [] {
        Table t;
        t.generate();
        return t;
    }();
    return table;
}

template <class Table>
const Table& thinnedTable() {
    static const Table table = [] {
        Table t;
        t.generate();
        for (int row = 3; row <= Table::kRowCount; row += 3) t.kill(row);
        return t;
    }();
    return table;
}

// The rows a stage strikes from the full table. A stage judges each bet on
// its own, so on a table where other rows are already struck it must give
// the same answer for every row still alive; row 0 is never a bet.
template <class Table>
typename Table::RowSet checkedRows(const engine::FilterStage<Table>& stage) {
    const auto rows = stage.rowsToKill(fullTable<Table>());
    check(!rows[0]);
    const auto alive = thinnedTable<Table>().aliveRows();
    check((stage.rowsToKill(thinnedTable<Table>()) & alive) == (rows & alive));
    return rows;
}

// The rows the stage `Stage`, reading a box that holds `text`, strikes.
template <class Stage, class Table>
typename Table::RowSet rowsFor(std::string text) {
    const toolkit::TextBox box(std::move(text));
    return Stage(box).rowsToKill(fullTable<Table>());
}

// The text before and after its first CR LF, when it has one.
inline bool splitAtFirstLine(std::string_view text, std::string& first, std::string& rest) {
    const auto at = text.find("\r\n");
    if (at == std::string_view::npos) return false;
    first = text.substr(0, at);
    rest = text.substr(at + 2);
    return true;
}

}  // namespace fuzz
