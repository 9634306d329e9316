#include "tools/trend/TrendForm.h"

#include "toolkit/Host.h"
#include "toolkit/Rgb.h"
#include "toolkit/SavedFile.h"

namespace trend {
namespace {

using toolkit::palette::kGreen;
using toolkit::palette::kYellow;

std::string twoDigits(int n) {
    return (n < 10 ? "0" : "") + std::to_string(n);
}

}  // namespace

TrendForm::TrendForm(Links links, toolkit::Host& host, const toolkit::Window& mainWindow)
    : Window(kTitle), m_links(std::move(links)), m_host(host), m_docking(*this, mainWindow) {}

std::shared_ptr<const Chart> TrendForm::sharedChart() const {
    const std::array<int, 3> key{m_links.drawsRevision(), m_links.bigFrom(), m_period};
    if (!m_chart || key != m_chartKey) {
        m_chart = std::make_shared<const Chart>(
            chartOf(m_links.edition, key[1], m_links.draws(), m_period));
        m_chartKey = key;
        ++m_revision;
    }
    return m_chart;
}

int TrendForm::revision() const {
    chart();
    return m_revision;
}

void TrendForm::setPeriod(int draws) {
    m_period = draws;
}

bool TrendForm::hasRow(int column) const {
    const Chart& c = chart();
    const Column& at = c.columns[static_cast<std::size_t>(column)];
    if (at.isGrid()) return false;
    const Block& block = c.blocks[static_cast<std::size_t>(at.block)];
    toolkit::ButtonArray* row = block.isPlain ? nullptr : m_links.rowOf(block.name);
    return row != nullptr && static_cast<std::size_t>(at.value) < row->size();
}

bool TrendForm::pressValue(int column) {
    if (!hasRow(column)) return false;
    const Column& at = chart().columns[static_cast<std::size_t>(column)];
    m_links.rowOf(chart().blocks[static_cast<std::size_t>(at.block)].name)
        ->press(static_cast<std::size_t>(at.value));
    return true;
}

bool TrendForm::isChosen(int column) const {
    const Chart& c = chart();
    const Column& at = c.columns[static_cast<std::size_t>(column)];
    const auto index = static_cast<std::size_t>(at.value - 1);
    if (at.isGrid()) {
        if (m_links.killNumbers && (*m_links.killNumbers)[index].backColour() == kYellow)
            return true;
        if (m_links.positionKill &&
            (*m_links.positionKill)[positionButton(at.position, at.value)].backColour() == kYellow)
            return true;
        for (const auto* bankers : m_links.bankers) {
            if ((*bankers)[index].backColour() == kGreen) return true;
        }
        return false;
    }
    if (!hasRow(column)) return false;
    const auto* row = m_links.rowOf(c.blocks[static_cast<std::size_t>(at.block)].name);
    return (*row)[static_cast<std::size_t>(at.value)].backColour() == kGreen;
}

std::string TrendForm::settingsKey() const {
    std::string key;
    for (int c = 0; c < chart().columnCount(); ++c) key += isChosen(c) ? '1' : '0';
    return key;
}

std::size_t TrendForm::positionButton(int position, int number) const {
    const auto first = static_cast<std::size_t>(position * 11);
    for (std::size_t i = first; i < first + 11; ++i) {
        if ((*m_links.positionKill)[i].caption() == twoDigits(number)) return i;
    }
    return first;
}

std::vector<TrendForm::MenuItem> TrendForm::numberMenu(int column) {
    const Column& at = chart().columns[static_cast<std::size_t>(column)];
    std::vector<MenuItem> items;
    if (!at.isGrid()) return items;
    const auto index = static_cast<std::size_t>(at.value - 1);
    const std::string number = twoDigits(at.value);
    const auto toggleOf = [](toolkit::ButtonArray* array, std::size_t at) {
        return [array, at] { array->press(at); };
    };
    if (m_links.killNumbers) {
        items.push_back({"设为通杀码 " + number,
                         (*m_links.killNumbers)[index].backColour() == kYellow,
                         toggleOf(m_links.killNumbers, index)});
    }
    for (std::size_t g = 0; g < m_links.bankers.size(); ++g) {
        items.push_back({"加入胆码" + std::to_string(g + 1) + " " + number,
                         (*m_links.bankers[g])[index].backColour() == kGreen,
                         toggleOf(m_links.bankers[g], index)});
    }
    if (m_links.positionKill) {
        static const char* const kPositions[] = {"第一位", "第二位", "第三位"};
        const std::size_t at11 = positionButton(at.position, at.value);
        items.push_back({std::string("前三定位杀：") + kPositions[at.position] + "杀 " + number,
                         (*m_links.positionKill)[at11].backColour() == kYellow,
                         toggleOf(m_links.positionKill, at11)});
    }
    return items;
}

void TrendForm::exportCsv() {
    const std::string path = m_host.chooseFileToSave("导出CSV", "CSV 文件 (*.csv)");
    if (path.empty()) return;
    std::string error;
    if (!toolkit::saveFileAtomically(path, chartCsv(chart()), error)) {
        m_status = "写不了文件：" + path;
        return;
    }
    m_status = "已导出 " + std::to_string(chart().rowCount()) + " 期到 " + path;
}

std::string TrendForm::choosePictureFile() {
    return m_host.chooseFileToSave("导出图片", "PNG 图片 (*.png)");
}

}  // namespace trend
