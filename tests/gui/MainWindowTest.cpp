#include <cstdlib>
#include <set>

#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTimer>
#include <QWheelEvent>
#include <QtTest/QTest>

#include <nlohmann/json.hpp>

#include "apps/gui/GuiScript.h"
#include "apps/gui/HostSession.h"
#include "apps/gui/SheetPicker.h"
#include "apps/gui/SheetView.h"
#include "platform/text/CodePage.h"
#include "tests/gui/GuiFixture.h"

using gui::SheetView;

namespace {

bool sheetInView(const SheetView& view) {
    return view.rect().intersects(view.Transform().SheetRect());
}

// The objects of the drawing by id, as the host lists them.
std::map<long long, nlohmann::json> objects(const std::string& listing) {
    std::map<long long, nlohmann::json> byId;
    std::istringstream lines(listing);
    for (std::string line; std::getline(lines, line);) {
        auto object = nlohmann::json::parse(line);
        byId[object["id"].get<long long>()] = object;
    }
    return byId;
}

// Sends the clicks (view pixels) one after another to the picks that the host starts.
class Clicker {
public:
    Clicker(gui::MainWindow& window, std::vector<QPoint> clicks) : m_clicks(std::move(clicks)) {
        QObject::connect(&window.Picker(), &gui::SheetPicker::waiting, &window.Sheet(),
                         [this, &window] {
                             if (m_clicks.empty())
                                 return;
                             QPoint at = m_clicks.front();
                             m_clicks.erase(m_clicks.begin());
                             // The pick's own loop must run before the click can answer it.
                             QTimer::singleShot(0, &window, [&window, at] {
                                 QTest::mouseClick(&window.Sheet(), Qt::LeftButton, {}, at);
                             });
                         });
    }

private:
    std::vector<QPoint> m_clicks;
};

} // namespace

TEST_F(GuiFixture, OpenedDrawingLooksAsStored) {
    std::string drawing = makeDrawing();
    ASSERT_TRUE(m_window->OpenDrawing(QString::fromStdString(drawing)));
    EXPECT_TRUE(m_window->windowTitle().startsWith(QStringLiteral("sheet.zdw - ")));
    SheetView& view = m_window->Sheet();
    EXPECT_EQ(view.Picture().Sheet(), QSizeF(210, 297));
    EXPECT_TRUE(QRect(QPoint(0, 0), view.size()).contains(view.Transform().SheetRect()));
    EXPECT_TRUE(MatchesStoredImage(view.grab().toImage(), "a4-sheet"));
}

TEST_F(GuiFixture, TypedCommandChangesTheDrawing) {
    run({"new --sheet A4"});
    SheetView& view = m_window->Sheet();
    QImage before = view.grab().toImage();
    QTest::keyClicks(&m_window->CommandLine(), QStringLiteral("add view 20 60 90 110 A"));
    QTest::keyClick(&m_window->CommandLine(), Qt::Key_Return);
    EXPECT_TRUE(m_window->CommandLine().text().isEmpty());
    EXPECT_TRUE(m_window->Log().toPlainText().contains(QStringLiteral("{\"id\":4}")));
    auto listed = objects(output("objects"));
    ASSERT_EQ(listed.count(4), 1u);
    EXPECT_EQ(listed[4]["type"], "View");
    EXPECT_TRUE(QTest::qWaitFor([&] { return view.IsSharp(); }, 10000));
    EXPECT_NE(view.grab().toImage(), before);

    // A failing line says why in the log and changes nothing.
    QTest::keyClicks(&m_window->CommandLine(), QStringLiteral("erase 99"));
    QTest::keyClick(&m_window->CommandLine(), Qt::Key_Return);
    EXPECT_TRUE(m_window->Log().toPlainText().contains(QStringLiteral("no object 99")));
    EXPECT_EQ(objects(output("objects")).size(), listed.size());
}

TEST_F(GuiFixture, ZoomPanAndFitKeepTheSheetInViewAndOnlyZoomRenders) {
    run({"new --sheet A3"});
    SheetView& view = m_window->Sheet();
    view.grab();
    double fitZoom = view.Transform().Zoom();
    QPointF cursor(view.width() * 0.3, view.height() * 0.6);
    QPointF under = view.Transform().ToDrawing(cursor);
    for (int notch = 0; notch < 4; ++notch) {
        QWheelEvent wheel(cursor, view.mapToGlobal(cursor), {}, QPoint(0, 120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&view, &wheel);
    }
    EXPECT_GT(view.Transform().Zoom(), fitZoom * 2);
    QPointF still = view.Transform().ToDrawing(cursor);
    EXPECT_NEAR(still.x(), under.x(), 1 / view.Transform().Zoom());
    EXPECT_NEAR(still.y(), under.y(), 1 / view.Transform().Zoom());

    // While the wheel turns, the last picture is scaled; it is rendered anew once, after.
    int renders = view.Picture().Renders();
    view.grab();
    EXPECT_EQ(view.Picture().Renders(), renders);
    view.Sharpen();
    EXPECT_EQ(view.Picture().Renders(), renders + 1);
    renders = view.Picture().Renders();
    QTest::mousePress(&view, Qt::LeftButton, {}, QPoint(100, 100));
    QTest::mouseMove(&view, QPoint(160, 130));
    QTest::mouseRelease(&view, Qt::LeftButton, {}, QPoint(160, 130));
    view.grab();
    EXPECT_EQ(view.Picture().Renders(), renders) << "a pan within the kept picture renders again";

    for (int i = 0; i < 40; ++i)
        view.PanBy(QPoint(400, -400));
    EXPECT_TRUE(sheetInView(view));
    for (int i = 0; i < 40; ++i)
        view.ZoomOut();
    EXPECT_TRUE(sheetInView(view));
    view.Fit();
    EXPECT_DOUBLE_EQ(view.Transform().Zoom(), fitZoom);
    EXPECT_TRUE(QRect(QPoint(0, 0), view.size()).contains(view.Transform().SheetRect()));
}

TEST_F(GuiFixture, ClicksAnswerPointPicksInDrawingCoordinates) {
    std::string content = writeFile("items.txt", "1. First item\n2. Second item\n");
    run({"new --sheet A4"});
    ASSERT_TRUE(m_window->RunLine(
        QString::fromStdString("tt new --mode 2 --format none --content \"" + content + "\"")));
    const gui::SheetTransform& transform = m_window->Sheet().Transform();
    QPoint first = transform.ToView(QPointF(30, 200)).toPoint();
    QPoint second = transform.ToView(QPointF(150, 120)).toPoint();
    Clicker clicker(*m_window, {first, second});
    ASSERT_TRUE(m_window->RunLine(QStringLiteral("tt place last 1")));
    auto info = nlohmann::json::parse(output("tt info last"));
    auto column = info["columns"][0];
    QPointF expectedFirst = transform.ToDrawing(first);
    QPointF expectedSecond = transform.ToDrawing(second);
    EXPECT_NEAR(column["first"][0].get<double>(), expectedFirst.x(), 1e-6);
    EXPECT_NEAR(column["first"][1].get<double>(), expectedFirst.y(), 1e-6);
    EXPECT_NEAR(column["second"][0].get<double>(), expectedSecond.x(), 1e-6);
    EXPECT_NEAR(column["second"][1].get<double>(), expectedSecond.y(), 1e-6);
    // Within a pixel of where the points were asked for.
    EXPECT_NEAR(column["first"][0].get<double>(), 30, 1 / transform.Zoom());
    EXPECT_NEAR(column["first"][1].get<double>(), 200, 1 / transform.Zoom());
}

TEST_F(GuiFixture, EscAndTypedAnswersEndPicks) {
    std::string content = writeFile("items.txt", "1. First item\n");
    run({"new --sheet A4"});
    ASSERT_TRUE(m_window->RunLine(
        QString::fromStdString("tt new --mode 2 --format none --content \"" + content + "\"")));
    size_t withText = objects(output("objects")).size();
    QObject::connect(&m_window->Picker(), &gui::SheetPicker::waiting, &m_window->Sheet(), [this] {
        QTimer::singleShot(0, &m_window->Sheet(),
                           [this] { QTest::keyClick(&m_window->Sheet(), Qt::Key_Escape); });
    });
    ASSERT_TRUE(m_window->RunLine(QStringLiteral("tt place last 1")));
    // A cancelled placement takes the new text out of the drawing again.
    EXPECT_EQ(objects(output("objects")).size(), withText - 1);
    EXPECT_FALSE(m_window->Picker().IsWaiting());
    EXPECT_FALSE(m_window->Sheet().IsPicking());
}

TEST_F(GuiFixture, ObjectPickFindsTheSmallestObjectUnderTheClickOrTheTypedId) {
    run({"new --sheet A4", "add view 20 60 90 110 A", "add mark 40 80 50 90 B"});
    const gui::SheetTransform& transform = m_window->Sheet().Transform();
    gui::SheetPicker& picker = m_window->Picker();
    auto pickAt = [&](QPointF drawing) {
        QPoint at = transform.ToView(drawing).toPoint();
        QTimer::singleShot(0, &m_window->Sheet(), [&, at] {
            QTest::mouseClick(&m_window->Sheet(), Qt::LeftButton, {}, at);
        });
        return picker.PickObject({});
    };
    EXPECT_EQ(pickAt(QPointF(45, 85)).object, 5);   // the mark inside the view
    EXPECT_EQ(pickAt(QPointF(25, 65)).object, 4);   // the view alone
    EXPECT_EQ(pickAt(QPointF(100, 292)).object, 3); // the frame line is the format's
    QTimer::singleShot(0, &m_window->Sheet(), [&] { m_window->RunLine(QStringLiteral("4")); });
    zn::ui::PickAnswer typed = picker.PickObject({});
    EXPECT_EQ(typed.kind, zn::ui::PickAnswer::Kind::Object);
    EXPECT_EQ(typed.object, 4);
    QTimer::singleShot(0, &m_window->Sheet(),
                       [&] { m_window->RunLine(QStringLiteral("12.5, 40")); });
    zn::ui::PickAnswer point = picker.PickPoint({});
    EXPECT_EQ(point.kind, zn::ui::PickAnswer::Kind::Point);
    EXPECT_DOUBLE_EQ(point.point.x, 12.5);
    EXPECT_DOUBLE_EQ(point.point.y, 40);
}

TEST_F(GuiFixture, ModuleDialogsShowAsRealWindowsOverTheMainWindow) {
    run({"new --sheet A4"});
    m_window->move(150, 90);
    QString caption;
    QWidget* owner = nullptr;
    Qt::WindowModality modality = Qt::NonModal;
    QPoint offCentre;
    m_windows->SetBeforeWaitHook([&](zn::ui::CWnd& waiting) {
        QWidget* widget = m_windows->WidgetOf(waiting);
        if (!widget || !widget->isVisible())
            return;
        QWidget* dialog = widget->window();
        caption = dialog->windowTitle();
        owner = dialog->parentWidget();
        modality = dialog->windowModality();
        offCentre = dialog->frameGeometry().center() - m_window->frameGeometry().center();
        // Esc cancels the dialog through the same path as headless.
        QTimer::singleShot(0, widget, [widget] { QTest::keyClick(widget, Qt::Key_Escape); });
    });
    EXPECT_TRUE(m_window->RunLine(QStringLiteral("command DText")));
    m_windows->SetBeforeWaitHook({});
    EXPECT_EQ(caption, QStringLiteral("Dimensioned text"));
    EXPECT_EQ(output("text"), "");
    EXPECT_EQ(owner, m_window.get());
    EXPECT_EQ(modality, Qt::WindowModal);
    // Within the height of a menu bar: the dialog's own may or may not count.
    EXPECT_LE(std::abs(offCentre.x()), 2);
    EXPECT_LE(std::abs(offCentre.y()), 24);
}

TEST_F(GuiFixture, EmptyPaperIsNotTheFormat) {
    run({"new --sheet A4", "add view 20 60 90 110 A"});
    gui::HostSession& session = m_window->Session();
    const double tolerance = 0.5;
    EXPECT_EQ(session.ObjectAt(150, 200, tolerance), -1); // paper inside the frame
    EXPECT_EQ(session.ObjectAt(150, 30, tolerance), 3);   // the title block
    EXPECT_EQ(session.ObjectAt(20.3, 200, tolerance), 3); // near the frame's left line
    EXPECT_EQ(session.ObjectAt(12, 200, tolerance), -1);  // the margin outside it
    // The view's box reaches the frame line; the view wins there.
    EXPECT_EQ(session.ObjectAt(20, 80, tolerance), 4);
}

TEST_F(GuiFixture, PickThatADialogAsksForIsAnsweredOnTheSheet) {
    run({"new --sheet A4", "user type Hello", "user click 32974", "user click 32942"});
    const gui::SheetTransform& transform = m_window->Sheet().Transform();
    QPoint origin = transform.ToView(QPointF(100, 150)).toPoint();
    QPoint direction = transform.ToView(QPointF(160, 150)).toPoint();
    Clicker clicker(*m_window, {origin, direction});
    // Once the location is picked, OK on the real dialog makes the line.
    m_windows->SetBeforeWaitHook([&](zn::ui::CWnd& waiting) {
        zn::ui::CWnd* ok = waiting.GetDlgItem(1);
        QWidget* button = ok ? m_windows->WidgetOf(*ok) : nullptr;
        if (button && button->isVisible())
            QTimer::singleShot(0, button, [button] { QTest::mouseClick(button, Qt::LeftButton); });
    });
    EXPECT_TRUE(m_window->RunLine(QStringLiteral("command DText")))
        << m_window->Log().toPlainText().toStdString();
    m_windows->SetBeforeWaitHook({});
    auto text = nlohmann::json::parse(output("text"));
    EXPECT_EQ(text["text"], "Hello");
    QPointF expected = transform.ToDrawing(origin);
    EXPECT_NEAR(text["origin"][0].get<double>(), expected.x(), 1e-6);
    EXPECT_NEAR(text["origin"][1].get<double>(), expected.y(), 1e-6);
}

namespace {

// The accelerator characters of the actions, lower-cased; "" for an action without one.
std::vector<QString> accelerators(const QList<QAction*>& actions) {
    std::vector<QString> keys;
    for (QAction* action : actions) {
        if (action->isSeparator())
            continue;
        qsizetype at = action->text().indexOf(QLatin1Char('&'));
        keys.push_back(at < 0 ? QString() : action->text().mid(at + 1, 1).toLower());
    }
    return keys;
}

} // namespace

TEST(MainWindowTexts, EveryLanguageSetNamesTheMenusWithDistinctAccelerators) {
    QTemporaryDir scratch;
    for (int language : {1033, 1049, 3082}) {
        zn::setInterfaceLanguage(language);
        gui::MainWindow window(nullptr,
                               scratch.filePath(QStringLiteral("settings.xml")).toStdString());
        QList<QList<QAction*>> levels = {window.menuBar()->actions()};
        for (QAction* menu : window.menuBar()->actions())
            levels.push_back(menu->menu()->actions());
        for (const QList<QAction*>& level : levels) {
            std::vector<QString> keys = accelerators(level);
            std::set<QString> distinct(keys.begin(), keys.end());
            EXPECT_EQ(distinct.size(), keys.size())
                << "language " << language << ", menu of " << level.front()->text().toStdString();
            EXPECT_EQ(distinct.count(QString()), 0u) << "language " << language;
        }
    }
    zn::setInterfaceLanguage(1033);
}

TEST_F(GuiFixture, ScriptRunsItsLinesInTheWindowAndStopsAtTheFirstFailure) {
    std::string script = writeFile("lines.txt", "new --sheet A4\n"
                                                "# a comment line\n"
                                                "add view 20 60 90 110 A\n"
                                                "frobnicate\n"
                                                "add mark 40 80 50 90 B\n");
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    EXPECT_EQ(gui::RunScript(*m_window, script), 2);
    std::string out = testing::internal::GetCapturedStdout();
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(out.find("host> add view 20 60 90 110 A"), std::string::npos) << out;
    EXPECT_EQ(out.find("add mark"), std::string::npos) << out;
    EXPECT_EQ(err.rfind(script + ":4: ", 0), 0u) << err;
    EXPECT_EQ(m_window->Session().ObjectAt(25, 65, 0), 4); // the view is there

    // A quit line closes the window without asking about the changed drawing.
    std::string quitting = writeFile("quit.txt", "add mark 40 80 50 90 B\nquit\nnew\n");
    testing::internal::CaptureStdout();
    EXPECT_EQ(gui::RunScript(*m_window, quitting), 0);
    EXPECT_NE(testing::internal::GetCapturedStdout().find("host> quit"), std::string::npos);
    EXPECT_FALSE(m_window->isVisible());
    EXPECT_EQ(m_window->Session().ObjectAt(45, 85, 0), 5); // `new` after quit did not run

    testing::internal::CaptureStderr();
    EXPECT_EQ(gui::RunScript(*m_window, m_scratch.filePath("none.txt").toStdString()), 2);
    EXPECT_NE(testing::internal::GetCapturedStderr().find("cannot read"), std::string::npos);
}

TEST_F(GuiFixture, SharpPicturesComeFromTheWorkerAndStaleOnesAreDropped) {
    run({"new --sheet A4"});
    SheetView& view = m_window->Sheet();
    view.grab();
    ASSERT_TRUE(view.IsSharp());
    int renders = view.Picture().Renders();

    // A zoom shows the scaled picture at once; the sharp one follows without a call.
    view.ZoomIn();
    view.grab();
    EXPECT_FALSE(view.IsSharp());
    EXPECT_EQ(view.Picture().Renders(), renders);
    EXPECT_TRUE(QTest::qWaitFor([&] { return view.IsSharp(); }, 10000));
    EXPECT_EQ(view.Picture().Renders(), renders + 1);
    view.Fit();
    view.grab();
    EXPECT_TRUE(QTest::qWaitFor([&] { return view.IsSharp(); }, 10000));

    // Two changes of the drawing in a row: the picture of the first is shown meanwhile, and
    // what ends up kept is the last drawing's.
    run({"add view 20 60 90 110 A", "add mark 40 80 50 90 B"});
    EXPECT_FALSE(view.IsSharp());
    EXPECT_TRUE(QTest::qWaitFor([&] { return view.IsSharp(); }, 10000));
    QImage shown = view.grab().toImage();
    renders = view.Picture().Renders();
    view.Sharpen();
    EXPECT_EQ(view.Picture().Renders(), renders) << "the kept picture was not the last drawing's";
    view.SetSvg({});
    view.SetSvg(QByteArray::fromStdString(m_window->Session().Svg()));
    EXPECT_EQ(view.grab().toImage(), shown);
}
