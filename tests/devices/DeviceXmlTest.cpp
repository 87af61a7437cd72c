#include "devices/DeviceXml.h"
#include <gtest/gtest.h>
#include <climits>

namespace {

const char kTwoDevices[] = R"(<?xml version="1.0"?>
<anyroot>
  <version>2.1</version>
  <type> 7xyz</type>
  <device>
    <name>Module A</name><id>3</id>
    <layout>
      <led_count>8</led_count>
      <size><width>8</width><height>2</height></size>
      <led_name><led>L1</led><led>L2</led><other>x</other><led>L3</led></led_name>
    </layout>
    <supported_effect>
      <effect>
        <name>Wave</name><id>4</id><synchronizable>1</synchronizable><customized_color>1</customized_color>
        <speed_supported>1</speed_supported><levels>5</levels><default>2</default>
        <levels>9</levels><default>9</default>
        <direction_supported>1</direction_supported><discrete_supported>0</discrete_supported>
      </effect>
      <effect><name>Static</name><id>1</id></effect>
    </supported_effect>
  </device>
  <device><name>Module B</name><layout><led_count>12</led_count></layout></device>
</anyroot>)";

std::string Nested(int depth) {
    std::string s;
    for (int i = 0; i < depth; ++i) s += "<a>";
    for (int i = 0; i < depth; ++i) s += "</a>";
    return s;
}

}  // namespace

TEST(DeviceXml, ReadsEveryField) {
    DEVICEINFO info;
    ASSERT_TRUE(ParseDeviceXml(kTwoDevices, info));
    EXPECT_EQ(info.strVersion, "2.1");
    EXPECT_EQ(info.nType, 7);
    ASSERT_EQ(info.descs.size(), 2u);
    EXPECT_EQ(info.LedCount(), 8);  // only the first description counts

    const DEVICEDESC& a = info.descs[0];
    EXPECT_EQ(a.strName, "Module A");
    EXPECT_EQ(a.nId, 3);
    EXPECT_EQ(a.nWidth, 8);
    EXPECT_EQ(a.nHeight, 2);
    EXPECT_EQ(a.ledNames, (std::vector<std::string>{"L1", "L2", "L3"}));
    ASSERT_EQ(a.effects.size(), 2u);
    const EFFECTDESC& wave = a.effects[0];
    EXPECT_EQ(wave.strName, "Wave");
    EXPECT_EQ(wave.nId, 4);
    EXPECT_EQ(wave.bSynchronizable + wave.bCustomizedColor + wave.bSpeedSupported + wave.bDirectionSupported, 4);
    EXPECT_EQ(wave.bDiscreteSupported, 0);
    // Both pairs come from the first "levels" and "default".
    EXPECT_EQ(wave.nSpeedLevels, 5);
    EXPECT_EQ(wave.nDirectionLevels, 5);
    EXPECT_EQ(wave.nSpeedDefault, 2);
    EXPECT_EQ(wave.nDirectionDefault, 2);
    EXPECT_EQ(a.effects[1].nSpeedLevels, 0);

    EXPECT_EQ(info.descs[1].nLedCount, 12);
    EXPECT_EQ(info.descs[1].nId, 0);
}

TEST(DeviceXml, MissingPartsGiveZeroAndEmpty) {
    struct Case { const char* xml; bool used; size_t descs; int leds; } cases[] = {
        {"<r><device><name>no layout</name></device></r>", true, 1, 0},
        {"<r><device><layout><size/></layout></device></r>", true, 1, 0},
        {"<r><version>1</version></r>", true, 0, 0},   // no description: LED count 0
        {"", false, 0, 0},
        {"just text", false, 0, 0},
        // What parsed before an error stays: the root and the devices read so far.
        {"<r><device><layout><led_count>8</led_count></layout></device>", true, 1, 8},
        {"<r><device></r>", true, 1, 0},
        {"<r a='1' a='2'/>", true, 0, 0},
    };
    for (const Case& c : cases) {
        DEVICEINFO info;
        info.nType = 99;
        EXPECT_EQ(ParseDeviceXml(c.xml, info), c.used) << c.xml;
        EXPECT_EQ(info.descs.size(), c.descs) << c.xml;
        EXPECT_EQ(info.LedCount(), c.leds) << c.xml;
        if (!c.used) {
            EXPECT_EQ(info.nType, 0) << c.xml;
        }
    }
}

TEST(DeviceXml, TextToInt) {
    struct Case { const char* text; int value; } cases[] = {
        {"42", 42}, {"  -17", -17}, {"+8", 8}, {"12abc", 12}, {"abc", 0}, {"", 0},
        {"- 3", 0}, {"99999999999999999999", INT_MAX}, {"-99999999999999999999", INT_MIN},
    };
    for (const Case& c : cases) EXPECT_EQ(TextToInt(c.text), c.value) << c.text;
}

TEST(DeviceXml, AbsurdTextsAreRefusedNotParsed) {
    DEVICEINFO info;
    EXPECT_TRUE(ParseDeviceXml(Nested(kMaxDeviceXmlDepth), info));
    EXPECT_FALSE(ParseDeviceXml(Nested(kMaxDeviceXmlDepth + 1), info));
    EXPECT_FALSE(ParseDeviceXml(Nested(200000), info));  // would overflow the parser's stack

    // Markup inside comments, CDATA and quoted values is not nesting.
    std::string hidden = "<r q='<<<<>' w=\"<a><a>\"><!--" + Nested(500) + "--><v><![CDATA[" + std::string(500, '<') +
                         "]]></v><version>3</version></r>";
    ASSERT_TRUE(ParseDeviceXml(hidden, info));
    EXPECT_EQ(info.strVersion, "3");
    // A quote inside an unquoted value does not hide the tags after it.
    std::string unquoted;
    for (int i = 0; i <= kMaxDeviceXmlDepth; ++i) unquoted += "<a x=b\">";
    EXPECT_FALSE(ParseDeviceXml(unquoted, info));

    std::string attributes = "<r";
    for (int i = 0; i < 100000; ++i) attributes += " a" + std::to_string(i) + "='1'";
    EXPECT_FALSE(ParseDeviceXml(attributes + "/>", info));

    // A long but flat text is read; beyond the size bound it is not.
    std::string big = "<r><device><name>" + std::string(6u << 20, 'n') + "</name><layout><led_count>4</led_count>"
                      "</layout></device></r>";
    ASSERT_TRUE(ParseDeviceXml(big, info));
    EXPECT_EQ(info.descs[0].strName.size(), 6u << 20);
    EXPECT_EQ(info.LedCount(), 4);
    EXPECT_FALSE(ParseDeviceXml("<r>" + std::string(kMaxDeviceXmlChars, 'x') + "</r>", info));
}
