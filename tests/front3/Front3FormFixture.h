#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "front3/MainForm.h"
#include "toolkit/HeadlessHost.h"

namespace testsupport {

// A loaded front-3 main form on the headless host, clicked by caption.
class Front3FormFixture : public ::testing::Test {
protected:
    Front3FormFixture() { form.load(); }

    static void click(toolkit::ButtonArray& array, const std::string& caption,
                      std::size_t from = 0) {
        for (std::size_t i = from; i < array.size(); ++i) {
            if (array[i].caption() == caption) {
                array.press(i);
                return;
            }
        }
        ADD_FAILURE() << array.name() << " has no button " << caption;
    }
    static void tick(std::deque<toolkit::CheckBox>& boxes, const std::string& caption) {
        for (auto& box : boxes) {
            if (box.caption() == caption) return box.click();
        }
        ADD_FAILURE() << "no box " << caption;
    }

    const std::vector<std::string>& run() {
        form.result.C_guolv_ks.press();
        return form.result.Li_out.items();
    }
    const std::vector<std::string>& group() {
        form.C_guolv_zhuan_zuxuan.press();
        return form.result.Li_out.items();
    }
    bool survives(const std::string& bet) const {
        const auto& items = form.result.Li_out.items();
        return std::find(items.begin(), items.end(), bet) != items.end();
    }
    std::vector<toolkit::HeadlessHost::Call> messages() const {
        return host.callsOf(toolkit::HeadlessHost::Kind::Message);
    }

    toolkit::HeadlessHost host;
    front3::MainForm form{host};
};

}  // namespace testsupport
