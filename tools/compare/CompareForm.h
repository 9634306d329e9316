#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "engine/SchemeDiff.h"
#include "scheme/Scheme.h"
#include "toolkit/Button.h"
#include "toolkit/Docking.h"
#include "toolkit/Label.h"
#include "toolkit/Window.h"

namespace toolkit {
class Host;
}

namespace compare {

// What a scheme's window gives when it runs: its conditions' verdicts and
// 容错, and its result's lines in the result's text format.
struct Run {
    engine::Verdicts verdicts;
    engine::Tolerance tolerance;
    std::vector<std::string> lines;
    std::string unit = "注";
};

// A result's text, one bet a line (CR LF between), as lines.
std::vector<std::string> linesOf(const std::string& text);

// "a.json" of "/home/u/a.json" (or of a Windows-style path).
inline std::string fileNameOf(const std::string& path) {
    return path.substr(path.find_last_of("/\\") + 1);
}

// What the comparison reads of its main window.
struct Source {
    scheme::Edition edition = scheme::Edition::Any5;
    std::vector<std::string> conditionNames;  // the edition's, in run order
    std::function<scheme::Scheme()> current;
    // Runs a scheme in a window of its own, as 【开始缩水】 would, with the
    // main window's draws to read and its comma option.
    std::function<Run(const scheme::Scheme&)> run;
    // Loads a scheme into the main window as 载入方案 does (one undoable step).
    std::function<void(const scheme::Scheme&, const std::string& file)> replace;
};

// F_duibi, "方案对比": the current conditions beside a scheme file's, each
// by its report name, and the bets the two results share or not, each part
// copied in the result's text format; 用方案替换 loads the file.
class CompareForm final : public toolkit::Window {
public:
    static constexpr const char* kTitle = "方案对比";

    CompareForm(Source source, toolkit::Host& host, const toolkit::Window& mainWindow);

    toolkit::Button C_duibi_gongtong{"复制共同"};
    toolkit::Button C_duibi_dangqian{"复制只在当前"};
    toolkit::Button C_duibi_fangan{"复制只在方案"};
    toolkit::Button C_duibi_tihuan{"用方案替换"};
    toolkit::Label L_duibi_wenjian;  // the file compared
    toolkit::Label L_duibi_jieguo;   // "共同 N 注，只在当前 M 注，只在方案 K 注"

    // Asks for a scheme file; when it can be used, compares and shows.
    void chooseFile();
    // Compares the current conditions with a scheme read already.
    void compareWith(const scheme::Scheme& file, std::string name);
    // Compares again: the current conditions changed.
    void refresh();

    const std::vector<engine::DiffRow>& rows() const { return m_rows; }
    const engine::ResultDiff& results() const { return m_results; }
    static std::string stateText(engine::DiffRow::State state) {
        return engine::stateText(state, "当前", "方案");
    }
    // Counts the comparisons, for the view, which redraws on each.
    int revision() const { return m_revision; }
    void setContentListener(std::function<void()> listener) { m_onChange = std::move(listener); }

private:
    void onLoad() override { m_docking.place(); }
    void copy(const std::vector<std::string>& lines);

    Source m_source;
    toolkit::Host& m_host;
    toolkit::Docking m_docking;
    std::optional<scheme::Scheme> m_file;
    std::string m_fileName;
    std::vector<engine::DiffRow> m_rows;
    engine::ResultDiff m_results;
    std::string m_unit = "注";
    int m_revision = 0;
    std::function<void()> m_onChange;
};

}  // namespace compare
