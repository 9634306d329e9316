#include <algorithm>

#include "engine/Captions.h"
#include "scheme/Scheme.h"
#include "scheme/SchemeFields.h"

namespace scheme {
namespace {

Field bigFrom() {
    return {"bigFrom",
            [](const Json& value, Scheme& scheme) {
                constexpr const char* kExpected = " 7（大号 07~11）或 6（大号 06~11）";
                const std::int64_t v = integerOf(keyName("bigFrom"), value, kExpected);
                if (v != 7 && v != 6) wrongType(keyName("bigFrom"), value, kExpected);
                scheme.bigFrom = static_cast<int>(v);
            },
            [](const Scheme& scheme, Json& out) {
                if (scheme.bigFrom != 7) out["bigFrom"] = scheme.bigFrom;
            }};
}

Field bankers(std::size_t groups, int mostCount) {
    return {"bankers",
            [=](const Json& value, Scheme& scheme) {
                constexpr const char* kExpected =
                    "数组，每组一项 {\"numbers\": [号码…], \"counts\": [个数…]}";
                const Json& list = arrayOf(keyName("bankers"), value, kExpected);
                if (list.size() > groups) {
                    fail("\"bankers\" 最多 " + std::to_string(groups) + " 组，这里有 " +
                         std::to_string(list.size()) + " 组");
                }
                std::vector<BankerGroup> read;
                for (const Json& item : list) {
                    const std::string where =
                        "\"bankers\" 第 " + std::to_string(read.size() + 1) + " 组";
                    if (!item.is_object())
                        wrongType(where, item, " {\"numbers\": [号码…], \"counts\": [个数…]}");
                    BankerGroup group;
                    for (const auto& [name, part] : item.items()) {
                        if (name == "numbers") {
                            group.numbers = readValues(where + "的 \"numbers\"", part, 1, 11);
                        } else if (name == "counts") {
                            group.counts = readValues(where + "的 \"counts\"", part, 0, mostCount);
                        } else {
                            fail(where + "里有未知的键 " + keyName(name) +
                                 "：只能有 \"numbers\" 和 \"counts\"");
                        }
                    }
                    read.push_back(std::move(group));
                }
                while (!read.empty() && read.back() == BankerGroup{}) read.pop_back();
                scheme.bankers = std::move(read);
            },
            [](const Scheme& scheme, Json& out) {
                if (scheme.bankers.empty()) return;
                Json list = Json::array();
                for (const auto& group : scheme.bankers) {
                    Json item = Json::object();
                    item["numbers"] = valuesJson(group.numbers);
                    item["counts"] = valuesJson(group.counts);
                    list.push_back(std::move(item));
                }
                out["bankers"] = std::move(list);
            }};
}

Field positions() {
    return {
        "killPositions",
        [](const Json& value, Scheme& scheme) {
            constexpr const char* kExpected = "三位各一个号码数组，如 [[1, 2], [], [11]]";
            const Json& rows = arrayOf(keyName("killPositions"), value, kExpected);
            if (rows.size() > 3) {
                fail("\"killPositions\" 最多 3 位，这里有 " + std::to_string(rows.size()) + " 位");
            }
            std::array<Values, 3> read;
            for (std::size_t row = 0; row < rows.size(); ++row) {
                read[row] = readValues("\"killPositions\" 第 " + std::to_string(row + 1) + " 位",
                                       rows[row], 1, 11);
            }
            scheme.killPositions = std::move(read);
        },
        [](const Scheme& scheme, Json& out) {
            const auto& rows = scheme.killPositions;
            if (std::all_of(rows.begin(), rows.end(), [](const Values& v) { return v.empty(); }))
                return;
            Json list = Json::array();
            for (const auto& row : rows) list.push_back(valuesJson(row));
            out["killPositions"] = std::move(list);
        }};
}

Field hotRule(Edition edition) {
    const engine::HeatRule start =
        edition == Edition::Any5 ? engine::kAny5HeatRule : engine::kFront3HeatRule;
    return {"hotRule",
            [start](const Json& value, Scheme& scheme) {
                constexpr const char* kExpected = " {\"draws\": 10, \"hot\": 6, \"cold\": 3}";
                if (!value.is_object()) wrongType(keyName("hotRule"), value, kExpected);
                engine::HeatRule rule = start;
                for (const auto& [name, part] : value.items()) {
                    const std::string where = "\"hotRule\" 的 " + keyName(name);
                    const std::int64_t v = integerOf(where, part, " 一个整数");
                    if (name == "draws") {
                        rule.draws = static_cast<int>(v);
                    } else if (name == "hot") {
                        rule.hot = static_cast<int>(v);
                    } else if (name == "cold") {
                        rule.cold = static_cast<int>(v);
                    } else {
                        fail("\"hotRule\" 里有未知的键 " + keyName(name) +
                             "：只能有 \"draws\"、\"hot\" 和 \"cold\"");
                    }
                }
                if (!rule.isValid()) {
                    fail("\"hotRule\" 不对：应 5 ≤ draws ≤ 100，0 ≤ cold < hot ≤ draws，这里是 " +
                         shown(value));
                }
                scheme.hotRule = rule == start ? std::nullopt : std::optional(rule);
            },
            [start](const Scheme& scheme, Json& out) {
                if (!scheme.hotRule || *scheme.hotRule == start) return;
                Json rule = Json::object();
                rule["draws"] = scheme.hotRule->draws;
                rule["hot"] = scheme.hotRule->hot;
                rule["cold"] = scheme.hotRule->cold;
                out["hotRule"] = std::move(rule);
            }};
}

Field road(int k) {
    static const char* const kKeys[] = {"road0Counts", "road1Counts", "road2Counts"};
    const char* key = kKeys[k];
    return {key,
            [key, k](const Json& value, Scheme& scheme) {
                scheme.roadCounts[static_cast<std::size_t>(k)] =
                    readValues(keyName(key), value, 0, k == 0 ? 3 : 4);
            },
            [key, k](const Scheme& scheme, Json& out) {
                const Values& counts = scheme.roadCounts[static_cast<std::size_t>(k)];
                if (!counts.empty()) out[key] = valuesJson(counts);
            }};
}

std::vector<Field> makeFields(Edition edition) {
    const bool any5 = edition == Edition::Any5;
    const int mostCount = any5 ? 5 : 3;
    std::vector<Field> fields = {
        flag("comma", &Scheme::comma),
        bigFrom(),
        pairs("killPairs", &Scheme::killPairs),
        pairs("keepPairs", &Scheme::keepPairs),
        values("killNumbers", &Scheme::killNumbers, 1, 11),
        values("killSpans", &Scheme::killSpans, any5 ? 4 : 2, 10),
        values("killSums", &Scheme::killSums, any5 ? 15 : 6, any5 ? 45 : 30),
        values("oddCounts", &Scheme::oddCounts, 0, mostCount),
        values("bigCounts", &Scheme::bigCounts, 0, mostCount),
        bankers(any5 ? 5 : 3, mostCount),
    };
    if (any5) {
        std::vector<Field> own = {
            text("killCompound", &Scheme::killCompound),
            text("killPositional", &Scheme::killPositional),
            text("killTriples", &Scheme::killTriples),
            text("keepTriples", &Scheme::keepTriples),
            text("killQuads", &Scheme::killQuads),
            text("basePool", &Scheme::basePool),
            flag("basePoolEnabled", &Scheme::basePoolEnabled),
            values("killSumTails", &Scheme::killSumTails, 0, 9),
            values("smallest", &Scheme::smallest, 1, 7),
            values("largest", &Scheme::largest, 5, 11),
            values("killSpacing", &Scheme::killSpacing, 1, 11, 5),
            values("primeCounts", &Scheme::primeCounts, 0, 5),
            captions("killRuns", &Scheme::killRuns, engine::any5RunCaptions(),
                     "\"两连\", \"五连\""),
            captions("killParity", &Scheme::killParity, engine::parityCaptions(),
                     "\"奇奇奇奇奇\", \"奇偶奇偶奇\""),
        };
        fields.insert(fields.end(), own.begin(), own.end());
    } else {
        std::vector<std::string> patterns;
        for (const auto& [yes, no] : {std::pair{"大", "小"}, {"奇", "偶"}, {"质", "合"}}) {
            const auto family = engine::patternCaptions(yes, no);
            patterns.insert(patterns.end(), family.begin(), family.end());
        }
        std::vector<Field> own = {
            text("killDirect", &Scheme::killDirect),
            text("killCompound", &Scheme::killCompound),
            captions("killPaths", &Scheme::killPaths, engine::pathCaptions(), "\"000\", \"012\""),
            positions(),
            captions("killShapes", &Scheme::killShapes, engine::front3ShapeCaptions(),
                     "\"2连\", \"凸形\""),
            captions("killPatterns", &Scheme::killPatterns, patterns, "\"大大小\", \"奇偶奇\""),
            flag("group", &Scheme::group),
        };
        fields.insert(fields.end(), own.begin(), own.end());
    }
    std::vector<Field> past = {
        values("repeatCounts", &Scheme::repeatCounts, 0, mostCount),
        values("neighbourCounts", &Scheme::neighbourCounts, 0, mostCount),
        values("isolatedCounts", &Scheme::isolatedCounts, 0, mostCount),
        values("hotCounts", &Scheme::hotCounts, 0, mostCount),
        values("warmCounts", &Scheme::warmCounts, 0, mostCount),
        values("coldCounts", &Scheme::coldCounts, 0, mostCount),
        hotRule(edition),
    };
    fields.insert(fields.end(), past.begin(), past.end());
    if (any5) {
        fields.push_back(values("acValues", &Scheme::acValues, 0, 5));
        for (int k = 0; k < 3; ++k) fields.push_back(road(k));
    }
    fields.push_back(
        tolerance(any5 ? engine::any5ConditionNames() : engine::front3ConditionNames()));
    return fields;
}

const std::vector<Field>& fieldsOf(Edition edition) {
    static const std::vector<Field> any5 = makeFields(Edition::Any5);
    static const std::vector<Field> front3 = makeFields(Edition::Front3);
    return edition == Edition::Any5 ? any5 : front3;
}

const Field* findField(Edition edition, std::string_view key) {
    for (const Field& field : fieldsOf(edition)) {
        if (key == field.key) return &field;
    }
    return nullptr;
}

// "第 3 行第 7 列" of a byte position (1-based, counting characters).
std::string placeOf(std::string_view text, std::size_t byte) {
    std::size_t line = 1;
    std::size_t column = 1;
    const std::size_t end = std::min(byte > 0 ? byte - 1 : 0, text.size());
    for (std::size_t i = 0; i < end; ++i) {
        if (text[i] == '\n') {
            ++line;
            column = 1;
        } else if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
            ++column;
        }
    }
    return "第 " + std::to_string(line) + " 行第 " + std::to_string(column) + " 列";
}

const char* typeName(const Json& value) {
    if (value.is_array()) return "一个数组";
    if (value.is_string()) return "一段文字";
    if (value.is_number()) return "一个数";
    if (value.is_boolean()) return "true/false";
    return "null";
}

Scheme parse(std::string_view text) {
    if (text.find_first_not_of(" \t\r\n") == std::string_view::npos)
        fail("方案文件是空的：应为 JSON 对象，如 {\"edition\": \"any5\"}");
    Json json;
    try {
        json = Json::parse(text);
    } catch (const Json::parse_error& error) {
        fail("不是正确的 JSON 文件：" + placeOf(text, error.byte) + "附近有错");
    } catch (const Json::exception&) {
        // A number too large for any integer or float, such as 1e999.
        fail("不是正确的 JSON 文件：有一个数大得无法读取");
    }
    if (!json.is_object())
        fail(std::string("方案应为 JSON 对象 {…}，这里是") + typeName(json) + "：" + shown(json));
    const auto edition = json.find("edition");
    if (edition == json.end())
        fail("缺少 \"edition\"：应为 \"any5\"（任5版）或 \"front3\"（前三版）");
    Scheme scheme;
    if (*edition == "any5") {
        scheme.edition = Edition::Any5;
    } else if (*edition == "front3") {
        scheme.edition = Edition::Front3;
    } else {
        wrongType(keyName("edition"), *edition, " \"any5\"（任5版）或 \"front3\"（前三版）");
    }
    for (const auto& [key, value] : json.items()) {
        if (key == "edition") continue;
        if (const Field* field = findField(scheme.edition, key)) {
            field->read(value, scheme);
            continue;
        }
        const Edition other = scheme.edition == Edition::Any5 ? Edition::Front3 : Edition::Any5;
        if (findField(other, key) != nullptr) {
            fail("键 " + keyName(key) + " 只用于" + editionName(other) + "的方案，这是" +
                 editionName(scheme.edition) + "的方案（\"edition\": \"" +
                 editionKey(scheme.edition) + "\"）");
        }
        fail("未知的键 " + keyName(key));
    }
    return scheme;
}

}  // namespace

const char* editionKey(Edition edition) {
    return edition == Edition::Any5 ? "any5" : "front3";
}

const char* editionName(Edition edition) {
    return edition == Edition::Any5 ? "任5版" : "前三版";
}

ReadResult readScheme(std::string_view text) {
    try {
        return {parse(text), {}};
    } catch (const Problem& problem) {
        return {std::nullopt, problem.text};
    }
}

std::string writeScheme(const Scheme& scheme) {
    Json out = Json::object();
    out["edition"] = editionKey(scheme.edition);
    for (const Field& field : fieldsOf(scheme.edition)) field.write(scheme, out);
    return out.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

}  // namespace scheme
