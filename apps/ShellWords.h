// Splits a line of the host shell into words: blanks separate them, double quotes keep
// blanks inside one word (a backslash in quotes takes the next character as it is), and a
// '#' at the start of a word begins a comment.
#pragma once

#include <optional>
#include <string>
#include <vector>

// Nullopt with `error` set when a quote is not closed.
std::optional<std::vector<std::string>> SplitShellWords(const std::string& line,
                                                        std::string& error);

// A number written with a point ("2.5", "-10", "1e3"); nullopt when the whole word is not one.
std::optional<double> ParseNumber(const std::string& word);
