// The window classes the system knows by name, so dialog templates can name them.
#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/RichEditCtrl.h"
#include "platform/ui/Static.h"
#include "platform/ui/ToolBar.h"
#include "platform/ui/ToolTip.h"
#include "platform/ui/TreeCtrl.h"

namespace zn::ui {

namespace {
template <class T> void registerClass(std::u16string_view name) {
    RegisterWindowClass(name, [] { return std::make_unique<T>(); });
}
} // namespace

void RegisterStandardClasses() {
    registerClass<CButton>(u"Button");
    registerClass<CEdit>(u"Edit");
    registerClass<CStatic>(u"Static");
    registerClass<CRichEditCtrl>(u"RichEdit20W");
    registerClass<CComboBox>(u"ComboBox");
    registerClass<CListBox>(u"ListBox");
    registerClass<CTreeCtrl>(u"SysTreeView32");
    registerClass<CToolBarCtrl>(u"ToolbarWindow32");
    registerClass<CToolTipCtrl>(u"tooltips_class32");
}

} // namespace zn::ui
