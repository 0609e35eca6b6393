#include "apps/gui/SheetPicker.h"

#include <QEventLoop>
#include <QRegularExpression>

#include "apps/gui/GuiTexts.h"
#include "apps/gui/SheetView.h"
#include "resources/ResourceIds.h"

namespace gui {

using zn::ui::PickAnswer;

SheetPicker::SheetPicker(SheetView& view, ObjectFinder objectAt)
    : m_view(view), m_objectAt(std::move(objectAt)) {
    connect(&m_view, &SheetView::picked, this, &SheetPicker::clicked);
    connect(&m_view, &SheetView::pickCancelled, this, &SheetPicker::Cancel);
}

void SheetPicker::AnswerTyped(const QString& text) {
    if (!IsWaiting())
        return;
    static const QRegularExpression point(
        QStringLiteral("^\\s*([-+0-9.eE]+)\\s*[ ,;]\\s*([-+0-9.eE]+)\\s*$"));
    QString trimmed = text.trimmed();
    PickAnswer typed;
    bool isNumber = false;
    long long id = trimmed.toLongLong(&isNumber);
    if (QRegularExpressionMatch match = point.match(trimmed); match.hasMatch() && !m_wantsObject) {
        bool xRead = false, yRead = false;
        typed.point.x = match.captured(1).toDouble(&xRead);
        typed.point.y = match.captured(2).toDouble(&yRead);
        typed.kind = xRead && yRead ? PickAnswer::Kind::Point : PickAnswer::Kind::Keyword;
    } else if (m_wantsObject && isNumber) {
        typed.kind = PickAnswer::Kind::Object;
        typed.object = id;
    } else if (!trimmed.isEmpty()) {
        typed.kind = PickAnswer::Kind::Keyword;
    }
    if (typed.kind == PickAnswer::Kind::Keyword)
        typed.keyword = trimmed.toStdU16String();
    answer(typed);
}

void SheetPicker::Cancel() {
    if (IsWaiting())
        answer(PickAnswer{});
}

void SheetPicker::clicked(QPointF point, double tolerance) {
    if (!IsWaiting())
        return;
    PickAnswer picked;
    if (m_wantsObject) {
        picked.object = m_objectAt(point, tolerance);
        if (picked.object < 0) {
            emit missed();
            return;
        }
        picked.kind = PickAnswer::Kind::Object;
    } else {
        picked.kind = PickAnswer::Kind::Point;
    }
    picked.point = {point.x(), point.y(), 0};
    answer(picked);
}

void SheetPicker::answer(PickAnswer answer) {
    m_answer = std::move(answer);
    m_loop->quit();
}

PickAnswer SheetPicker::waitForPick(const QString& prompt, std::optional<QPointF> rubberBandFrom) {
    if (IsWaiting())
        throw zn::ui::AgentError("a pick is already waiting for the user");
    QEventLoop loop;
    m_loop = &loop;
    m_answer = PickAnswer{};
    m_view.StartPicking(rubberBandFrom);
    emit waiting(prompt);
    loop.exec();
    m_loop = nullptr;
    m_view.StopPicking();
    emit answered();
    return m_answer;
}

PickAnswer SheetPicker::PickPoint(const zn::ui::PointRequest& request) {
    m_wantsObject = false;
    std::optional<QPointF> from;
    if (request.rubberBandFrom)
        from = QPointF(request.rubberBandFrom->x, request.rubberBandFrom->y);
    QString prompt = request.prompt.empty() ? Text(res::IDS_GUI_PICK_POINT)
                                            : QString::fromStdU16String(request.prompt);
    return waitForPick(prompt, from);
}

PickAnswer SheetPicker::PickObject(const zn::ui::ObjectRequest& request) {
    m_wantsObject = true;
    QString prompt = request.prompt.empty() ? Text(res::IDS_GUI_PICK_OBJECT)
                                            : QString::fromStdU16String(request.prompt);
    return waitForPick(prompt, std::nullopt);
}

zn::ui::UserAgent& SheetPicker::windows() {
    if (!m_windows)
        throw zn::ui::AgentError("no window backend is there to show this window");
    return *m_windows;
}

int SheetPicker::AnswerMessageBox(std::u16string_view text, std::u16string_view caption,
                                  unsigned type) {
    return windows().AnswerMessageBox(text, caption, type);
}

std::optional<std::u16string> SheetPicker::ChooseFile(const zn::ui::FileRequest& request) {
    return windows().ChooseFile(request);
}

std::optional<std::u16string> SheetPicker::ChooseFileAndOptions(zn::ui::FileRequest& request) {
    return windows().ChooseFileAndOptions(request);
}

void SheetPicker::ProvideInput(zn::ui::CWnd& waiting) {
    windows().ProvideInput(waiting);
}

unsigned SheetPicker::ChooseMenuCommand(const zn::ui::CMenu& menu) {
    return windows().ChooseMenuCommand(menu);
}

zn::ui::PickerAnswer SheetPicker::AnswerPicker(const zn::ui::PickerRequest& request) {
    return windows().AnswerPicker(request);
}

} // namespace gui
