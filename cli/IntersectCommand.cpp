#include "cli/IntersectCommand.h"

#include <algorithm>
#include <cassert>

#include "any5/panels/MainForm.h"
#include "front3/MainForm.h"
#include "toolkit/HeadlessHost.h"
#include "toolkit/LineBreaks.h"

namespace cli {
namespace {

// The window's own tool does the work, so the runner's answer is the window's.
template <class Form>
std::string intersect(std::size_t operation, bool comma, const std::string& a,
                      const std::string& b) {
    toolkit::HeadlessHost host;
    Form form(host);
    form.load();
    form.jiaoji.Check_out_douhao.setTicked(comma);
    form.jiaoji.T_dd_jiaoji[0].setText(toolkit::toCrLf(a));
    form.jiaoji.T_dd_jiaoji[1].setText(toolkit::toCrLf(b));
    form.jiaoji.C_jiaoji_xuanzhe.press(operation);
    return form.jiaoji.T_dd_jiaoji[2].text();
}

}  // namespace

int IntersectCommand::run(const Console& console) const {
    const auto found = std::find(kOperations.begin(), kOperations.end(), operation);
    assert(found != kOperations.end() && "the argument parser accepts only known operations");
    const auto a = console.read(fileA);
    if (!a) return kBadInput;
    const auto b = console.read(fileB);
    if (!b) return kBadInput;
    const auto index = static_cast<std::size_t>(found - kOperations.begin());
    console.printLines(edition == "any5" ? intersect<any5::MainForm>(index, isComma, *a, *b)
                                         : intersect<front3::MainForm>(index, isComma, *a, *b));
    return kDone;
}

}  // namespace cli
