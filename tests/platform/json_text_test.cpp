// The JSON the program writes: what a terminal would act on, or what would reorder the line it
// is shown on, is escaped; everything else stays as Qt writes it, and the JSON reads back to
// the same text.

#include "platform/json_text.h"

#include <QJsonDocument>

#include <gtest/gtest.h>

namespace zandrel {
namespace {

QString Text(char32_t c) {
    return QString::fromUcs4(&c, 1);
}

TEST(JsonTextTest, EscapesExactlyTheCharactersATerminalActsOnOrThatReorderText) {
    const struct {
        char32_t c;
        bool escaped;
    } cases[] = {
        {0x7E, false},   {0x7F, true},    {0x80, true},     {0x9B, true},    {0x9F, true},
        {0xA0, false},   {0x061B, false}, {0x061C, true},   {0x061D, false}, {0x200D, false},
        {0x200E, true},  {0x200F, true},  {0x2010, false},  {0x2029, false}, {0x202A, true},
        {0x202E, true},  {0x202F, false}, {0x2065, false},  {0x2066, true},  {0x2069, true},
        {0x206A, false}, {0x4E7E, false}, {0x1F600, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<unsigned>(c.c));
        const QString text = QStringLiteral("a") + Text(c.c) + QStringLiteral("b");
        const std::string json = CompactJson(QJsonObject{{"k", text}});
        char escape[16];
        std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c.c));
        if (c.escaped) {
            EXPECT_EQ(json, std::string("{\"k\":\"a") + escape + "b\"}");
        } else {
            EXPECT_EQ(json, "{\"k\":\"" + text.toStdString() + "\"}");
        }
        const QJsonObject back = QJsonDocument::fromJson(QByteArray::fromStdString(json)).object();
        EXPECT_EQ(back["k"].toString(), text);
    }
}

TEST(JsonTextTest, KeysArraysAndNeighboursOfTheEscapesStayWhole) {
    const QString odd = QStringLiteral("\u202E\u009B\x1b[2J\u00E9\u202E\u2066\x7f");
    const QJsonArray array{odd, QJsonObject{{odd, 1}}};
    const std::string json = CompactJson(array);
    EXPECT_EQ(json, "[\"\\u202e\\u009b\\u001b[2J\u00E9\\u202e\\u2066\\u007f\","
                    "{\"\\u202e\\u009b\\u001b[2J\u00E9\\u202e\\u2066\\u007f\":1}]");
    EXPECT_EQ(QJsonDocument::fromJson(QByteArray::fromStdString(json)).array(), array);
    // Bytes that are not the characters' own (a broken sequence) are left as they are.
    EXPECT_EQ(InertJson("\xE2\x80"), "\xE2\x80");
    EXPECT_EQ(InertJson("\xC2"), "\xC2");
}

} // namespace
} // namespace zandrel
