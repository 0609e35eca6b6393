// The formatted edit control's text converter: reads host formatted text code by code into
// the control at its selection.
#pragma once

#include "host/controls/CxFtEdit.h"

namespace zn::ui {

class CxFtEditTextConverter : public IZnTextConverter {
public:
    explicit CxFtEditTextConverter(CxFtEdit& edit) : m_edit(edit) {}
    bool InsertFormattedText(std::u16string_view hostText) override;
    bool InsertObjectLink(const void* object, std::u16string_view text, unsigned flags) override;

private:
    // Inserts `text` at the selection in `script`; the caret goes behind it.
    bool insert(std::u16string_view text, CxFtEdit::Script script);
    CxFtEdit& m_edit;
};

} // namespace zn::ui
