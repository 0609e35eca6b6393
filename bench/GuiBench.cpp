// The sheet view of `reqpad gui` on a drawing whose requirements text has 3,000 lines: a pan
// (a blit of the kept picture), a zoom step (the last picture scaled) and the sharp picture
// after it (the SVG rendered again), and the refresh after a command that changed the
// drawing (the host's SVG made, read and rendered; and the UI thread's share of it when the
// rendering goes to a worker). Runs on Qt's offscreen platform.
#include <fstream>

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include "apps/gui/HostSession.h"
#include "apps/gui/MainWindow.h"
#include "apps/gui/SheetView.h"

namespace {

constexpr int kLines = 3000;

// One frame of the view, painted as the window would paint it, into an image of its size
// (the offscreen platform may not have exposed the window yet, so repaint could skip it).
void paintFrame(gui::SheetView& view) {
    static QImage frame;
    if (frame.size() != view.size())
        frame = QImage(view.size(), QImage::Format_ARGB32_Premultiplied);
    view.render(&frame);
}

// One window for all benchmarks: an A1 sheet at scale 1 with the 3,000 items placed above
// its title block, flowing into columns.
gui::MainWindow& window() {
    static QTemporaryDir scratch;
    static gui::MainWindow* made = [] {
        std::string content = scratch.filePath(QStringLiteral("items.txt")).toStdString();
        std::ofstream file(content);
        for (int i = 1; i <= kLines; ++i)
            file << i << ". Surface " << i << " machined to Ra 3.2, edges blunted 0.5 x 45 deg.\n";
        file.close();
        auto* window = new gui::MainWindow(
            nullptr, scratch.filePath(QStringLiteral("settings.xml")).toStdString());
        window->resize(1280, 900);
        window->show();
        for (std::string line :
             {std::string("new --sheet A1"), "tt new --mode 0 --content \"" + content + "\"",
              std::string("tt place last 0")})
            if (!window->RunLine(QString::fromStdString(line)))
                std::abort();
        return window;
    }();
    return *made;
}

void panFrames(benchmark::State& state, double zoom) {
    gui::SheetView& view = window().Sheet();
    view.Fit();
    for (int i = 0; i < zoom; ++i)
        view.ZoomIn();
    paintFrame(view);
    int renders = view.Picture().Renders();
    int step = 0;
    for (auto _ : state) {
        // Back and forth so that the view stays over the same part of the sheet.
        view.PanBy(step++ % 2 ? QPoint(-37, -23) : QPoint(37, 23));
        paintFrame(view);
    }
    state.counters["renders"] = view.Picture().Renders() - renders;
}

void BM_PanFrameFitted(benchmark::State& state) {
    panFrames(state, 0);
}
BENCHMARK(BM_PanFrameFitted)->Unit(benchmark::kMillisecond);

void BM_PanFrameZoomed(benchmark::State& state) {
    panFrames(state, 6); // 1.25^6: about 3.8 times the fitted zoom
}
BENCHMARK(BM_PanFrameZoomed)->Unit(benchmark::kMillisecond);

void BM_ZoomFrame(benchmark::State& state) {
    gui::SheetView& view = window().Sheet();
    view.Fit();
    int step = 0;
    for (auto _ : state) {
        if (step++ % 2)
            view.ZoomOut();
        else
            view.ZoomIn();
        paintFrame(view);
    }
}
BENCHMARK(BM_ZoomFrame)->Unit(benchmark::kMillisecond);

// What follows the last zoom step: the SVG rendered at the new zoom, and the frame.
void BM_ZoomSharpen(benchmark::State& state) {
    gui::SheetView& view = window().Sheet();
    view.Fit();
    int step = 0;
    for (auto _ : state) {
        if (step++ % 2)
            view.ZoomOut();
        else
            view.ZoomIn();
        view.Sharpen();
        paintFrame(view);
    }
}
BENCHMARK(BM_ZoomSharpen)->Unit(benchmark::kMillisecond);

void BM_SheetRefreshAfterCommand(benchmark::State& state) {
    gui::MainWindow& main = window();
    for (auto _ : state) {
        // An empty sheet between, so each refresh reads and renders a new document.
        state.PauseTiming();
        main.Sheet().SetSvg({});
        state.ResumeTiming();
        main.Sheet().SetSvg(QByteArray::fromStdString(main.Session().Svg()));
        paintFrame(main.Sheet());
    }
}
BENCHMARK(BM_SheetRefreshAfterCommand)->Unit(benchmark::kMillisecond);

// What the UI thread does after a command when the view has a picture already: the host's
// SVG made and read, and a frame showing the picture before while a worker renders the new
// one. Two documents in turn, so each is new to the view.
void BM_SheetRefreshInTheUiThread(benchmark::State& state) {
    gui::MainWindow& main = window();
    main.Sheet().Fit();
    paintFrame(main.Sheet());
    std::string svgs[2] = {main.Session().Svg(), main.Session().Svg()};
    svgs[1] += "\n"; // the same picture, but not the same document
    int step = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(main.Session().Svg());
        main.Sheet().SetSvg(QByteArray::fromStdString(svgs[step++ % 2]));
        paintFrame(main.Sheet());
    }
    main.Sheet().Sharpen();
}
BENCHMARK(BM_SheetRefreshInTheUiThread)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
