#include "cli/Runner.h"

#include <cmath>

// CLI11 is a heavy header; this is the only file that includes it.
#include <CLI/CLI.hpp>

#include "cli/BacktestCommand.h"
#include "cli/BankersCommand.h"
#include "cli/CheckCommand.h"
#include "cli/Console.h"
#include "cli/DiffCommand.h"
#include "cli/ExplainCommand.h"
#include "cli/FilterCommand.h"
#include "cli/HistoryCommand.h"
#include "cli/IntersectCommand.h"
#include "cli/ReduceCommand.h"
#include "cli/TrendCommand.h"

namespace cli {
namespace {

// A file argument. "-" stays a file name (CLI11 takes it for no option), and
// the reader takes it for standard input.
void addFile(CLI::App& command, const std::string& name, std::string& file,
             const std::string& description) {
    command.add_option(name, file, description)->required()->type_name("");
}

// Each command registers its arguments on a subcommand bound to the fields of
// its values, and returns the subcommand; run() starts it once all is parsed.
void addDb(CLI::App& command, std::string& db);

// Where the rows read against past draws (重号, 热温冷 …) find them.
void addPastSource(CLI::App& command, PastSource& past) {
    auto* lottery = command.add_option(
        "--lottery", past.lottery,
        "read 重号/邻号/孤号/热温冷 against this lottery's kept draws (上期 = the newest)");
    auto* file = command.add_option("--draws", past.drawFile,
                                    "... or against a file of draws in the import format");
    auto* previous = command.add_option(
        "--previous", past.previous,
        "... or against the previous draw alone, e.g. \"03 07 01 11 05\" (not 热温冷)");
    lottery->excludes(file)->excludes(previous);
    file->excludes(previous);
    addDb(command, past.db);
}

CLI::App& addFilter(CLI::App& app, FilterCommand& filter) {
    auto& command = *app.add_subcommand("filter", "Print the bets a scheme's window would list");
    addFile(command, "SCHEME.json", filter.schemeFile, "a scheme saved by either window");
    auto* count =
        command.add_flag("--count", filter.isCountOnly, "print only how many bets are left");
    command
        .add_flag("--report", filter.isReport,
                  "print what each condition strikes (the window's 条件统计) instead")
        ->excludes(count);
    addPastSource(command, filter.past);
    return command;
}

CLI::App& addExplain(CLI::App& app, ExplainCommand& explain) {
    auto& command = *app.add_subcommand(
        "explain", "Print the conditions of a scheme that one bet breaks and why, one a line");
    addFile(command, "SCHEME.json", explain.schemeFile, "a scheme saved by either window");
    command
        .add_option("BET", explain.bet, "any-5: five numbers; front-3: three, in position order")
        ->required()
        ->type_name("");
    addPastSource(command, explain.past);
    return command;
}

void addDb(CLI::App& command, std::string& db) {
    command.add_option("--db", db,
                       "the history file (default: QUORVEL_HISTORY_DB, else "
                       "~/.local/share/quorvel/history.sqlite)");
}

void addLottery(CLI::App& command, std::string& lottery) {
    command.add_option("--lottery", lottery, "the lottery's name, e.g. 广东11选5")->required();
}

// `history import|list|export`: one subcommand each, all filling `history`;
// the one given sets its action.
CLI::App& addHistory(CLI::App& app, HistoryCommand& history) {
    auto& command =
        *app.add_subcommand("history", "Keep draws: import, list or export a lottery's");
    command.require_subcommand(1);
    using Action = HistoryCommand::Action;
    auto& importing = *command.add_subcommand("import", "Add the draws of a text or CSV file");
    addLottery(importing, history.lottery);
    addFile(importing, "DRAWS.txt", history.drawFile,
            "one draw a line: an optional issue, then five numbers in drawing order");
    importing.add_flag("--replace", history.isReplace,
                       "an issue already kept with other numbers takes the file's numbers "
                       "(without it, the import is refused)");
    addDb(importing, history.db);
    importing.callback([&history] { history.action = Action::Import; });
    auto& list = *command.add_subcommand("list", "Print the draws, newest first");
    addLottery(list, history.lottery);
    list.add_option("--last", history.last, "only the newest N draws")->check(CLI::PositiveNumber);
    addDb(list, history.db);
    list.callback([&history] { history.action = Action::List; });
    auto& exported = *command.add_subcommand("export", "Print every draw as CSV");
    addLottery(exported, history.lottery);
    addDb(exported, history.db);
    exported.callback([&history] { history.action = Action::Export; });
    return command;
}

CLI::App& addBacktest(CLI::App& app, BacktestCommand& backtest) {
    auto& command = *app.add_subcommand(
        "backtest", "Try a scheme's conditions on past draws, condition by condition");
    addFile(command, "SCHEME.json", backtest.schemeFile, "a scheme saved by either window");
    auto* lottery =
        command.add_option("--lottery", backtest.lottery, "a lottery of the kept history");
    auto* file = command.add_option("--draws", backtest.drawFile,
                                    "a file of draws in the import format instead");
    lottery->excludes(file);
    command.add_option("--last", backtest.last, "the newest N draws (a lottery: 100; 0: all)")
        ->check(CLI::NonNegativeNumber);
    addDb(command, backtest.db);
    return command;
}

CLI::App& addCheck(CLI::App& app, CheckCommand& check) {
    auto& command = *app.add_subcommand("check", "Check a scheme's result against a draw (对奖)");
    addFile(command, "SCHEME.json", check.schemeFile, "a scheme saved by either window");
    command.add_option("--draw", check.draw, "the draw, numbers in drawing order")->required();
    addPastSource(command, check.past);
    return command;
}

// CLI11's PositiveNumber lets "nan" through (no comparison fails), and the
// reducer would take it only after the scheme's run.
std::string notPositiveSeconds(const std::string& text) {
    double seconds = 0;
    if (CLI::detail::lexical_cast(text, seconds) && std::isfinite(seconds) && seconds > 0)
        return {};
    return "not a positive number of seconds: " + text;
}

CLI::App& addReduce(CLI::App& app, ReduceCommand& reduce) {
    auto& command = *app.add_subcommand(
        "reduce", "Print the fewest tickets of a play that win whichever survivor is drawn");
    addFile(command, "SCHEME.json", reduce.schemeFile, "a scheme saved by either window");
    auto* play = command
                     .add_option("--play", reduce.play,
                                 "the play to buy, as the lottery names it, e.g. 任选六")
                     ->check(CLI::IsMember(ReduceCommand::playNames()));
    command
        .add_flag("--all", reduce.isAll,
                  "compare the cheapest tickets of every play open to the survivors instead")
        ->excludes(play);
    command
        .add_option("--time-limit", reduce.timeLimitSeconds,
                    "seconds the search may take for each play (default 3)")
        ->check(CLI::Validator(notPositiveSeconds, "SECONDS", "positive seconds"));
    addPastSource(command, reduce.past);
    return command;
}

CLI::App& addDiff(CLI::App& app, DiffCommand& diff) {
    auto& command = *app.add_subcommand(
        "diff", "Compare two schemes of one edition: their conditions and their results' bets");
    addFile(command, "A.json", diff.fileA, "a scheme saved by either window");
    addFile(command, "B.json", diff.fileB, "a scheme of the same edition");
    command
        .add_option("--bets", diff.bets,
                    "print the bets in both results, only in A's or only in B's, one a line")
        ->check(CLI::IsMember({"both", "only-a", "only-b"}));
    addPastSource(command, diff.past);
    return command;
}

CLI::App& addTrend(CLI::App& app, TrendCommand& trend) {
    auto& command = *app.add_subcommand(
        "trend",
        "Print a kept lottery's trend chart (走势图) statistics over its newest draws. 遗漏 "
        "(skip): "
        "draws since the value was last drawn, over every kept draw (≥: not drawn since the "
        "first); over the draws shown: 出现次数 draws holding it, 最大遗漏 its largest skip, "
        "平均遗漏 = (draws - 出现次数) / (出现次数 + 1), 最大连出 its longest run of draws in a "
        "row, "
        "当前遗漏 its skip at the newest draw. Front-3 counts each position apart");
    addLottery(command, trend.lottery);
    addDb(command, trend.db);
    command.add_option("--last", trend.last, "the newest N draws (default 50; 0: all)")
        ->check(CLI::NonNegativeNumber);
    command.add_option("--edition", trend.edition, "any5 (default) or front3")
        ->check(CLI::IsMember({"any5", "front3"}));
    command.add_option("--big-from", trend.bigFrom, "the first big number: 7 (default) or 6")
        ->check(CLI::IsMember({6, 7}));
    command.add_flag("--csv", trend.isCsv, "print every row and column of the chart as CSV");
    return command;
}

CLI::App& addBankers(CLI::App& app, BankersCommand& bankers) {
    auto& command = *app.add_subcommand(
        "bankers", "Print the three coldest numbers, as the kill-number assistant picks them");
    addFile(command, "HISTORY.txt", bankers.historyFile,
            "the five most recent draws, most recent first, one per line");
    return command;
}

CLI::App& addIntersect(CLI::App& app, IntersectCommand& intersect) {
    auto& command =
        *app.add_subcommand("intersect", "Run one of the intersection tool's operations");
    command.add_option("--edition", intersect.edition, "the kind of bets in the lists")
        ->required()
        ->check(CLI::IsMember(IntersectCommand::kEditions));
    command
        .add_option("--op", intersect.operation,
                    "bets in both, in either, in A but not B, in B but not A")
        ->required()
        ->check(CLI::IsMember(IntersectCommand::kOperations));
    command.add_flag("--comma", intersect.isComma, "separate the numbers of a bet by commas");
    addFile(command, "A.txt", intersect.fileA, "a list of bets, one per line");
    addFile(command, "B.txt", intersect.fileB, "a list of bets, one per line");
    return command;
}

// The command's exit code becomes the runner's.
template <class Command>
void startOnParse(CLI::App& command, const Command& values, const Console& console, int& code) {
    command.callback([&values, &console, &code] { code = values.run(console); });
}

// "filter, bankers or intersect"
std::string commandNames(const CLI::App& app) {
    const auto commands = app.get_subcommands([](const CLI::App*) { return true; });
    std::string names;
    for (std::size_t i = 0; i < commands.size(); ++i) {
        if (i > 0) names += i + 1 == commands.size() ? " or " : ", ";
        names += commands[i]->get_name();
    }
    return names;
}

// CLI11 names the problem in its first line; scripts reading stderr get one line.
int badArguments(const CLI::ParseError& error, const Console& console) {
    const std::string message = error.what();
    console.complain(message.substr(0, message.find('\n')));
    return kBadInput;
}

}  // namespace

int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
        const FileReader& readFile) {
    const Console console{out, err, readFile};
    CLI::App app("The wheel filter of Quorvel without a window.", "quorvel");
    app.set_version_flag("--version", std::string("quorvel ") + QUORVEL_VERSION);
    app.footer("A file name of - reads standard input.");
    // At most one command; none is reported below, so that an unknown word is
    // named as such rather than as a missing command.
    app.require_subcommand(0, 1);

    int code = kDone;
    FilterCommand filter;
    startOnParse(addFilter(app, filter), filter, console, code);
    BankersCommand bankers;
    startOnParse(addBankers(app, bankers), bankers, console, code);
    IntersectCommand intersect;
    startOnParse(addIntersect(app, intersect), intersect, console, code);
    ExplainCommand explain;
    startOnParse(addExplain(app, explain), explain, console, code);
    HistoryCommand history;
    startOnParse(addHistory(app, history), history, console, code);
    BacktestCommand backtest;
    startOnParse(addBacktest(app, backtest), backtest, console, code);
    CheckCommand check;
    startOnParse(addCheck(app, check), check, console, code);
    ReduceCommand reduce;
    startOnParse(addReduce(app, reduce), reduce, console, code);
    TrendCommand trend;
    startOnParse(addTrend(app, trend), trend, console, code);
    DiffCommand diff;
    startOnParse(addDiff(app, diff), diff, console, code);

    try {
        app.parse(std::vector<std::string>(args.rbegin(), args.rend()));
    } catch (const CLI::ParseError& error) {
        // Help and version are "errors" that exit 0 after printing to out.
        if (error.get_exit_code() == 0) return app.exit(error, out, err);
        return badArguments(error, console);
    }
    if (app.get_subcommands().empty()) {
        console.complain("a command is required: " + commandNames(app));
        return kBadInput;
    }
    return code;
}

}  // namespace cli
