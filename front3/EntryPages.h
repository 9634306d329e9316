#pragma once

#include <deque>

#include "engine/Pipeline.h"
#include "front3/CandidateTable.h"
#include "front3/TextStages.h"
#include "toolkit/ButtonArray.h"
#include "toolkit/CheckBox.h"
#include "toolkit/TextBox.h"

namespace front3 {

// The contents of the five tab pages: direct bets to kill, compound bets to
// kill with their builder, the two pair pages and the 0-1-2 path patterns.
class EntryPages {
public:
    static constexpr const char* kDirectHint =
        "输入格式标准：\r\n**  **  **\r\n**  **  **\r\n**  **  **\r\n**  **  **\r\n";

    EntryPages();
    EntryPages(const EntryPages&) = delete;
    EntryPages& operator=(const EntryPages&) = delete;

    toolkit::TextBox T_main_shazhixuan{kDirectHint};
    toolkit::TextBox T_main_shazhixuan_by{kDirectHint};
    toolkit::TextBox T_main_laji_fushi;
    // Rows "第一位", "第二位", "第三位": indexes 0..10, 11..21, 22..32, each 01..11.
    toolkit::ButtonArray C_laji_sha;
    toolkit::ButtonArray C_laji_all{"C_laji_all", {"全", "全", "全"}, toolkit::palette::kTabGrey};
    toolkit::ButtonArray C_laji_cls{"C_laji_cls", {"清", "清", "清"}, toolkit::palette::kTabGrey};
    toolkit::Button C_laji_add{"添加"};
    toolkit::ButtonArray C_sha2ma{"C_sha2ma", std::vector<std::string>(55)};
    toolkit::Button C_sha2ma_all{"全选"};
    toolkit::Button C_sha2ma_cls{"清空"};
    toolkit::ButtonArray C_bichu2ma{"C_bichu2ma", std::vector<std::string>(55)};
    toolkit::Button C_bichu2ma_all{"全选"};
    toolkit::Button C_bichu2ma_cls{"清空"};
    // "000".."222": index 9*p1 + 3*p2 + p3.
    std::deque<toolkit::CheckBox> Check_sha_012;
    toolkit::ButtonArray C_012{"C_012", {"全", "清"}, toolkit::palette::kTabGrey};

    // Start-up: both pair arrays get their captions.
    void setPairCaptions();
    // The stage that reports compound lines it could not read.
    const CompoundKillStage* compoundStage() const { return m_compound; }
    // The stage of 杀垃圾复式, whose skipped lines the window notes.
    void setCompoundStage(const CompoundKillStage* stage) { m_compound = stage; }

private:
    void addCompound();

    const CompoundKillStage* m_compound = nullptr;
};

}  // namespace front3
