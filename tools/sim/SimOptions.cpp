#include "SimOptions.h"

#include <charconv>

namespace {

template <typename T> bool ParseNumber(const std::string& text, T& value)
{
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end;
}

} // namespace

const char* SimUsage()
{
    return "usage: zelmo-sim --variant mover|heap|round --games N --seed S [--trace FILE] "
           "[--animate-time MS] [--check]\n                 [--cpu classic|strong] [--simulations N | --budget-ms MS]\n"
           "       zelmo-sim --list-variants";
}

std::optional<TSimOptions> ParseSimOptions(const std::vector<std::string>& args, std::string& error)
{
    TSimOptions options;
    if (args == std::vector<std::string>{"--list-variants"}) {
        options.ListVariants = true;
        return options;
    }
    bool haveVariant = false, haveGames = false, haveSeed = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& name = args[i];
        if (name == "--check") {
            options.Check = true;
            continue;
        }
        if (i + 1 >= args.size()) {
            error = "missing value for " + name;
            return std::nullopt;
        }
        const std::string& value = args[++i];
        bool ok = true;
        if (name == "--variant") {
            options.Variant = value;
            ok = value == "mover" || value == "heap" || value == "round";
            haveVariant = true;
        } else if (name == "--games") {
            ok = ParseNumber(value, options.Games) && options.Games > 0;
            haveGames = true;
        } else if (name == "--seed") {
            ok = ParseNumber(value, options.Seed);
            haveSeed = true;
        } else if (name == "--trace") {
            options.TracePath = value;
            ok = !value.empty();
        } else if (name == "--cpu") {
            ok = value == "classic" || value == "strong";
            options.CpuPlayer = value == "strong" ? 1 : 0;
        } else if (name == "--simulations") {
            ok = ParseNumber(value, options.Simulations) && options.Simulations > 0;
        } else if (name == "--budget-ms") {
            ok = ParseNumber(value, options.BudgetMs) && options.BudgetMs > 0;
        } else if (name == "--animate-time") {
            ok = ParseNumber(value, options.AnimateTime) && options.AnimateTime >= 0;
        } else {
            error = "unknown option " + name;
            return std::nullopt;
        }
        if (!ok) {
            error = "bad value for " + name + ": " + value;
            return std::nullopt;
        }
    }
    if (!haveVariant || !haveGames || !haveSeed) {
        error = "--variant, --games and --seed are required";
        return std::nullopt;
    }
    return options;
}
