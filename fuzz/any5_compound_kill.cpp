#include <cstddef>
#include <cstdint>

#include "any5/panels/GroupEntryPanels.h"
#include "any5/stages/GroupTextStage.h"
#include "fuzz/GroupStageFuzz.h"

// 杀垃圾复式/组选 (T_main_shazhixuan) with the input as its text.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return fuzz::fuzzGroupStage<any5::stages::CompoundKillStage>(
        data, size, any5::GroupEntryPanels::kCompoundHint);
}
