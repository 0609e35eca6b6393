// Identifiers, command records and variants as modules and hosts exchange them.
#include <gtest/gtest.h>

#include "host/CommandRecord.h"
#include "host/Guid.h"
#include "host/Variant.h"
#include "host/WorkId.h"

namespace {

TEST(WorkId, NullAndNumberedIdentifiers) {
    znsWorkID null = znsWorkID::Null();
    EXPECT_TRUE(null.IsNull());
    EXPECT_EQ(null.index, -1);
    EXPECT_EQ(null.Number(), -1);

    znsWorkID numbered = znsWorkID::Numbered(17);
    EXPECT_FALSE(numbered.IsNull());
    EXPECT_EQ(numbered.index, -1);
    EXPECT_EQ(numbered.Number(), 17);
    for (size_t i = 4; i < 16; ++i)
        EXPECT_EQ(numbered.handle[i], 0xAA);

    znsWorkID object = znsWorkID::ForObject(0xAAAAAAAAAAAAAAAAull, 5, 5);
    EXPECT_EQ(object.Number(), -1) << "an object whose first filler byte differs is not numbered";
    object.handle[4] = 0x01;
    EXPECT_EQ(object.Number(), -1);
}

TEST(Guid, ReadsAndWritesTheUsualNotation) {
    const ZnsGuid text = ZnsPlatformGuid(0x00000001, 0x0013);
    EXPECT_EQ(text.toString(), "{00000001-0013-AAAA-AAAA-050B00000000}");
    auto parsed = ZnsGuid::parse("{0000000a-0020-aaaa-aaaa-050b00000000}");
    ASSERT_TRUE(parsed);
    EXPECT_EQ(*parsed, ZnsPlatformGuid(0x0000000A, 0x0020));
    EXPECT_FALSE(ZnsGuid::parse("{0000000A-0020-AAAA-AAAA-050B0000000}"));
    EXPECT_FALSE(ZnsGuid::parse("{0000000G-0020-AAAA-AAAA-050B00000000}"));
}

std::int32_t g_calls = 0;
std::int32_t countCall(void*) {
    return ++g_calls;
}

TEST(CommandRecord, NamesAreTruncatedTo49CharactersAndExecuteCallsBack) {
    ZnsStringW longName(60, u'x');
    znsCmd record(longName, 0x4, &countCall);
    EXPECT_EQ(record.Name().size(), 49u);
    EXPECT_EQ(std::u16string_view(record.m_localName).size(), 49u);
    EXPECT_EQ(record.m_id, ~std::uint64_t(0));
    EXPECT_EQ(record.m_group, -1);
    EXPECT_EQ(record.m_reserved, 0);
    EXPECT_TRUE(record.m_description->empty());
    EXPECT_EQ(record.Execute(nullptr), S_OK);
    EXPECT_EQ(g_calls, 1);

    znsCmd empty(u"TTOld", 0x2000000, nullptr);
    EXPECT_EQ(empty.Execute(nullptr), E_NOTIMPL);
    EXPECT_FALSE(empty.IsTransparent());
    EXPECT_TRUE(empty.IsInteractive());
}

TEST(Variant, CoercesNumbersButNotTexts) {
    EXPECT_EQ(ZNSVariant(2.9).AsInteger(), 2);
    EXPECT_EQ(ZNSVariant(std::int32_t(3)).AsDouble(), 3.0);
    EXPECT_EQ(ZNSVariant(true).AsInteger(), 1);
    EXPECT_FALSE(ZNSVariant(ZnsStringW(u"3")).AsInteger());
    EXPECT_EQ(ZNSVariant().kind(), ZNSVariant::Kind::Empty);
    ZNSVariant list(ZnsArray<ZnsStringW>{u"a", u"b"});
    ASSERT_TRUE(list.AsTextArray());
    EXPECT_EQ(list.AsTextArray()->size(), 2u);
}

} // namespace
