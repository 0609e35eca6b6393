// ZnsArray: the platform's dynamic array.
#pragma once

#include <vector>

template <class T> using ZnsArray = std::vector<T>;
