#include "cli/arguments.h"

#include "platform/qt_text.h"

#include <algorithm>

namespace zandrel {

ParsedArguments ParseArguments(const std::vector<std::string>& arguments,
                               std::span<const std::string_view> valueOptions,
                               std::span<const std::string_view> flagOptions,
                               std::span<const std::string_view> repeatableOptions) {
    ParsedArguments parsed;
    const auto among = [](std::span<const std::string_view> list, std::string_view name) {
        return std::find(list.begin(), list.end(), name) != list.end();
    };
    const auto fault = [&](ArgumentFault::Kind kind, const std::string& argument) {
        if (!parsed.fault) {
            parsed.fault = ArgumentFault{kind, argument};
        }
    };
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--help" || argument == "-h") {
            parsed.help = true;
            continue;
        }
        if (argument.size() < 2 || argument[0] != '-') {
            parsed.plain.push_back(argument);
            continue;
        }
        const std::size_t equals = argument.find('=');
        const std::string name = argument.substr(0, equals);
        const bool given = parsed.values.contains(name) || parsed.Flag(name);
        if (given && !among(repeatableOptions, name) &&
            (among(valueOptions, name) || among(flagOptions, name))) {
            fault(ArgumentFault::Kind::GivenTwice, name);
            if (among(valueOptions, name) && equals == std::string::npos) {
                ++i; // its value
            }
            continue;
        }
        if (among(valueOptions, name)) {
            if (equals != std::string::npos) {
                parsed.values[name].push_back(argument.substr(equals + 1));
            } else if (i + 1 < arguments.size()) {
                parsed.values[name].push_back(arguments[++i]);
            } else {
                fault(ArgumentFault::Kind::NeedsValue, name);
            }
        } else if (among(flagOptions, name) && equals == std::string::npos) {
            parsed.flags.insert(name);
        } else if (among(flagOptions, name)) {
            fault(ArgumentFault::Kind::TakesNoValue, name);
        } else {
            fault(ArgumentFault::Kind::UnknownOption, argument);
        }
    }
    return parsed;
}

std::string ArgumentFaultText(const Vocabulary& words, const ArgumentFault& fault) {
    switch (fault.kind) {
    case ArgumentFault::Kind::GivenTwice:
        return FillIn(words.translate("Commands", "option '%1' is given more than once"),
                      {fault.argument});
    case ArgumentFault::Kind::NeedsValue:
        return FillIn(words.translate("Commands", "option '%1' needs a value"), {fault.argument});
    case ArgumentFault::Kind::TakesNoValue:
        return FillIn(words.translate("Commands", "option '%1' takes no value"), {fault.argument});
    case ArgumentFault::Kind::UnknownOption:
        break;
    }
    return FillIn(words.translate("Commands", "unknown option '%1'"), {fault.argument});
}

std::string UnexpectedArgument(const Vocabulary& words, std::string_view argument) {
    return FillIn(words.translate("Commands", "unexpected argument '%1'"), {argument});
}

} // namespace zandrel
