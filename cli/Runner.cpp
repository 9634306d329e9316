#include "cli/Runner.h"

#include <algorithm>
#include <array>
#include <ostream>
#include <type_traits>

#include "any5/assistant/ColdBankers.h"
#include "any5/panels/MainForm.h"
#include "any5/panels/SchemeControls.h"
#include "front3/MainForm.h"
#include "front3/SchemeControls.h"
#include "scheme/Scheme.h"
#include "toolkit/HeadlessHost.h"
#include "toolkit/LineBreaks.h"

namespace cli {
namespace {

constexpr const char* kUsage =
    "usage: quorvel filter SCHEME.json [--count]\n"
    "       quorvel bankers HISTORY.txt\n"
    "       quorvel intersect --edition any5|front3 --op and|or|a-b|b-a [--comma] A.txt B.txt\n"
    "       quorvel --help | --version\n"
    "A file name of - reads standard input.\n";

std::vector<std::string> linesOf(const std::string& text) {
    const std::string crLf = toolkit::toCrLf(text);
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < crLf.size()) {
        const std::size_t end = std::min(crLf.find("\r\n", start), crLf.size());
        lines.push_back(crLf.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

int usageError(std::ostream& err, const std::string& problem) {
    err << "quorvel: " << problem << "\n" << kUsage;
    return 2;
}

std::optional<std::string> readOrSay(const FileReader& readFile, const std::string& name,
                                     std::ostream& err) {
    auto text = readFile(name);
    if (!text) err << "quorvel: cannot read " << name << "\n";
    return text;
}

int bankers(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
            const FileReader& readFile) {
    if (args.size() != 2) return usageError(err, "bankers takes one history file");
    const auto text = readOrSay(readFile, args[1], err);
    if (!text) return 2;
    const auto lines = linesOf(*text);
    std::array<std::string, 5> history;
    for (std::size_t i = 0; i < history.size() && i < lines.size(); ++i) history[i] = lines[i];
    const auto result = any5::assistant::deriveColdBankers(history);
    if (!result.ok()) {
        err << result.errorText << "\n";
        return 1;
    }
    out << result.bankers << "\n";
    return 0;
}

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

int intersect(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
              const FileReader& readFile) {
    std::string edition;
    std::string op;
    bool comma = false;
    std::vector<std::string> files;
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--comma") {
            comma = true;
        } else if ((args[i] == "--edition" || args[i] == "--op") && i + 1 < args.size()) {
            (args[i] == "--edition" ? edition : op) = args[i + 1];
            ++i;
        } else {
            files.push_back(args[i]);
        }
    }
    if (edition != "any5" && edition != "front3")
        return usageError(err, "--edition must be any5 or front3, not \"" + edition + "\"");
    const std::vector<std::string> ops = {"and", "or", "a-b", "b-a"};
    const auto found = std::find(ops.begin(), ops.end(), op);
    if (found == ops.end())
        return usageError(err, "--op must be and, or, a-b or b-a, not \"" + op + "\"");
    if (files.size() != 2) return usageError(err, "intersect takes two list files");
    const auto a = readOrSay(readFile, files[0], err);
    if (!a) return 2;
    const auto b = readOrSay(readFile, files[1], err);
    if (!b) return 2;
    const auto operation = static_cast<std::size_t>(found - ops.begin());
    const std::string result = edition == "any5"
                                   ? intersect<any5::MainForm>(operation, comma, *a, *b)
                                   : intersect<front3::MainForm>(operation, comma, *a, *b);
    for (const auto& line : linesOf(result)) out << line << "\n";
    return 0;
}

// Runs a scheme in its edition's own form, so the lines are the window's.
template <class Form>
int filterWith(const scheme::Scheme& scheme, bool countOnly, std::ostream& out, std::ostream& err) {
    toolkit::HeadlessHost host;
    Form form(host);
    form.load();
    applyScheme(scheme, form);
    if constexpr (std::is_same_v<Form, front3::MainForm>) {
        (scheme.group ? form.C_guolv_zhuan_zuxuan : form.result.C_guolv_ks).press();
        if (!form.L_tishi.caption().empty()) {
            std::string note = form.L_tishi.caption();
            note.erase(std::remove(note.begin(), note.end(), '\n'), note.end());
            err << "quorvel: " << note << "\n";
        }
    } else {
        form.result.C_guolv_ks.press();
    }
    for (const auto& message : host.callsOf(toolkit::HeadlessHost::Kind::Message)) {
        if (message.title == engine::FilterRun::kFailedTitle) {
            err << "quorvel: " << message.text << "\n";
            return 1;
        }
    }
    if (countOnly) {
        out << form.result.count() << "\n";
    } else {
        for (const auto& line : linesOf(form.result.ResultText)) out << line << "\n";
    }
    return 0;
}

int filter(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           const FileReader& readFile) {
    bool countOnly = false;
    std::vector<std::string> files;
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--count") {
            countOnly = true;
        } else {
            files.push_back(args[i]);
        }
    }
    if (files.size() != 1) return usageError(err, "filter takes one scheme file");
    const auto text = readOrSay(readFile, files[0], err);
    if (!text) return 2;
    const scheme::ReadResult read = scheme::readScheme(*text);
    if (!read.scheme) {
        err << "quorvel: " << files[0] << ": " << read.error << "\n";
        return 2;
    }
    return read.scheme->edition == scheme::Edition::Any5
               ? filterWith<any5::MainForm>(*read.scheme, countOnly, out, err)
               : filterWith<front3::MainForm>(*read.scheme, countOnly, out, err);
}

}  // namespace

int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
        const FileReader& readFile) {
    if (args.empty()) return usageError(err, "no command");
    if (args[0] == "--help") {
        out << kUsage;
        return 0;
    }
    if (args[0] == "--version") {
        out << "quorvel " << QUORVEL_VERSION << "\n";
        return 0;
    }
    if (args[0] == "filter") return filter(args, out, err, readFile);
    if (args[0] == "bankers") return bankers(args, out, err, readFile);
    if (args[0] == "intersect") return intersect(args, out, err, readFile);
    return usageError(err, "unknown command \"" + args[0] + "\"");
}

}  // namespace cli
