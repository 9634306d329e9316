#include "scheme/SchemeFields.h"

#include <algorithm>

#include "toolkit/LineBreaks.h"

namespace scheme {

[[noreturn]] void fail(std::string text) {
    throw Problem{std::move(text)};
}

std::string shown(const Json& value) {
    std::string text = value.dump(-1, ' ', false, Json::error_handler_t::replace);
    constexpr std::size_t kLongest = 40;
    if (text.size() <= kLongest) return text;
    std::size_t cut = kLongest;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
    return text.substr(0, cut) + "…";
}

std::string keyName(std::string_view key) {
    return shown(Json(std::string(key)));
}

[[noreturn]] void wrongType(const std::string& where, const Json& value, const char* expected) {
    fail(where + " 的值 " + shown(value) + " 不对：应为" + expected);
}

std::int64_t integerOf(const std::string& where, const Json& value, const char* expected) {
    if (value.is_number_unsigned()) {
        const auto u = value.get<std::uint64_t>();
        return u > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max())
                   ? std::numeric_limits<std::int64_t>::max()
                   : static_cast<std::int64_t>(u);
    }
    if (value.is_number_integer()) return value.get<std::int64_t>();
    wrongType(where, value, expected);
}

const Json& arrayOf(const std::string& where, const Json& value, const char* expected) {
    if (!value.is_array()) wrongType(where, value, expected);
    return value;
}

Values readValues(const std::string& where, const Json& value, int lo, int hi) {
    const std::string range = std::to_string(lo) + ".." + std::to_string(hi);
    const std::string expected = "整数数组，每个数在 " + range + " 之间，如 [" +
                                 std::to_string(lo) + ", " + std::to_string(hi) + "]";
    Values values;
    for (const Json& item : arrayOf(where, value, expected.c_str())) {
        const std::int64_t v = integerOf(where, item, expected.c_str());
        if (v < lo || v > hi)
            fail(where + " 里的 " + shown(item) + " 超出范围：应在 " + range + " 之间");
        values.insert(static_cast<int>(v));
    }
    return values;
}

Json valuesJson(const Values& values) {
    return Json(std::vector<int>(values.begin(), values.end()));
}

Field flag(const char* key, bool Scheme::*member) {
    return {key,
            [key, member](const Json& value, Scheme& scheme) {
                if (!value.is_boolean()) wrongType(keyName(key), value, " true 或 false");
                scheme.*member = value.get<bool>();
            },
            [key, member](const Scheme& scheme, Json& out) {
                if (scheme.*member) out[key] = true;
            }};
}

Field values(const char* key, Values Scheme::*member, int lo, int hi, std::size_t most) {
    return {key,
            [=](const Json& value, Scheme& scheme) {
                Values read = readValues(keyName(key), value, lo, hi);
                if (read.size() > most) {
                    fail(keyName(key) + " 最多 " + std::to_string(most) + " 个值，这里有 " +
                         std::to_string(read.size()) + " 个：" + shown(value));
                }
                scheme.*member = std::move(read);
            },
            [=](const Scheme& scheme, Json& out) {
                if (!(scheme.*member).empty()) out[key] = valuesJson(scheme.*member);
            }};
}

Field pairs(const char* key, Pairs Scheme::*member) {
    return {
        key,
        [=](const Json& value, Scheme& scheme) {
            constexpr const char* kExpected = "两个不同号码的数组的数组，如 [[1, 2], [3, 11]]";
            Pairs read;
            for (const Json& item : arrayOf(keyName(key), value, kExpected)) {
                if (!item.is_array() || item.size() != 2)
                    wrongType(keyName(key) + " 里的一对", item, " 两个不同的号码，如 [1, 2]");
                const Values numbers = readValues(keyName(key), item, 1, 11);
                if (numbers.size() != 2)
                    fail(keyName(key) + " 里的 " + shown(item) + " 不对：一对必须是两个不同的号码");
                read.emplace(*numbers.begin(), *numbers.rbegin());
            }
            scheme.*member = std::move(read);
        },
        [=](const Scheme& scheme, Json& out) {
            if ((scheme.*member).empty()) return;
            Json list = Json::array();
            for (const auto& [a, b] : scheme.*member) list.push_back({a, b});
            out[key] = std::move(list);
        }};
}

Field text(const char* key, std::optional<std::string> Scheme::*member) {
    return {key,
            [=](const Json& value, Scheme& scheme) {
                if (!value.is_string()) wrongType(keyName(key), value, "文字（JSON 字符串）");
                scheme.*member = toolkit::toCrLf(value.get_ref<const std::string&>());
            },
            [=](const Scheme& scheme, Json& out) {
                if (scheme.*member) out[key] = *(scheme.*member);
            }};
}

Field captions(const char* key, Captions Scheme::*member, std::vector<std::string> allowed,
               std::string example) {
    return {key,
            [=](const Json& value, Scheme& scheme) {
                const std::string expected = "按钮名称的数组，如 [" + example + "]";
                Captions read;
                for (const Json& item : arrayOf(keyName(key), value, expected.c_str())) {
                    if (!item.is_string()) wrongType(keyName(key), item, expected.c_str());
                    const auto& caption = item.get_ref<const std::string&>();
                    if (std::find(allowed.begin(), allowed.end(), caption) == allowed.end()) {
                        std::string known;
                        for (const auto& a : allowed) known += (known.empty() ? "" : "、") + a;
                        if (allowed.size() > 8) known = "如 " + example;
                        fail(keyName(key) + " 里的 " + shown(item) + " 不是这里的按钮名称（" +
                             known + "）");
                    }
                    read.insert(caption);
                }
                scheme.*member = std::move(read);
            },
            [=](const Scheme& scheme, Json& out) {
                if ((scheme.*member).empty()) return;
                Json list = Json::array();
                for (const auto& caption : allowed) {
                    if ((scheme.*member).count(caption) != 0) list.push_back(caption);
                }
                out[key] = std::move(list);
            }};
}

}  // namespace scheme
