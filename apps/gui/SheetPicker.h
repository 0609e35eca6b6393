// The person at the desktop window, as the host sees them: points and objects are picked
// on the sheet (a click, or coordinates, an object id or a keyword typed into the command
// line; Esc cancels), everything else (dialogs, message boxes, file choosers, pickers) goes
// to the agent of the window backend.
#pragma once

#include <functional>
#include <optional>

#include <QObject>
#include <QPointF>

#include "platform/ui/UserAgent.h"

class QEventLoop;

namespace gui {

class SheetView;

class SheetPicker : public QObject, public zn::ui::UserAgent {
    Q_OBJECT
public:
    // `objectAt(point, tolerance)`: the index of the object at a drawing point, or -1.
    using ObjectFinder = std::function<long long(QPointF, double)>;
    SheetPicker(SheetView& view, ObjectFinder objectAt);

    // The agent that shows the module's windows; null: none, and a dialog cannot be worked.
    void SetWindows(zn::ui::UserAgent* windows) { m_windows = windows; }
    bool IsWaiting() const { return m_loop != nullptr; }
    // A line typed while a pick waits: "X Y" or "X,Y" is a point, a whole number in an
    // object pick the object's id, any other text a keyword, an empty line cancels.
    void AnswerTyped(const QString& text);
    void Cancel();

    int AnswerMessageBox(std::u16string_view text, std::u16string_view caption,
                         unsigned type) override;
    std::optional<std::u16string> ChooseFile(const zn::ui::FileRequest& request) override;
    std::optional<std::u16string> ChooseFileAndOptions(zn::ui::FileRequest& request) override;
    zn::ui::PickAnswer PickPoint(const zn::ui::PointRequest& request) override;
    zn::ui::PickAnswer PickObject(const zn::ui::ObjectRequest& request) override;
    void ProvideInput(zn::ui::CWnd& waiting) override;
    unsigned ChooseMenuCommand(const zn::ui::CMenu& menu) override;
    zn::ui::PickerAnswer AnswerPicker(const zn::ui::PickerRequest& request) override;

signals:
    // A pick waits; `prompt` says for what.
    void waiting(const QString& prompt);
    void answered();
    // A click of an object pick found nothing; the pick goes on.
    void missed();

private:
    zn::ui::PickAnswer waitForPick(const QString& prompt, std::optional<QPointF> rubberBandFrom);
    void clicked(QPointF point, double tolerance);
    void answer(zn::ui::PickAnswer answer);
    zn::ui::UserAgent& windows();

    SheetView& m_view;
    ObjectFinder m_objectAt;
    zn::ui::UserAgent* m_windows = nullptr;
    QEventLoop* m_loop = nullptr;
    bool m_wantsObject = false;
    zn::ui::PickAnswer m_answer;
};

} // namespace gui
