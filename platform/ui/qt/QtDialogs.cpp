// Message boxes, file dialogs, popup menus and typed picks as Qt dialogs, and the look
// they and our windows share.
#include "platform/ui/qt/QtDialogs.h"

#include <QApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QInputDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QStyleFactory>

#include "platform/ui/MessageBox.h"
#include "platform/ui/qt/QtText.h"

namespace zn::ui::qt {

namespace {

QMessageBox::StandardButton standardButtonOf(int id) {
    switch (id) {
    case IDOK:
        return QMessageBox::Ok;
    case IDCANCEL:
        return QMessageBox::Cancel;
    case IDABORT:
        return QMessageBox::Abort;
    case IDRETRY:
        return QMessageBox::Retry;
    case IDIGNORE:
        return QMessageBox::Ignore;
    case IDYES:
        return QMessageBox::Yes;
    default:
        return QMessageBox::No;
    }
}

QMessageBox::Icon iconOf(unsigned type) {
    switch (type & MB_ICONMASK) {
    case MB_ICONSTOP:
        return QMessageBox::Critical;
    case MB_ICONQUESTION:
        return QMessageBox::Question;
    case MB_ICONEXCLAMATION:
        return QMessageBox::Warning;
    case MB_ICONINFORMATION:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

} // namespace

void FillMenu(QMenu& target, const CMenu& menu) {
    for (int i = 0; i < menu.GetMenuItemCount(); ++i) {
        const int id = menu.GetMenuItemID(i);
        const QString text = ToQString(menu.GetMenuString(UINT(i), MF_BYPOSITION));
        const int state = menu.GetMenuState(UINT(i), MF_BYPOSITION);
        if (id == 0) {
            target.addSeparator();
        } else if (id == -1) {
            QMenu* sub = target.addMenu(text);
            FillMenu(*sub, menu.GetSubMenu(i));
        } else {
            QAction* action = target.addAction(text);
            action->setData(id);
            action->setEnabled(!(state & (MF_GRAYED | MF_DISABLED)));
            if (state & MF_CHECKED) {
                action->setCheckable(true);
                action->setChecked(true);
            }
        }
    }
}

void ApplyDialogLook(QApplication& application) {
    application.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    application.setFont(font);
}

int ShowMessageBox(QWidget* parent, std::u16string_view text, std::u16string_view caption,
                   unsigned type) {
    QMessageBox box(iconOf(type), ToQString(caption), ToQString(text), QMessageBox::NoButton,
                    parent);
    box.setWindowModality(Qt::ApplicationModal);
    const std::vector<int> ids = MessageBoxButtons(type);
    for (int id : ids)
        box.addButton(standardButtonOf(id));
    box.setDefaultButton(standardButtonOf(ids.front()));
    // Esc means Cancel where there is one, else the system's own choice for the box.
    const bool hasCancel = std::find(ids.begin(), ids.end(), IDCANCEL) != ids.end();
    const bool hasNo = std::find(ids.begin(), ids.end(), IDNO) != ids.end();
    const int escape = hasCancel ? IDCANCEL : hasNo ? IDNO : ids.size() == 1 ? ids.front() : 0;
    if (escape)
        box.setEscapeButton(standardButtonOf(escape));
    box.exec();
    QAbstractButton* clicked = box.clickedButton();
    for (int id : ids)
        if (clicked && clicked == box.button(standardButtonOf(id)))
            return id;
    return escape ? escape : ids.front();
}

QStringList NameFiltersOf(std::u16string_view filter) {
    QStringList parts = ToQString(filter).split(QLatin1Char('|'));
    QStringList result;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].isEmpty())
            break;
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        // Qt reads the patterns from the parentheses of the name.
        result << (parts[i].contains(QLatin1Char('(')) && parts[i].contains(patterns)
                       ? parts[i]
                       : parts[i] + QStringLiteral(" (") + patterns + QLatin1Char(')'));
    }
    return result;
}

std::optional<std::u16string> ShowFileDialog(QWidget* parent, FileRequest& request) {
    QFileDialog dialog(parent, ToQString(request.title));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilters(NameFiltersOf(request.filter));
    if (!request.defaultExtension.empty())
        dialog.setDefaultSuffix(ToQString(request.defaultExtension));
    if (!request.initialPath.empty())
        dialog.selectFile(ToQString(request.initialPath));
    std::vector<QCheckBox*> boxes;
    if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout()))
        for (const FileOption& option : request.options) {
            auto* box = new QCheckBox(ToQString(option.text).remove(QLatin1Char('&')), &dialog);
            box->setChecked(option.checked);
            grid->addWidget(box, grid->rowCount(), 0, 1, -1);
            boxes.push_back(box);
        }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    for (size_t i = 0; i < boxes.size(); ++i)
        request.options[i].checked = boxes[i]->isChecked();
    return ToU16(dialog.selectedFiles().front());
}

unsigned ShowPopupMenu(const CMenu& menu, CPoint screen) {
    QMenu popup;
    FillMenu(popup, menu);
    QAction* chosen = popup.exec(QPoint(screen.x, screen.y));
    return chosen ? chosen->data().toUInt() : 0;
}

PickAnswer ReadPickAnswer(std::u16string_view answer, const std::vector<std::u16string>& keywords,
                          bool wantsObject) {
    PickAnswer result;
    const QString text = ToQString(answer).trimmed();
    for (const std::u16string& keyword : keywords)
        if (text.compare(ToQString(keyword), Qt::CaseInsensitive) == 0) {
            result.kind = PickAnswer::Kind::Keyword;
            result.keyword = keyword;
            return result;
        }
    const QStringList parts = text.split(QLatin1Char(','));
    std::vector<double> numbers;
    for (const QString& part : parts) {
        bool ok = false;
        numbers.push_back(part.trimmed().toDouble(&ok));
        if (!ok)
            return result;
    }
    if (wantsObject && numbers.size() == 1 && numbers[0] >= 0 &&
        numbers[0] == double((long long)numbers[0])) {
        result.kind = PickAnswer::Kind::Object;
        result.object = (long long)numbers[0];
    } else if (numbers.size() == 2 || numbers.size() == 3) {
        result.kind = PickAnswer::Kind::Point;
        result.point = {numbers[0], numbers[1], numbers.size() == 3 ? numbers[2] : 0.0};
    }
    return result;
}

PickAnswer AskForPick(QWidget* parent, std::u16string_view prompt,
                      const std::vector<std::u16string>& keywords, bool wantsObject) {
    QString label = ToQString(prompt);
    if (!keywords.empty()) {
        QStringList words;
        for (const std::u16string& keyword : keywords)
            words << ToQString(keyword);
        label += QStringLiteral(" [") + words.join(QLatin1Char('/')) + QLatin1Char(']');
    }
    bool ok = false;
    const QString answer =
        QInputDialog::getText(parent, QString(), label, QLineEdit::Normal, QString(), &ok);
    if (!ok)
        return {};
    return ReadPickAnswer(ToU16(answer), keywords, wantsObject);
}

} // namespace zn::ui::qt
