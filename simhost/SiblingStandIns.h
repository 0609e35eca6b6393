// Stand-ins for the suite's sibling modules that the reference host does not carry:
// "VornCtl.dll" (input form, material and fit pickers), "znCoreSymbols.dll" (symbol picker)
// and the components of "ZnNMod.dll" (the newer requirements editor and the converter of
// older objects). Each records the calls it receives, so a script or a test can see what
// the module asked of them; the pickers take their answer from the user agent (a script's
// `material`, `fit`, `symbol` or `pick cancel`).
#pragma once

#include <string>
#include <vector>

namespace simhost {

// One line per call: "VornCtl.dll ZNSInputFormDlg", "ZnNMod.dll ZnNMod.Reqpador Run", ...
std::vector<std::string>& SiblingCallLog();

void RegisterSiblingStandIns();
void UnregisterSiblingStandIns();

} // namespace simhost
