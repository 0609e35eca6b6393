// Functions of the suite's sibling modules that this platform's modules call by name
// through the loader.
#pragma once

#include <cstdint>

#include "platform/text/ZnsString.h"

// "VornCtl.dll": the input form dialog, filling `text`; 1 (OK) or 2 (cancel).
using ZnsInputFormDlgFunction = std::int32_t (*)(void* owner, ZnsStringW* text);
// "VornCtl.dll": the material picker; 0 = OK.
using ZnsSelectMaterialDlgFunction = std::int32_t (*)(ZnsStringW* name, ZnsStringW* numerator,
                                                      ZnsStringW* denominator, void* owner);
// "VornCtl.dll": the fit picker for `dimension` (its nominal value and text set); on OK (0)
// the dimension carries the fit text and the two deviations.
class IZnDimension;
using ZnsSelectFitsDlgFunction = std::int32_t (*)(IZnDimension* dimension, void* owner);
// "znCoreSymbols.dll": the symbol picker; the chosen symbol as host formatted text, empty
// when cancelled.
using ZnsShowSpecSymbolsFunction = ZnsStringW (*)(void* owner, const char16_t* helpTopic,
                                                  const char16_t* initial, bool flag,
                                                  std::int32_t x, std::int32_t y);
