// The questions the system asks the user, as Qt's own dialogs and menus: message boxes,
// file dialogs with their option check boxes, popup menus, and the host's requests for a
// point or an object typed in.
#pragma once

#include <QStringList>
#include <optional>
#include <string>

#include "platform/ui/Menu.h"
#include "platform/ui/UserAgent.h"

class QApplication;
class QMenu;
class QWidget;

namespace zn::ui::qt {

// The look every screen of ours has, whatever the desktop's settings: one style, one font.
void ApplyDialogLook(QApplication& application);

// The id of the button chosen (IDOK, IDYES, ...); Esc or the frame's close answers Cancel
// (or No, or the only button) as the system does.
int ShowMessageBox(QWidget* parent, std::u16string_view text, std::u16string_view caption,
                   unsigned type);
// The path chosen, or none; the options' check boxes are shown and their states kept.
std::optional<std::u16string> ShowFileDialog(QWidget* parent, FileRequest& request);
// Adds the menu's entries (submenus, separators, greyed and checked commands, each action
// carrying its command id as data).
void FillMenu(QMenu& target, const CMenu& menu);
// The command chosen from the menu shown at `screen`, or 0.
unsigned ShowPopupMenu(const CMenu& menu, CPoint screen);
// "x,y[,z]" is a point, a number an object (when `wantsObject`), an offered keyword that
// keyword; anything else or nothing cancels.
PickAnswer AskForPick(QWidget* parent, std::u16string_view prompt,
                      const std::vector<std::u16string>& keywords, bool wantsObject);
// The same reading of an answer, without the dialog.
PickAnswer ReadPickAnswer(std::u16string_view answer, const std::vector<std::u16string>& keywords,
                          bool wantsObject);

// A filter of the system's kind ("Text (*.txt)|*.txt|All Files (*.*)|*.*||") as Qt's
// name filters, one per pair.
QStringList NameFiltersOf(std::u16string_view filter);

} // namespace zn::ui::qt
