#pragma once

#include "app/vocabulary.h"

#include <functional>
#include <map>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zandrel {

// The first argument of a command that is not understood, and why: told in words only once
// the whole line is read, in the language that it names wherever it names it.
struct ArgumentFault {
    enum class Kind { GivenTwice, NeedsValue, TakesNoValue, UnknownOption };
    Kind kind;
    std::string argument;
};

// The options and the plain arguments of a command. An option with a value takes it from
// "--name=value" or from the next argument. An option given twice is refused, unless it is one
// that may be repeated: then every value is kept, in order.
struct ParsedArguments {
    std::map<std::string, std::vector<std::string>, std::less<>> values;
    std::set<std::string, std::less<>> flags;
    std::vector<std::string> plain;
    bool help = false;
    // The first fault; the line is read on after it, so that a later --language still counts.
    std::optional<ArgumentFault> fault;

    bool Flag(std::string_view name) const { return flags.find(name) != flags.end(); }
    const std::string* Value(std::string_view name) const {
        const auto found = values.find(name);
        return found == values.end() ? nullptr : &found->second.front();
    }
    std::vector<std::string> Values(std::string_view name) const {
        const auto found = values.find(name);
        return found == values.end() ? std::vector<std::string>() : found->second;
    }
};

ParsedArguments ParseArguments(const std::vector<std::string>& arguments,
                               std::span<const std::string_view> valueOptions,
                               std::span<const std::string_view> flagOptions,
                               std::span<const std::string_view> repeatableOptions = {});

// One line in `words` that names the argument of `fault` and says what is wrong with it.
std::string ArgumentFaultText(const Vocabulary& words, const ArgumentFault& fault);

// "unexpected argument 'x'".
std::string UnexpectedArgument(const Vocabulary& words, std::string_view argument);

} // namespace zandrel
