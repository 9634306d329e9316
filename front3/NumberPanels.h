#pragma once

#include "engine/Pipeline.h"
#include "front3/CandidateTable.h"
#include "toolkit/ButtonArray.h"

namespace toolkit {
class Host;
}

namespace front3 {

// The panels below the tab strip: span, the three banker groups with their
// counts ("出胆个数"), the kill numbers and the positional kill "前三定位杀".
class NumberPanels {
public:
    explicit NumberPanels(toolkit::Host& host);
    NumberPanels(const NumberPanels&) = delete;
    NumberPanels& operator=(const NumberPanels&) = delete;

    toolkit::ButtonArray C_kuadu_sha{"C_kuadu_sha", toolkit::plainCaptions(2, 10)};
    toolkit::Button C_kuadu_sha_cls{"清"};
    toolkit::ButtonArray C_danma_chu;  // "01" at index 9, as in the any-5 edition
    toolkit::ButtonArray C_danma_chu2{"C_danma_chu2", toolkit::twoDigitCaptions(1, 11)};
    toolkit::ButtonArray C_danma_chu3{"C_danma_chu3", toolkit::twoDigitCaptions(1, 11)};
    toolkit::ButtonArray C_danma_chu_geshu{"C_danma_chu_geshu", toolkit::plainCaptions(0, 3)};
    toolkit::ButtonArray C_danma_chu_geshu2{"C_danma_chu_geshu2", toolkit::plainCaptions(0, 3)};
    toolkit::ButtonArray C_danma_chu_geshu3{"C_danma_chu_geshu3", toolkit::plainCaptions(0, 3)};
    toolkit::ButtonArray C_danma_chu_cls{
        "C_danma_chu_cls", {"清", "清", "清"}, toolkit::palette::kTabGrey};
    toolkit::ButtonArray C_tsm_sha{"C_tsm_sha", toolkit::twoDigitCaptions(1, 11)};
    toolkit::Button C_bdw_chu_cls{"清"};
    // Rows by position; rows two and three carry "11".."01" by index, so that
    // on screen every row reads 01..11.
    toolkit::ButtonArray C_dingwei_sha;
    toolkit::Button Command2{"清"};
    toolkit::Button Command3{"清"};
    toolkit::Button Command4{"清"};

    // Group 1..3.
    toolkit::ButtonArray& numbers(int group);
    toolkit::ButtonArray& counts(int group);
    const toolkit::ButtonArray& numbers(int group) const {
        return const_cast<NumberPanels*>(this)->numbers(group);
    }
    const toolkit::ButtonArray& counts(int group) const {
        return const_cast<NumberPanels*>(this)->counts(group);
    }

private:
    toolkit::Host& m_host;
};

// Indexes of C_dingwei_sha in screen order, row by row: 0..10, 21..11, 32..22.
std::vector<std::size_t> positionalScreenOrder();

}  // namespace front3
