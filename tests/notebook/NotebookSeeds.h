// Small valid files of the three notebook readers: seeds for the fuzz corpus and for the
// mutation test.
#pragma once

#include <string>
#include <vector>

namespace notebook_seeds {

// Notebook files written by the notebook itself.
std::vector<std::string> NotebookFiles();
std::vector<std::string> OldTextFiles();
std::vector<std::string> OldTableFiles();

} // namespace notebook_seeds
