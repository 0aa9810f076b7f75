#pragma once

#include "app/vocabulary.h"

#include <functional>
#include <map>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zandrel {

// The options and the plain arguments of a command. An option with a value takes it from
// "--name=value" or from the next argument. An option given twice is refused, unless it is one
// that may be repeated: then every value is kept, in order.
struct ParsedArguments {
    std::map<std::string, std::vector<std::string>, std::less<>> values;
    std::set<std::string, std::less<>> flags;
    std::vector<std::string> plain;
    bool help = false;
    // One line in the language's words naming the first argument that is not understood.
    std::string error;

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

ParsedArguments ParseArguments(const Vocabulary& words, const std::vector<std::string>& arguments,
                               std::span<const std::string_view> valueOptions,
                               std::span<const std::string_view> flagOptions,
                               std::span<const std::string_view> repeatableOptions = {});

// "unexpected argument 'x'".
std::string UnexpectedArgument(const Vocabulary& words, std::string_view argument);

} // namespace zandrel
