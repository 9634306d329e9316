#include "cli/Console.h"

#include <algorithm>
#include <ostream>

#include "toolkit/LineBreaks.h"

namespace cli {

std::optional<std::string> Console::read(const std::string& name) const {
    auto text = readFile(name);
    if (!text) complain("cannot read " + name);
    return text;
}

void Console::complain(const std::string& problem) const {
    err << "quorvel: " << problem << "\n";
}

void Console::printLines(const std::string& text) const {
    for (const auto& line : linesOf(text)) out << line << "\n";
}

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

}  // namespace cli
