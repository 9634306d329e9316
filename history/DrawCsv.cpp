#include "history/DrawCsv.h"

namespace history {

std::string drawsToCsv(const std::vector<Draw>& newestFirst) {
    std::string text = "\xEF\xBB\xBF期号,号码1,号码2,号码3,号码4,号码5\n";
    text.reserve(text.size() + newestFirst.size() * 32);
    for (auto draw = newestFirst.rbegin(); draw != newestFirst.rend(); ++draw) {
        text += draw->issue;
        for (const int number : draw->numbers) {
            text += ',';
            text += static_cast<char>('0' + number / 10);
            text += static_cast<char>('0' + number % 10);
        }
        text += '\n';
    }
    return text;
}

}  // namespace history
