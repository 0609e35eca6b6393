#include "apps/ShellArguments.h"

#include "apps/HostShell.h"
#include "apps/ShellWords.h"

double number(const std::string& word, const char* what) {
    auto value = ParseNumber(word);
    if (!value)
        throw ShellError(std::string(what) + " must be a number, not \"" + word + "\"");
    return *value;
}

std::int32_t integer(const std::string& word, const char* what) {
    double value = number(word, what);
    if (value != double(std::int32_t(value)))
        throw ShellError(std::string(what) + " must be a whole number, not \"" + word + "\"");
    return std::int32_t(value);
}

void expectCount(const std::vector<std::string>& args, size_t least, size_t most,
                 const char* usage) {
    if (args.size() < least || args.size() > most)
        throw ShellError(std::string("usage: ") + usage);
}
