#include "history/ImportReport.h"

#include <cstddef>

namespace history {

namespace {

constexpr std::size_t kListed = 5;

// "；a；b；…": the first five of `items`, each as `text` writes it.
template <class Item, class Text>
std::string firstFive(const std::vector<Item>& items, Text&& text) {
    std::string listed;
    for (std::size_t i = 0; i < items.size() && i < kListed; ++i) {
        listed += i == 0 ? "：" : "；";
        listed += text(items[i]);
    }
    if (items.size() > kListed) listed += "；…";
    return listed;
}

}  // namespace

std::string importSummary(const ImportReport& report) {
    if (!report.errorText.empty()) return report.errorText;
    std::string text = "导入 " + std::to_string(report.imported) + " 期，跳过重复 " +
                       std::to_string(report.skipped) + " 期，错误 " +
                       std::to_string(report.errors.size()) + " 行";
    text += firstFive(report.errors, [](const LineError& error) {
        return "第 " + std::to_string(error.line) + " 行 " + faultText(error.fault);
    });
    if (!report.conflicts.empty()) {
        text += "，期号冲突 " + std::to_string(report.conflicts.size()) + " 行";
        text += firstFive(report.conflicts, [](const std::string& conflict) { return conflict; });
    }
    if (report.replaced > 0) text += "，覆盖 " + std::to_string(report.replaced) + " 期";
    return text;
}

}  // namespace history
