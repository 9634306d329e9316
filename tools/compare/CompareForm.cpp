#include "tools/compare/CompareForm.h"

#include <algorithm>

#include "engine/ResultCopy.h"
#include "scheme/SchemeFiles.h"
#include "toolkit/Host.h"

namespace compare {

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find("\r\n", start), text.size());
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

CompareForm::CompareForm(Source source, toolkit::Host& host, const toolkit::Window& mainWindow)
    : Window(kTitle), m_source(std::move(source)), m_host(host), m_docking(*this, mainWindow) {
    C_duibi_gongtong.setClickHandler([this] { copy(m_results.both); });
    C_duibi_dangqian.setClickHandler([this] { copy(m_results.onlyFirst); });
    C_duibi_fangan.setClickHandler([this] { copy(m_results.onlySecond); });
    C_duibi_tihuan.setClickHandler([this] {
        if (!m_file) return;
        m_source.replace(*m_file, m_fileName);
        refresh();
    });
    C_duibi_tihuan.setEnabled(false);
}

void CompareForm::chooseFile() {
    std::string path;
    const auto loaded = scheme::loadSchemeFile(m_host, m_source.edition, &path);
    if (!loaded) return;
    compareWith(*loaded, fileNameOf(path));
    show();
}

void CompareForm::compareWith(const scheme::Scheme& file, std::string name) {
    m_file = file;
    m_fileName = std::move(name);
    refresh();
}

void CompareForm::refresh() {
    if (!m_file) return;
    const Run current = m_source.run(m_source.current());
    const Run other = m_source.run(*m_file);
    m_rows = engine::diffRows(m_source.conditionNames, current.verdicts, current.tolerance,
                              other.verdicts, other.tolerance);
    m_results = engine::resultDiff(current.lines, other.lines);
    m_unit = current.unit;
    L_duibi_wenjian.setCaption("对比：当前条件 与 方案 " + m_fileName);
    L_duibi_jieguo.setCaption("共同 " + std::to_string(m_results.both.size()) + " " + m_unit +
                              "，只在当前 " + std::to_string(m_results.onlyFirst.size()) + " " +
                              m_unit + "，只在方案 " + std::to_string(m_results.onlySecond.size()) +
                              " " + m_unit);
    C_duibi_tihuan.setEnabled(true);
    ++m_revision;
    if (m_onChange) m_onChange();
}

void CompareForm::copy(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) text += (text.empty() ? "" : "\r\n") + line;
    engine::copyResult(text, m_host);
}

}  // namespace compare
