#include "any5/panels/GroupEntryPanels.h"

#include "any5/stages/TextLines.h"
#include "toolkit/Host.h"
#include "toolkit/LineBreaks.h"
#include "toolkit/ToggleRule.h"

namespace any5 {
namespace {

using toolkit::palette::kCream;
using toolkit::palette::kGreen;
using toolkit::palette::kYellow;

void wirePicker(toolkit::ButtonArray& picker, toolkit::Rgb selected) {
    picker.setClickHandler(
        [&picker, selected](std::size_t i) { toolkit::toggle(picker[i], selected); });
}

}  // namespace

GroupEntryPanels::GroupEntryPanels(toolkit::Host& host) : m_host(host) {
    wirePicker(C_ding_sha_fushi, kYellow);
    wirePicker(C_main_sha_3ma, kYellow);
    wirePicker(C_main_chu_3ma, kGreen);
    wirePicker(C_ding_sha_4ma, kYellow);

    const AddRule fushi{C_ding_sha_fushi, kYellow, T_main_shazhixuan, 5, 11, "选择数字不能少于5个"};
    const AddRule sha3{C_main_sha_3ma, kYellow, T_main_sha_3ma, 3, 3, "选择数字必须等于3个"};
    const AddRule chu3{C_main_chu_3ma, kGreen, T_main_bichu_3ma, 3, 3, "选择数字必须等于3个"};
    const AddRule sha4{C_ding_sha_4ma, kYellow, T_main_sha4ma, 4, 11, "选择数字必须大于或等于4个"};
    C_main_sha_3ma_add.setClickHandler([this, sha3] { addLine(sha3); });
    C_main_chu_3ma_add.setClickHandler([this, chu3] { addLine(chu3); });
    wireKeypad(C_ding_sha_fushi_kg, fushi);
    wireKeypad(C_ding_sha_4ma_kg, sha4);

    for (auto* box : {&T_main_shazhixuan, &T_main_sha_3ma, &T_main_bichu_3ma, &T_main_sha4ma,
                      &T_sha_dadi, &T_ding_shadingwei}) {
        box->setDoubleClickHandler([box] { box->setText({}); });
    }
    Timer_ys_huise.setTickHandler([this] { greyHints(); });
}

// Items 0..2 of a pad's command array: "全", "清", "添加".
void GroupEntryPanels::wireKeypad(toolkit::ButtonArray& commands, const AddRule& rule) {
    commands.setClickHandler([this, rule](std::size_t i) {
        if (i == 0) rule.picker.setAllBackColours(kYellow);
        if (i == 1) rule.picker.setAllBackColours(kCream);
        if (i == 2) addLine(rule);
    });
}

// The picked numbers, ascending, each followed by a blank, become the last
// line of the box; a box still showing its hint is replaced instead.
void GroupEntryPanels::addLine(const AddRule& rule) {
    std::string line;
    std::size_t count = 0;
    for (std::size_t i = 0; i < rule.picker.size(); ++i) {
        if (!toolkit::isSelected(rule.picker[i], rule.selected)) continue;
        ++count;
        line += rule.picker[i].caption() + " ";
    }
    if (count < rule.fewest || count > rule.most) {
        m_host.showMessage(rule.message, kAddTitle);
        return;
    }
    if (stages::showsColonHint(rule.target.text())) rule.target.setText({});
    if (toolkit::trimSpaces(rule.target.text()).empty()) {
        rule.target.setText(line);
    } else {
        rule.target.setText(rule.target.text() + "\r\n" + line);
    }
    rule.picker.setAllBackColours(kCream);
}

void GroupEntryPanels::greyHints() {
    for (auto* box : {&T_main_shazhixuan, &T_main_sha_3ma, &T_main_bichu_3ma, &T_main_sha4ma}) {
        const std::string_view text = toolkit::trimSpaces(box->text());
        const bool hint = text.find(':') != std::string_view::npos || stages::showsColonHint(text);
        box->setTextColour(hint ? toolkit::palette::kHintGrey : toolkit::palette::kBlack);
    }
}

void GroupEntryPanels::restoreHints() {
    T_main_shazhixuan.setText(T_main_shazhixuan_by.text());
    T_main_bichu_3ma.setText(T_main_3ma.text());
    T_main_sha_3ma.setText(T_main_3ma.text());
    T_main_sha4ma.setText(T_main_sha4ma_by.text());
}

}  // namespace any5
