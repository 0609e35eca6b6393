// The picker dialog: one form per kind of picker, its labels from the resources.
#include "platform/ui/qt/PickerDialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

#include "platform/ui/PlatformStrings.h"
#include "platform/ui/Resources.h"
#include "platform/ui/qt/QtText.h"

namespace zn::ui::qt {

namespace {

QString text(UINT id) {
    return ToQString(LoadStringW(id));
}

// The caption and the labels of the fields a kind of picker asks for.
std::pair<UINT, std::vector<UINT>> formOf(PickerRequest::Kind kind) {
    switch (kind) {
    case PickerRequest::Kind::Material:
        return {kIdsPickMaterial,
                {kIdsMaterialName, kIdsMaterialNumerator, kIdsMaterialDenominator}};
    case PickerRequest::Kind::Fit:
        return {kIdsPickFit, {kIdsPickFit, kIdsFitUpper, kIdsFitLower}};
    case PickerRequest::Kind::Symbol:
        return {kIdsPickSymbol, {kIdsSymbolText}};
    default:
        return {kIdsPickRecord, {}};
    }
}

} // namespace

std::int32_t RecordOfChoice(std::u16string_view choice) {
    std::int32_t record = 0;
    size_t i = 0;
    for (; i < choice.size() && choice[i] >= u'0' && choice[i] <= u'9' && record < 100000000; ++i)
        record = record * 10 + (choice[i] - u'0');
    return i == 0 ? -1 : record;
}

PickerAnswer ShowPicker(QWidget* parent, const PickerRequest& request) {
    const auto [caption, labels] = formOf(request.kind);
    QDialog dialog(parent);
    dialog.setWindowTitle(text(caption));
    auto* layout = new QVBoxLayout(&dialog);
    QListWidget* list = nullptr;
    std::vector<QLineEdit*> fields;
    if (request.kind == PickerRequest::Kind::Record) {
        list = new QListWidget(&dialog);
        for (const std::u16string& choice : request.choices)
            list->addItem(ToQString(choice));
        list->setCurrentRow(0);
        QObject::connect(list, &QListWidget::itemDoubleClicked, &dialog, &QDialog::accept);
        layout->addWidget(list);
        list->setFocus(); // the arrow keys choose at once
    } else {
        auto* form = new QFormLayout;
        for (size_t i = 0; i < labels.size(); ++i) {
            auto* field = new QLineEdit(&dialog);
            if (i < request.presets.size())
                field->setText(ToQString(request.presets[i]));
            form->addRow(text(labels[i]), field);
            fields.push_back(field);
        }
        layout->addLayout(form);
        if (!fields.empty())
            fields.front()->setFocus();
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);

    PickerAnswer answer;
    if (dialog.exec() != QDialog::Accepted)
        return answer;
    if (list) {
        if (!list->currentItem())
            return answer;
        answer.record = RecordOfChoice(ToU16(list->currentItem()->text()));
        answer.chosen = answer.record >= 0;
        return answer;
    }
    answer.chosen = true;
    for (QLineEdit* field : fields)
        answer.fields.push_back(ToU16(field->text()));
    return answer;
}

} // namespace zn::ui::qt
