#include <cstddef>
#include <cstdint>

#include "any5/panels/GroupEntryPanels.h"
#include "any5/stages/GroupTextStage.h"
#include "fuzz/GroupStageFuzz.h"

// 杀4码组合 (T_main_sha4ma) with the input as its text.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return fuzz::fuzzGroupStage<any5::stages::QuadKillStage>(data, size,
                                                             any5::GroupEntryPanels::kQuadHint);
}
