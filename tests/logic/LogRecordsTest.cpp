// The install log reader: records of any length, foreign type bytes, a last text without zero.
#include "common/logic/LogRecords.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {
std::vector<std::pair<int, std::string>> ReadAll(const std::string& bytes) {
    std::vector<std::pair<int, std::string>> out;
    CLogReader reader(bytes.data(), bytes.size());
    LogRecord record;
    while (reader.Next(record))
        out.emplace_back(record.type, std::string(record.text, record.length));
    return out;
}
} // namespace

TEST(LogRecords, ReadsRecordsInOrder) {
    std::string log = std::string("\xFB") + "C:\\Menu\\Tool\\Help.lnk" + '\0' + "\xFD" +
                      "RERODUDEDARADU" + '\0';
    auto records = ReadAll(log);
    ASSERT_EQ(2u, records.size());
    EXPECT_EQ(0xFB, records[0].first);
    EXPECT_EQ("C:\\Menu\\Tool\\Help.lnk", records[0].second);
    EXPECT_EQ(21u, records[0].second.size());
    EXPECT_EQ(0xFD, records[1].first);
    EXPECT_EQ("RERODUDEDARADU", records[1].second);
}

TEST(LogRecords, EdgeCases) {
    struct Case {
        std::string bytes;
        std::vector<std::pair<int, std::string>> records;
    } cases[] = {
        {"", {}},
        {std::string("\xFF") + "C:\\a", {{0xFF, "C:\\a"}}},
        {std::string("\x41") + "junk" + '\0' + "\xFE" + "C:\\d" + '\0', {{0x41, "junk"}, {0xFE, "C:\\d"}}},
        {std::string("\xFA") + '\0', {{0xFA, ""}}},
        {std::string("\xFF"), {{0xFF, ""}}},
        {std::string("\xFF") + std::string(5000, 'x') + '\0', {{0xFF, std::string(5000, 'x')}}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.records, ReadAll(c.bytes));
}

TEST(LogRecords, KnowsTheSixTypes) {
    for (int type = 0; type < 256; ++type)
        EXPECT_EQ(type >= 0xFA, IsLogRecordType(static_cast<uint8_t>(type))) << type;
}
