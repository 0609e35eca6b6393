// The arguments of host shell commands: numbers, whole numbers and the count of words, each
// refused with a ShellError that says what was expected.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

double number(const std::string& word, const char* what);
std::int32_t integer(const std::string& word, const char* what);
void expectCount(const std::vector<std::string>& args, size_t least, size_t most,
                 const char* usage);
