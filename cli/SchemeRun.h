#pragma once

#include <algorithm>
#include <string>
#include <type_traits>

#include "any5/panels/MainForm.h"
#include "any5/panels/SchemeControls.h"
#include "cli/Console.h"
#include "cli/PastSource.h"
#include "engine/FilterRun.h"
#include "front3/MainForm.h"
#include "front3/SchemeControls.h"
#include "scheme/Scheme.h"
#include "toolkit/HeadlessHost.h"

namespace cli {

// Calls `work(form)` with a headless window of the scheme's edition,
// loaded with the scheme, and gives back the exit code it returns.
template <class Work>
int withSchemeWindow(const scheme::Scheme& scheme, Work&& work) {
    const auto in = [&scheme, &work]<class Form>() {
        toolkit::HeadlessHost host;
        Form form(host);
        form.load();
        applyScheme(scheme, form);
        return work(form);
    };
    return scheme.edition == scheme::Edition::Any5 ? in.template operator()<any5::MainForm>()
                                                   : in.template operator()<front3::MainForm>();
}

// The same with the reference of the rows read against past draws taken
// from `past`; exits 2 when it cannot be read or a set row lacks it.
template <class Work>
int withSchemeWindow(const scheme::Scheme& scheme, const PastSource& past, const Console& console,
                     Work&& work) {
    return withSchemeWindow(scheme, [&past, &console, &work](auto& form) {
        if (!readPastSource(form.past, past, console)) return kBadInput;
        return work(form);
    });
}

// Presses the start button of a headless window loaded with a scheme (for a
// front-3 scheme saved with groups, 【转为组选】), as the player would. Its
// notes go to err; false when the run failed, and why, on err.
template <class Form>
bool runScheme(Form& form, const scheme::Scheme& scheme, const Console& console) {
    if constexpr (std::is_same_v<Form, front3::MainForm>) {
        (scheme.group ? form.C_guolv_zhuan_zuxuan : form.result.C_guolv_ks).press();
        if (!form.L_tishi.caption().empty()) {
            std::string note = form.L_tishi.caption();
            note.erase(std::remove(note.begin(), note.end(), '\n'), note.end());
            console.complain(note);
        }
    } else {
        form.result.C_guolv_ks.press();
    }
    if (const auto& failure = form.filterRun().lastFailure()) {
        console.complain(*failure);
        return false;
    }
    return true;
}

}  // namespace cli
