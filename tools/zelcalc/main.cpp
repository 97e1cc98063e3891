// zelcalc: the costing engine on the command line. Reads one JSON object on standard input
// and writes the computed object on standard output; keys are the database column names.

#include <iostream>
#include <iterator>
#include <string>
#include <string_view>

#include "commands.h"

namespace {

constexpr int kBadInput = 2;

constexpr std::string_view kUsage =
    "usage: zelcalc calc|layout|formats|makeready < input.json > output.json";

using Command = zelcalc::Json (*)(const zelcalc::Json&);

Command commandNamed(std::string_view name) {
    if (name == "calc") {
        return zelcalc::runCalc;
    }
    if (name == "layout") {
        return zelcalc::runLayout;
    }
    if (name == "formats") {
        return zelcalc::runFormats;
    }
    if (name == "makeready") {
        return zelcalc::runMakeReady;
    }
    return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
    const Command command = argc == 2 ? commandNamed(argv[1]) : nullptr;
    if (command == nullptr) {
        std::cerr << kUsage << '\n';
        return kBadInput;
    }
    const std::string text{std::istreambuf_iterator<char>(std::cin),
                           std::istreambuf_iterator<char>()};
    std::string output;
    try {
        const zelcalc::Json input = zelcalc::Json::parse(text);
        if (!input.is_object()) {
            throw zelcalc::InputError("input: expected one JSON object");
        }
        // The whole answer is built before anything is written, so a failure leaves
        // standard output empty.
        output = command(input).dump(2);
    } catch (const zelcalc::Json::parse_error& error) {
        std::cerr << "input: not valid JSON (" << error.what() << ")\n";
        return kBadInput;
    } catch (const zelcalc::InputError& error) {
        std::cerr << error.what() << '\n';
        return kBadInput;
    }
    std::cout << output << '\n';
    return std::cout.good() ? 0 : 1;
}
