// The binary filer: typed values round trip, a reader says what went wrong and where, and
// a record of a later minor version can be read by a reader that knows less of it.
#include <gtest/gtest.h>

#include "simhost/BinaryFiler.h"
#include "simhost/VariantRecord.h"

namespace {

using simhost::BinaryFiler;

TEST(BinaryFiler, EveryTypedValueRoundTrips) {
    BinaryFiler writer;
    ZnsMatrix matrix;
    matrix.m[3] = 12.5;
    znsWorkID numbered = znsWorkID::Numbered(7);
    writer.BeginRecord(2, 1);
    writer.WriteInt32(-5);
    writer.WriteDouble(2.5);
    writer.WriteString(u"Технические требования");
    writer.WriteId(numbered);
    writer.WritePoint({1, 2, 3});
    writer.WriteMatrix(matrix);
    writer.WriteBox(ZnsBox3::Of({0, 0, 0}, {4, 5, 0}));
    simhost::WriteVariant(writer, ZNSVariant(ZnsArray<ZnsStringW>{u"a", u"b"}));
    writer.EndRecord();

    BinaryFiler reader(writer.Bytes());
    std::int32_t major = 0, minor = 0, integer = 0;
    double real = 0;
    ZnsStringW text;
    znsWorkID id;
    ZnsPoint3 point;
    ZnsMatrix readMatrix;
    ZnsBox3 box;
    ZNSVariant list;
    ASSERT_EQ(reader.ReadVersion(major, minor), S_OK);
    EXPECT_EQ(major, 2);
    EXPECT_EQ(minor, 1);
    EXPECT_EQ(reader.ReadInt32(integer), S_OK);
    EXPECT_EQ(reader.ReadDouble(real), S_OK);
    EXPECT_EQ(reader.ReadString(text), S_OK);
    EXPECT_EQ(reader.ReadId(id), S_OK);
    EXPECT_EQ(reader.ReadPoint(point), S_OK);
    EXPECT_EQ(reader.ReadMatrix(readMatrix), S_OK);
    EXPECT_EQ(reader.ReadBox(box), S_OK);
    EXPECT_EQ(simhost::ReadVariant(reader, list), S_OK);
    EXPECT_EQ(reader.EndRecord(), S_OK);
    EXPECT_TRUE(reader.AtEnd());
    EXPECT_EQ(integer, -5);
    EXPECT_EQ(real, 2.5);
    EXPECT_EQ(text, u"Технические требования");
    EXPECT_EQ(id, numbered);
    EXPECT_EQ(point, (ZnsPoint3{1, 2, 3}));
    EXPECT_EQ(readMatrix, matrix);
    EXPECT_EQ(box, ZnsBox3::Of({0, 0, 0}, {4, 5, 0}));
    EXPECT_EQ(list, ZNSVariant(ZnsArray<ZnsStringW>{u"a", u"b"}));
}

TEST(BinaryFiler, ReportsAWrongTypeAndRunningPastTheRecord) {
    BinaryFiler writer;
    writer.BeginRecord(1, 0);
    writer.WriteString(u"x");
    writer.EndRecord();
    writer.WriteInt32(99);

    BinaryFiler reader(writer.Bytes());
    std::int32_t major = 0, minor = 0, value = 0;
    ASSERT_EQ(reader.ReadVersion(major, minor), S_OK);
    EXPECT_EQ(reader.ReadInt32(value), E_FAIL);
    EXPECT_NE(reader.Error().find("type"), std::string::npos);
    EXPECT_EQ(reader.ErrorOffset(), 13u) << "the offset of the string that was not an integer";

    BinaryFiler again(writer.Bytes());
    ZnsStringW text;
    again.ReadVersion(major, minor);
    again.ReadString(text);
    EXPECT_EQ(again.ReadInt32(value), E_FAIL) << "the integer after the record is not the record's";
    EXPECT_NE(again.Error().find("past the end"), std::string::npos);
}

TEST(BinaryFiler, EndRecordSkipsWhatANewerWriterAdded) {
    BinaryFiler writer;
    writer.BeginRecord(1, 3);
    writer.WriteInt32(1);
    writer.WriteString(u"added in 1.3");
    writer.EndRecord();
    writer.WriteInt32(2);

    BinaryFiler reader(writer.Bytes());
    std::int32_t major = 0, minor = 0, first = 0, after = 0;
    reader.ReadVersion(major, minor);
    reader.ReadInt32(first);
    EXPECT_EQ(reader.EndRecord(), S_OK);
    EXPECT_EQ(reader.ReadInt32(after), S_OK);
    EXPECT_EQ(after, 2);
}

TEST(BinaryFiler, ACorruptLengthIsRefusedBeforeReading) {
    BinaryFiler writer;
    writer.WriteString(u"abc");
    std::vector<std::uint8_t> bytes = writer.Bytes();
    bytes[1] = 0xFF; // the length now claims far more than the buffer holds
    bytes[4] = 0x7F;
    BinaryFiler reader(bytes);
    ZnsStringW text;
    EXPECT_EQ(reader.ReadString(text), E_FAIL);
    EXPECT_TRUE(text.empty());
}

} // namespace
