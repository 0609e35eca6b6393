// The requirements text the editor benchmarks work on: a title line and COUNT numbered items.
#pragma once

#include "platform/text/ZnsString.h"

inline ZnsStringW EditorBenchItems(int count) {
    ZnsStringW text = u"Technical requirements";
    for (int i = 1; i <= count; ++i)
        text += zn::format("\r%d. Item text of a technical condition, number %d", i, i);
    return text;
}
