// The backend's translations: the clipboard in both directions, the system's file filters,
// typed answers to the host's requests and a module's own cursor.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "platform/ui/Clipboard.h"
#include "platform/ui/qt/ClipboardBridge.h"
#include "platform/ui/qt/CursorMapping.h"
#include "platform/ui/qt/QtDialogs.h"

namespace zn::ui::qt::test {
namespace {

TEST(ClipboardBridgeTest, TextAndRichTextGoBothWays) {
    ResetClipboard();
    ClipboardBridge bridge;
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    const std::u16string text = u"Сталь 45";
    SetClipboardData(CF_UNICODETEXT,
                     std::string(reinterpret_cast<const char*>(text.data()), text.size() * 2));
    SetClipboardData(ClipboardFormatRtf(), "{\\rtf1 Steel}");
    CloseClipboard();
    const QMimeData* system = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(system, nullptr);
    EXPECT_EQ(system->text(), QStringLiteral("Сталь 45"));
    EXPECT_EQ(system->data(QStringLiteral("text/rtf")), QByteArray("{\\rtf1 Steel}"));

    auto* other = new QMimeData;
    other->setText(QStringLiteral("from elsewhere"));
    other->setData(QStringLiteral("text/rtf"), "{\\rtf1 elsewhere}");
    QGuiApplication::clipboard()->setMimeData(other);
    EXPECT_EQ(GetClipboardText(), u"from elsewhere");
    EXPECT_EQ(GetClipboardData(ClipboardFormatRtf()), "{\\rtf1 elsewhere}");

    // Plain text from elsewhere leaves no stale rich text behind.
    QGuiApplication::clipboard()->setText(QStringLiteral("plain"));
    EXPECT_EQ(GetClipboardText(), u"plain");
    EXPECT_FALSE(IsClipboardFormatAvailable(ClipboardFormatRtf()));
}

TEST(FileFilters, PairsBecomeNameFilters) {
    EXPECT_EQ(NameFiltersOf(u"Text (*.txt)|*.txt|All Files (*.*)|*.*||"),
              (QStringList{QStringLiteral("Text (*.txt)"), QStringLiteral("All Files (*.*)")}));
    // A name without its patterns gets them; several patterns are separated by blanks.
    EXPECT_EQ(NameFiltersOf(u"Notebooks|*.ntb;*.dat||"),
              QStringList{QStringLiteral("Notebooks (*.ntb *.dat)")});
    EXPECT_TRUE(NameFiltersOf(u"").isEmpty());
}

TEST(PickAnswers, PointsObjectsKeywordsAndNonsense) {
    const std::vector<std::u16string> keywords{u"Undo", u"Exit"};
    PickAnswer point = ReadPickAnswer(u" 10, 20.5 ", keywords, false);
    EXPECT_EQ(point.kind, PickAnswer::Kind::Point);
    EXPECT_DOUBLE_EQ(point.point.y, 20.5);
    EXPECT_EQ(ReadPickAnswer(u"1,2,3", keywords, false).point.z, 3.0);
    PickAnswer keyword = ReadPickAnswer(u"exit", keywords, true);
    EXPECT_EQ(keyword.kind, PickAnswer::Kind::Keyword);
    EXPECT_EQ(keyword.keyword, u"Exit");
    PickAnswer object = ReadPickAnswer(u"7", keywords, true);
    EXPECT_EQ(object.kind, PickAnswer::Kind::Object);
    EXPECT_EQ(object.object, 7);
    EXPECT_EQ(ReadPickAnswer(u"7", keywords, false).kind, PickAnswer::Kind::Cancel);
    EXPECT_EQ(ReadPickAnswer(u"1.5", keywords, true).kind, PickAnswer::Kind::Cancel);
    EXPECT_EQ(ReadPickAnswer(u"ten,20", keywords, false).kind, PickAnswer::Kind::Cancel);
    EXPECT_EQ(ReadPickAnswer(u"", keywords, false).kind, PickAnswer::Kind::Cancel);
}

TEST(CursorMappingTest, AModulesCursorKeepsItsPictureAndHotSpot) {
    EXPECT_EQ(ToQCursor(nullptr).shape(), Qt::ArrowCursor);
    CursorShape own;
    own.standard = false;
    own.picture = CursorImage{PixelImage(16, 16, RGB(0, 0, 0)), {3, 5}};
    const QCursor cursor = ToQCursor(&own);
    EXPECT_EQ(cursor.shape(), Qt::BitmapCursor);
    EXPECT_EQ(cursor.hotSpot(), QPoint(3, 5));
}

} // namespace
} // namespace zn::ui::qt::test
