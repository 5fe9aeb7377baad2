#include <gtest/gtest.h>

#include <string>

#include "engine/output/JsonString.h"

using namespace korva;

TEST(JsonString, EscapesAndAlwaysGivesUtf8)
{
    struct Case
    {
        std::string text;
        std::string json;
    };
    const Case cases[] = {
        {"", "\"\""},
        {"say \"clay\" \\ here", "\"say \\\"clay\\\" \\\\ here\""},
        {"a\tb\nc\rd", "\"a\\tb\\nc\\rd\""},
        {std::string("x\x01y\x1fz\x7f", 6), "\"x\\u0001y\\u001fz\\u007f\""},
        // Valid UTF-8 passes through: e acute, euro sign, a four-byte character.
        {"Caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x8c\x8d",
         "\"Caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x8c\x8d\""},
        // Bytes of a Windows-1252 title: e acute, euro sign, an unassigned byte.
        {"Caf\xe9 \x80 \x81", "\"Caf\xc3\xa9 \xe2\x82\xac \xef\xbf\xbd\""},
        // Broken sequences: a cut two-byte character, an overlong form, a surrogate.
        {"end \xc3", "\"end \xc3\x83\""},
        {"\xc0\xaf", "\"\xc3\x80\xc2\xaf\""},
        {"\xed\xa0\x80", "\"\xc3\xad\xc2\xa0\xe2\x82\xac\""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(jsonString(c.text), c.json) << c.text;
}
