#include "history/ImportReport.h"

#include <cstddef>

namespace history {

namespace {

constexpr std::size_t kListedErrors = 5;

}  // namespace

std::string importSummary(const ImportReport& report) {
    if (!report.errorText.empty()) return report.errorText;
    std::string text = "导入 " + std::to_string(report.imported) + " 期，跳过重复 " +
                       std::to_string(report.skipped) + " 期，错误 " +
                       std::to_string(report.errors.size()) + " 行";
    for (std::size_t i = 0; i < report.errors.size() && i < kListedErrors; ++i) {
        const LineError& error = report.errors[i];
        text += i == 0 ? "：" : "；";
        text += "第 " + std::to_string(error.line) + " 行 " + faultText(error.fault);
    }
    if (report.errors.size() > kListedErrors) text += "；…";
    return text;
}

}  // namespace history
