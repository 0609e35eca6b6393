// `reqpad calc`: the calculator from the command line. Expression mode prints what the
// calculator's result field would show; --raw prints the parser's own answer; --keys
// drives the keypad; units convert the result through the measure document.
#include <cstdarg>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <unistd.h>

#include <CLI/CLI.hpp>

#include "apps/CalcWindow.h"
#include "apps/Commands.h"
#include "calculator/CalcEngine.h"
#include "calculator/CalcKeyNames.h"
#include "calculator/FormulaParser.h"
#include "calculator/MeasureSystems.h"
#include "resources/StringTable.h"

namespace {

struct CalcOptions {
    std::string formula;
    bool degrees = false;
    bool radians = false;
    int precision = CCalcEngine::kMaxPrecision;
    bool raw = false;
    double x = 0.0;
    bool noNormalise = false;
    std::string keys;
    std::string measuresFile;
    std::vector<std::string> units;
    bool ui = false;
    std::string script;
};

enum : unsigned {
    IDS_CALC_UNKNOWN_KEY = 50200,
    IDS_CALC_CANNOT_READ_MEASURES,
    IDS_CALC_UNIT_NOT_OFFERED,
    IDS_CALC_NO_UNITS,
    IDS_CALC_NO_FORMULA,
    IDS_CALC_UNIT_NEEDS_INPUT,
    IDS_CALC_BANNER,
    IDS_CALC_DEGREES,
    IDS_CALC_RADIANS,
    IDS_CALC_PRECISION_RANGE,
    IDS_CALC_CANNOT_READ_SCRIPT,
};

// A message of the string table, filled in printf-style with UTF-8 arguments.
std::string message(unsigned id, ...) {
    const std::string format = zn::toUtf8(res::LoadStringW(id));
    va_list args;
    va_start(args, id);
    std::string text = zn::vformatA(format.c_str(), args);
    va_end(args);
    return text;
}

struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

std::string percentDecode(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && std::isxdigit((unsigned char)text[i + 1]) &&
            std::isxdigit((unsigned char)text[i + 2])) {
            out += char(std::stoi(text.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

void pressKeys(CCalcEngine& engine, const std::string& sequence) {
    std::istringstream words(sequence);
    std::string key;
    while (words >> key) {
        if (key.rfind("paste:", 0) == 0) {
            engine.Paste(zn::fromUtf8(percentDecode(key.substr(6))));
        } else if (key.find_first_not_of("0123456789") == std::string::npos) {
            for (char digit : key) // "12" is the keys 1 and 2
                engine.Press(*CalcKeyFromName(std::string_view(&digit, 1)));
        } else if (auto calcKey = CalcKeyFromName(key)) {
            engine.Press(*calcKey);
        } else {
            throw UsageError(message(IDS_CALC_UNKNOWN_KEY, key.c_str(),
                                     std::string(CalcKeyNameList()).c_str()));
        }
    }
}

std::string readFile(const std::string& path, unsigned cannotRead = IDS_CALC_CANNOT_READ_MEASURES) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw UsageError(message(cannotRead, path.c_str()));
    std::ostringstream data;
    data << in.rdbuf();
    return data.str();
}

void selectUnits(CCalcEngine& engine, const CalcOptions& options) {
    if (options.units.empty())
        return;
    CMeasureSystems measures = options.measuresFile.empty()
                                   ? CMeasureSystems()
                                   : CMeasureSystems(zn::fromUtf8(readFile(options.measuresFile)));
    for (const std::string& unit : options.units) {
        const ZnsStringW name = zn::fromUtf8(unit);
        bool found = false;
        for (const MeasureMenuEntry& entry : measures.BuildMenu()) {
            if (entry.command >= CMeasureSystems::kCmdFirstMeasure && zn::equalsNoCase(entry.text, name)) {
                measures.OnCommand(entry.command, engine);
                found = true;
                break;
            }
        }
        if (!found) {
            std::string offered;
            for (const ZnsStringW& n : measures.MeasureNames())
                offered += (offered.empty() ? "" : ", ") + zn::toUtf8(n);
            throw UsageError(offered.empty()
                                 ? message(IDS_CALC_NO_UNITS, unit.c_str())
                                 : message(IDS_CALC_UNIT_NOT_OFFERED, unit.c_str(), offered.c_str()));
        }
    }
}

CCalcEngine makeEngine(const CalcOptions& options) {
    CCalcEngine engine;
    engine.SetDegreeMode(!options.radians);
    engine.SetPrecision(options.precision);
    return engine;
}

std::string expressionResult(const CalcOptions& options, const std::string& formula) {
    CCalcEngine engine = makeEngine(options);
    engine.SetExpressionMode(true);
    engine.SetExpressionText(zn::fromUtf8(formula));
    engine.Press(CalcKey::Equals);
    selectUnits(engine, options);
    return zn::toUtf8(engine.ExpressionResult());
}

std::string rawResult(const CalcOptions& options, const std::string& formula) {
    CFormulaParser parser;
    parser.SetDegreeMode(options.degrees ? 1 : 0);
    int position = 0;
    ZnsStringW message;
    double value = parser.Calculate(zn::fromUtf8(formula), options.x, position, message,
                                    !options.noNormalise);
    return zn::formatA("%.17g\t%d\t", value, position) + zn::toUtf8(message);
}

// One result line per input line; output is buffered because batch runs are long.
int runBatch(const CalcOptions& options) {
    std::ios::sync_with_stdio(false);
    std::string line, out;
    while (std::getline(std::cin, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        out += options.raw ? rawResult(options, line) : expressionResult(options, line);
        out += '\n';
        if (out.size() > (1 << 16)) {
            std::fwrite(out.data(), 1, out.size(), stdout);
            out.clear();
        }
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    return 0;
}

int runInteractive(CalcOptions options) {
    std::printf("%s\n", message(IDS_CALC_BANNER,
                                message(options.radians ? IDS_CALC_RADIANS : IDS_CALC_DEGREES).c_str(),
                                options.precision)
                            .c_str());
    std::string line;
    while (std::printf("> "), std::fflush(stdout), std::getline(std::cin, line)) {
        line = zn::toUtf8(zn::trim(zn::fromUtf8(line)));
        if (line == ":quit" || line == ":q")
            break;
        if (line == ":deg" || line == ":rad") {
            options.radians = line == ":rad";
            continue;
        }
        if (line.rfind(":precision", 0) == 0) {
            int p = -1;
            if (std::sscanf(line.c_str() + 10, "%d", &p) == 1 && p >= 0 && p <= CCalcEngine::kMaxPrecision)
                options.precision = p;
            else
                std::printf("%s\n", message(IDS_CALC_PRECISION_RANGE, CCalcEngine::kMaxPrecision).c_str());
            continue;
        }
        if (!line.empty())
            std::printf("%s\n", expressionResult(options, line).c_str());
    }
    return 0;
}

int run(const CalcOptions& options) {
    try {
        if (options.ui) {
            std::optional<std::string> script, measures;
            if (!options.script.empty())
                script = readFile(options.script, IDS_CALC_CANNOT_READ_SCRIPT);
            if (!options.measuresFile.empty())
                measures = readFile(options.measuresFile);
            return RunCalculatorWindow(script, options.script, measures);
        }
        if (!options.keys.empty()) {
            CCalcEngine engine = makeEngine(options);
            pressKeys(engine, options.keys);
            selectUnits(engine, options);
            std::printf("%s\n", zn::toUtf8(engine.Display()).c_str());
            return 0;
        }
        if (options.formula == "-")
            return runBatch(options);
        if (options.formula.empty()) {
            if (!isatty(STDIN_FILENO))
                throw UsageError(message(IDS_CALC_NO_FORMULA));
            return runInteractive(options);
        }
        std::printf("%s\n", (options.raw ? rawResult(options, options.formula)
                                         : expressionResult(options, options.formula))
                                .c_str());
        return 0;
    } catch (const UsageError& e) {
        std::fprintf(stderr, "reqpad calc: %s\n", e.what());
        return 2;
    }
}

} // namespace

Subcommand addCalcCommand(CLI::App& app) {
    auto options = std::make_shared<CalcOptions>();
    CLI::App* calc = app.add_subcommand("calc", "Evaluate formulas and keypad sequences");
    auto* formula = calc->add_option("FORMULA", options->formula,
                     "Formula to evaluate; '-' reads one formula per line from standard input");
    auto* deg = calc->add_flag("--deg", options->degrees, "Trigonometric arguments in degrees");
    auto* rad = calc->add_flag("--rad", options->radians, "Trigonometric arguments in radians");
    deg->excludes(rad);
    auto* precision = calc->add_option("--precision", options->precision, "Decimals shown, 0 to 6")
                          ->check(CLI::Range(0, CCalcEngine::kMaxPrecision));
    auto* raw = calc->add_flag("--raw", options->raw,
                               "Print the parser's value, error position and error message");
    calc->add_option("--x", options->x, "Value of the variable X")->needs(raw);
    calc->add_flag("--no-normalise", options->noNormalise, "Parse the formula as typed")->needs(raw);
    auto* keys = calc->add_option("--keys", options->keys, "Keypad sequence, keys separated by blanks");
    calc->add_option("--measures", options->measuresFile, "Measure document (default: the shipped one)");
    auto* unit = calc->add_option("--unit", options->units, "Select a unit after the calculation (repeatable)");
    raw->excludes(keys)->excludes(precision)->excludes(rad);
    auto* ui = calc->add_flag("--ui", options->ui, "Run the calculator window");
    calc->add_option("--script", options->script, "User actions for the window, one per line")
        ->needs(ui);
    ui->excludes(formula)->excludes(raw)->excludes(keys)->excludes(deg)->excludes(rad)->excludes(precision)
        ->excludes(unit);
    return {calc, [options] {
                if (!options->raw && options->degrees)
                    options->radians = false;
                if (options->formula.empty() && options->keys.empty() && !options->units.empty()) {
                    std::fprintf(stderr, "reqpad calc: %s\n", message(IDS_CALC_UNIT_NEEDS_INPUT).c_str());
                    return 2;
                }
                return run(*options);
            }};
}
