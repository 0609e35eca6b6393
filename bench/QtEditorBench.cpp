// The editor on a screen: a real key press in a requirements text of 2,000 items, through
// the window system to the model (with the renumbering an Enter brings), then the widget
// painted again, as one frame of the desktop backend. Runs under Qt's offscreen platform.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <cstdlib>

#include "bench/EditorItems.h"
#include "editor/Reqpad.h"
#include "platform/ui/qt/QtDialogs.h"
#include "platform/ui/qt/QtUserAgent.h"
#include "resources/ModuleResources.h"

namespace {

using namespace zn::ui;

class ShownEditor {
public:
    explicit ShownEditor(int count) {
        m_owner.Create(u"Bench", u"Editor", WS_POPUP | WS_VISIBLE, {0, 0, 800, 600}, nullptr, 0);
        m_pad.Create(WS_CHILD | WS_VISIBLE, {0, 0, 780, 580}, &m_owner, 12014);
        m_pad.InitControl();
        m_pad.SetContent(EditorBenchItems(count), editor::kContentPlain);
        m_pad.SetFocus();
        m_agent.ShowWindows();
        m_widget = m_agent.WidgetOf(m_owner);
    }
    ~ShownEditor() { m_owner.DestroyWindow(); }
    editor::CReqpad& pad() { return m_pad; }
    // One key as the desktop delivers it, then (unless `show` is false) the frame it changes.
    void press(int key, const QString& text, bool show = true) {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, text);
        QCoreApplication::sendEvent(m_widget, &event);
        if (!show)
            return;
        m_agent.ShowWindows();
        m_widget->repaint();
    }

private:
    res::ModuleResourceScope m_resources;
    qt::QtUserAgent m_agent;
    CWnd m_owner;
    editor::CReqpad m_pad;
    QWidget* m_widget = nullptr;
};

// A character typed into the first item and taken back.
void KeyAndRepaint(benchmark::State& state) {
    ShownEditor editor(int(state.range(0)));
    const int firstItemText = int(editor.pad().GetText().find(u"1. ")) + 3;
    for (auto _ : state) {
        editor.pad().SetSel(firstItemText, firstItemText);
        editor.press(Qt::Key_X, QStringLiteral("x"));
        editor.press(Qt::Key_Backspace, QString());
    }
    state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(KeyAndRepaint)->Arg(2000)->Unit(benchmark::kMicrosecond);

// Enter behind the first item's text makes a new item 2 and renumbers every item after it;
// the text is put back by an undo outside the timing.
void EnterRenumbers(benchmark::State& state, bool show) {
    ShownEditor editor(int(state.range(0)));
    const int firstItemEnd = int(editor.pad().GetText().find(u"\r2. "));
    const int length = editor.pad().GetTextLength();
    for (auto _ : state) {
        editor.pad().SetSel(firstItemEnd, firstItemEnd);
        editor.press(Qt::Key_Return, QStringLiteral("\r"), show);
        state.PauseTiming();
        editor.pad().Undo();
        if (editor.pad().GetTextLength() != length)
            state.SkipWithError("the undo did not restore the text");
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations());
}
// The same without the frame: what the model and the window system take of it.
BENCHMARK_CAPTURE(EnterRenumbers, AndRepaints, true)->Arg(2000)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(EnterRenumbers, WithoutTheScreen, false)
    ->Arg(2000)
    ->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    zn::ui::qt::ApplyDialogLook(application);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
