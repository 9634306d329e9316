#include "tools/intersection/BetTextNormaliser.h"

#include "toolkit/LineBreaks.h"

namespace intersection {

// The steps of the rule (CR LF to "=", others to "*", drop what precedes the
// first digit, squeeze "*" runs, "*" to a blank and "=" to CR LF, trim
// blanks) done in one pass.
std::string normaliseBetText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    bool seenDigit = false;
    bool pendingBlank = false;  // a run of other characters not yet written
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const bool crLf = c == '\r' && i + 1 < text.size() && text[i + 1] == '\n';
        const bool isDigit = c >= '0' && c <= '9';
        if (!seenDigit && !isDigit) {
            if (crLf) ++i;
            continue;
        }
        seenDigit = true;
        if (crLf || c == '=') {
            if (pendingBlank) out += ' ';
            pendingBlank = false;
            out += "\r\n";
            if (crLf) ++i;
        } else if (isDigit) {
            if (pendingBlank) out += ' ';
            pendingBlank = false;
            out += c;
        } else {
            pendingBlank = true;
        }
    }
    if (pendingBlank) out += ' ';
    return std::string(toolkit::trimSpaces(out));
}

}  // namespace intersection
