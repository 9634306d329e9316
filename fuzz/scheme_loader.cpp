#include <cstddef>
#include <cstdint>

#include "any5/panels/MainForm.h"
#include "any5/panels/SchemeControls.h"
#include "front3/MainForm.h"
#include "front3/SchemeControls.h"
#include "fuzz/FuzzChecks.h"
#include "scheme/Scheme.h"
#include "toolkit/HeadlessHost.h"

namespace {

// What the windows hold of a scheme, its texts aside: a text equal to a
// box's hint reads back as no text at all, which is right.
scheme::Scheme withoutTexts(scheme::Scheme s) {
    s.killCompound = s.killPositional = s.killTriples = s.keepTriples = s.killQuads = s.basePool =
        s.killDirect = std::nullopt;
    return s;
}

// One loaded window form of an edition for the whole run.
template <class Form>
Form& formOf() {
    static toolkit::HeadlessHost host;
    static Form form(host);
    static const bool loaded = (form.load(), true);
    (void)loaded;
    return form;
}

template <class Form>
void checkWindowRoundTrip(const scheme::Scheme& wanted) {
    Form& form = formOf<Form>();
    applyScheme(wanted, form);
    fuzz::check(withoutTexts(captureScheme(form)) == withoutTexts(wanted));
}

}  // namespace

// A scheme file's text. Either it is refused with one line that names what is
// wrong, or it reads into a scheme that writes and reads back the same, and
// that the edition's window takes and gives back unchanged.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto read = scheme::readScheme(fuzz::textOf(data, size));
    if (!read.scheme) {
        fuzz::check(!read.error.empty() && read.error.find('\n') == std::string::npos);
        return 0;
    }
    const std::string written = scheme::writeScheme(*read.scheme);
    const auto again = scheme::readScheme(written);
    fuzz::check(again.scheme.has_value() && *again.scheme == *read.scheme);
    fuzz::check(scheme::writeScheme(*again.scheme) == written);

    if (read.scheme->edition == scheme::Edition::Any5) {
        checkWindowRoundTrip<any5::MainForm>(*read.scheme);
    } else {
        checkWindowRoundTrip<front3::MainForm>(*read.scheme);
    }
    return 0;
}
