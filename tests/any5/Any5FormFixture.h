#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "any5/panels/MainForm.h"
#include "toolkit/HeadlessHost.h"

namespace testsupport {

// A loaded any-5 main form on the headless host, clicked by caption as a
// player would, through the real click handlers.
class Any5FormFixture : public ::testing::Test {
protected:
    Any5FormFixture() { form.load(); }

    static void click(toolkit::ButtonArray& array, const std::string& caption) {
        for (std::size_t i = 0; i < array.size(); ++i) {
            if (array[i].caption() == caption) {
                array.press(i);
                return;
            }
        }
        ADD_FAILURE() << array.name() << " has no button " << caption;
    }
    static void click(toolkit::ButtonArray& array, std::initializer_list<const char*> captions) {
        for (const char* caption : captions) click(array, caption);
    }

    // Presses 【开始缩水】 and returns the published bets.
    const std::vector<std::string>& run() {
        form.result.C_guolv_ks.press();
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
    any5::MainForm form{host};
};

}  // namespace testsupport
