// Stand-ins for the suite's sibling modules that the reference host does not carry:
// "VornCtl.dll" (input form and material picker), "znCoreSymbols.dll" (symbol picker) and
// the components of "ZnNMod.dll" (the newer requirements editor and the converter of older
// objects). They do nothing but record each call they receive, so a script or a test can
// see what the module asked of them; the pickers answer that the user cancelled.
#pragma once

#include <string>
#include <vector>

namespace simhost {

// One line per call: "VornCtl.dll ZNSInputFormDlg", "ZnNMod.dll ZnNMod.Reqpador Run", ...
std::vector<std::string>& SiblingCallLog();

void RegisterSiblingStandIns();
void UnregisterSiblingStandIns();

} // namespace simhost
