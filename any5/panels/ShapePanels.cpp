#include "any5/panels/ShapePanels.h"

#include <memory>

#include "any5/stages/ConsecutiveStage.h"
#include "any5/stages/KillAllStage.h"
#include "any5/stages/SpacingStage.h"
#include "any5/stages/ValueKillStage.h"
#include "engine/Any5Slot.h"
#include "toolkit/Host.h"
#include "toolkit/ToggleRule.h"

namespace any5 {
namespace {

using toolkit::palette::kCream;
using toolkit::palette::kYellow;

// A yellow toggle array with its "清" button.
void wireKillArray(toolkit::ButtonArray& array, toolkit::Button& clear) {
    array.setClickHandler([&array](std::size_t i) { toolkit::toggle(array[i], kYellow); });
    clear.setClickHandler([&array] { array.setAllBackColours(kCream); });
}

}  // namespace

ShapePanels::ShapePanels(toolkit::Host& host) : m_host(host) {
    wireKillArray(C_tsm_sha, C_bdw_chu_cls);
    wireKillArray(C_zuobian_sha_heiwei, C_zuobian_sha_heiwei_cls);
    wireKillArray(C_sha_hezhi, C_zuobian_sha_zhidinghezhi_cls);
    C_zuobian_sha_zhidinghezhi_all.setClickHandler(
        [this] { C_sha_hezhi.setAllBackColours(kYellow); });
    wireKillArray(C_kuadu_sha, C_kuadu_sha_cls);
    C_jiange.setClickHandler([this](std::size_t i) { clickSpacing(i); });
    C_jianju_cls.setClickHandler([this] { C_jiange.setAllBackColours(kCream); });
    C_sha_xingtai_01.setClickHandler(
        [this](std::size_t i) { toolkit::toggle(C_sha_xingtai_01[i], kYellow); });
}

void ShapePanels::clickSpacing(std::size_t index) {
    auto& button = C_jiange[index];
    if (toolkit::isSelected(button, kYellow)) {
        button.setBackColour(kCream);
        return;
    }
    if (C_jiange.countWithColour(kYellow) >= kSpacingLimit) {
        m_host.showMessage(kSpacingLimitText, kSpacingLimitTitle);
        return;
    }
    button.setBackColour(kYellow);
}

void ShapePanels::installStages(engine::Pipeline<engine::CandidateTable>& pipeline) {
    using engine::Any5Slot;
    using engine::slotIndex;
    pipeline.install(slotIndex(Any5Slot::SumTail),
                     std::make_unique<stages::SumTailStage>(C_zuobian_sha_heiwei));
    pipeline.install(slotIndex(Any5Slot::Sum), std::make_unique<stages::SumStage>(C_sha_hezhi));
    pipeline.install(slotIndex(Any5Slot::Span), std::make_unique<stages::SpanStage>(C_kuadu_sha));
    pipeline.install(slotIndex(Any5Slot::Spacing),
                     std::make_unique<stages::SpacingStage>(C_jiange));
    pipeline.install(slotIndex(Any5Slot::KillAll),
                     std::make_unique<stages::KillAllStage>(C_tsm_sha));
    pipeline.install(slotIndex(Any5Slot::Consecutive),
                     std::make_unique<stages::ConsecutiveStage>(C_sha_xingtai_01));
}

}  // namespace any5
