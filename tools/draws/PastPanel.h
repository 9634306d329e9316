#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "engine/BetMask.h"
#include "engine/PastCount.h"
#include "engine/PastRelative.h"
#include "history/Draw.h"
#include "toolkit/ButtonArray.h"
#include "toolkit/Label.h"
#include "toolkit/NumberBox.h"
#include "toolkit/TextBox.h"
#include "tools/draws/Edition.h"
#include "tools/draws/Reference.h"

namespace toolkit {
class Host;
}

namespace draws {

// The count rows read against the draws before the next one — 重号, 邻号 and
// 孤号 against the previous draw, 热, 温 and 冷 against the newest W — with
// the reference they read: the chosen lottery's stored draws, or a previous
// draw typed into 上期号码 (which then serves 重号, 邻号 and 孤号). A row
// with nothing to read is disabled, and its line says why; it strikes
// nothing then.
class PastPanel {
public:
    enum class Row { Repeat, Neighbour, Isolated, Hot, Warm, Cold };
    static constexpr std::array kRows = {Row::Repeat, Row::Neighbour, Row::Isolated,
                                         Row::Hot,    Row::Warm,      Row::Cold};
    static constexpr const char* kHelpTitle = "重号冷热说明";

    PastPanel(Edition::Kind kind, toolkit::Host& host);
    PastPanel(const PastPanel&) = delete;
    PastPanel& operator=(const PastPanel&) = delete;

    toolkit::ButtonArray C_chonghao;
    toolkit::ButtonArray C_linhao;
    toolkit::ButtonArray C_guhao;
    toolkit::ButtonArray C_rehao;
    toolkit::ButtonArray C_wenhao;
    toolkit::ButtonArray C_lenghao;
    // The rule of the classes: W draws, hot at H hits or more, cold at C or fewer.
    toolkit::NumberBox N_re_qishu{5, 100};
    toolkit::NumberBox N_re_re{1, 100};
    toolkit::NumberBox N_re_leng{0, 99};
    toolkit::TextBox T_shangqi;  // 上期号码, typed by hand
    toolkit::Label L_shangqi;    // "上期：03 07 01 11 05（广东11选5 第 2026120942 期）"
    toolkit::Label L_rewenleng;  // "热 02 05 07 | 温 … | 冷 …", or why not
    toolkit::Button C_shuoming{"说明"};

    Edition::Kind kind() const { return m_kind; }
    toolkit::ButtonArray& row(Row row);
    const toolkit::ButtonArray& row(Row row) const;
    // "重号个数" … "冷号个数": the condition's name.
    static const char* rowName(Row row);
    // The definitions the 说明 button shows.
    static std::string help(Edition::Kind kind);

    // The chosen lottery's stored draws, newest first.
    void setStored(std::string lottery, const std::vector<history::Draw>& newestFirst);
    const Reference& stored() const { return m_stored; }
    engine::HeatRule rule() const;
    void setRule(const engine::HeatRule& rule);

    // The mask a row reads for the next draw, or none with nothing to read.
    std::optional<engine::BetMask> maskNow(Row row) const;
    // Why the row cannot be read now, or "".
    std::string missing(Row row) const;
    // A row with a green count strikes nothing for want of draws to read.
    bool hasUnreadRow() const;
    // The row as a count read against past draws, for the back-test.
    engine::PastCount pastCount(Row row) const;
    // Goes up whenever what the rows read changes.
    unsigned revision() const { return m_revision; }

    // The mask a row reads against `newestFirst` under `rule`.
    static std::optional<engine::BetMask> maskFor(Row row,
                                                  std::span<const engine::BetMask> newestFirst,
                                                  const engine::HeatRule& rule);

private:
    static bool readsClasses(Row row) { return row >= Row::Hot; }
    void refresh();
    const Reference& previousSource() const { return m_typed ? *m_typed : m_stored; }

    Edition::Kind m_kind;
    Reference m_stored;
    std::optional<Reference> m_typed;
    std::string m_typedError;
    unsigned m_revision = 0;
};

}  // namespace draws
