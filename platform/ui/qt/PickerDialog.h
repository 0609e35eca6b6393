// A sibling module's picker as a small Qt dialog: the drawing's specification records as
// a list, a material designation, a fit or a special symbol as fields to fill in.
#pragma once

#include "platform/ui/UserAgent.h"

class QWidget;

namespace zn::ui::qt {

PickerAnswer ShowPicker(QWidget* parent, const PickerRequest& request);

// The record a choice names ("ID TEXT": its leading number), -1 when it names none.
std::int32_t RecordOfChoice(std::u16string_view choice);

} // namespace zn::ui::qt
