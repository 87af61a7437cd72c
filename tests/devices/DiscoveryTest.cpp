// Discovery through the registered stand-in component, fed from XML files.
#include "devices/DeviceFinder.h"
#include "devices/DeviceInterfaces.h"
#include "TestUtil.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

const wchar_t kClsidText[] = L"{84D8717B-4E1F-4607-9C1A-14E1BDB7B675}";

std::wstring InstanceKeyW() {
    std::string narrow = kDeviceInstanceKey;
    return std::wstring(narrow.begin(), narrow.end());
}

std::string Description(const std::string& name, int leds) {
    return "<d><version>1</version><type>1</type><device><name>" + name + "</name><layout><led_count>" +
           std::to_string(leds) + "</led_count></layout></device></d>";
}

std::string Objects(const std::vector<std::string>& objects) {
    std::string s = "<objects>";
    for (const std::string& o : objects) s += o;
    return s + "</objects>";
}

std::string Object(const std::string& inner, const std::string& attributes = "") {
    return "<object" + attributes + ">" + inner + "</object>";
}

std::string Cdata(const std::string& text) { return Object("<![CDATA[" + text + "]]>"); }

class Discovery : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        // Registered from the program folder, whatever the prefix held before.
        s_dll = ::LoadLibraryW((lktest::DistDir() + L"DeviceComponent.dll").c_str());
        ASSERT_NE(s_dll, nullptr);
        ASSERT_EQ(Call("DllRegisterServer"), S_OK);
    }
    static void TearDownTestSuite() {
        ::SetEnvironmentVariableW(L"LK_DEVICES_XML", nullptr);
        ::CoFreeUnusedLibraries();
    }
    static HRESULT Call(const char* entry) {
        auto fn = reinterpret_cast<HRESULT(STDAPICALLTYPE*)()>(reinterpret_cast<void*>(::GetProcAddress(s_dll, entry)));
        return fn ? fn() : E_FAIL;
    }
    void TearDown() override {
        ::SetEnvironmentVariableW(L"LK_DEVICES_XML", nullptr);
        for (const std::wstring& extra : m_extraKeys)
            ::RegDeleteKeyW(HKEY_CLASSES_ROOT, (InstanceKeyW() + L"\\" + extra).c_str());
        Call("DllRegisterServer");
    }
    void UseFile(const std::string& content) {
        lktest::WriteFileBytes(m_dir.file(L"devices.xml"), content);
        ::SetEnvironmentVariableW(L"LK_DEVICES_XML", m_dir.file(L"devices.xml").c_str());
    }
    void AddInstanceKey(const std::wstring& name) {
        HKEY key = nullptr;
        ASSERT_EQ(::RegCreateKeyW(HKEY_CLASSES_ROOT, (InstanceKeyW() + L"\\" + name).c_str(), &key), ERROR_SUCCESS);
        ::RegCloseKey(key);
        m_extraKeys.push_back(name);
    }

    static HMODULE s_dll;
    lktest::TempDir m_dir;
    std::vector<std::wstring> m_extraKeys;
    CDeviceFinder m_finder;
};
HMODULE Discovery::s_dll = nullptr;

}  // namespace

TEST_F(Discovery, ShippedFileDescribesTwoMemoryModules) {
    ASSERT_TRUE(m_finder.Discover());
    ASSERT_EQ(m_finder.DeviceCount(0), 2);
    for (const DEVICEINFO& d : m_finder.Devices(0)) {
        EXPECT_EQ(d.LedCount(), 8);
        ASSERT_EQ(d.descs.size(), 1u);
        EXPECT_EQ(d.descs[0].ledNames.size(), 8u);
        EXPECT_FALSE(d.descs[0].effects.empty());
    }
    EXPECT_EQ(m_finder.Devices(0)[1].descs[0].strName, "Memory module 2");
    EXPECT_EQ(m_finder.DeviceCount(1), 0);
}

TEST_F(Discovery, EachObjectBecomesOneEntry) {
    const std::string deep = [] {
        std::string s;
        for (int i = 0; i < 100000; ++i) s += "<a>";
        return s;
    }();
    struct Case {
        const char* what;
        std::string file;
        std::vector<int> leds;  // per entry, in order
        std::vector<size_t> descs;
    } cases[] = {
        {"two devices in one object",
         Objects({Object("<d><device><layout><led_count>5</led_count></layout></device>"
                         "<device><layout><led_count>9</led_count></layout></device></d>")}),
         {5}, {2}},
        {"no layout", Objects({Object("<d><device><name>bare</name></device></d>")}), {0}, {1}},
        {"truncated XML keeps what parsed; no text or absurd nesting: empty entries in place",
         Objects({Cdata("<d><device><layout><led_count>3</led_count>"), Object(""), Object(Description("ok", 6)),
                  Cdata(deep)}),
         {3, 0, 6, 0}, {1, 0, 1, 0}},
        {"no objects", Objects({}), {}, {}},
        {"a file that is not XML", "<objects><object>", {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        UseFile(c.file);
        EXPECT_EQ(m_finder.Discover(), !c.leds.empty());
        ASSERT_EQ(m_finder.DeviceCount(0), (int)c.leds.size());
        for (size_t i = 0; i < c.leds.size(); ++i) {
            EXPECT_EQ(m_finder.Devices(0)[i].LedCount(), c.leds[i]) << "entry " << i;
            EXPECT_EQ(m_finder.Devices(0)[i].descs.size(), c.descs[i]) << "entry " << i;
        }
    }
}

TEST_F(Discovery, ManyObjectsAndHugeTextsDoNotStallStartUp) {
    UseFile(Objects({Object(Description("m", 8), " count='3000'")}));
    ASSERT_TRUE(m_finder.Discover());
    EXPECT_EQ(m_finder.DeviceCount(0), 3000);
    EXPECT_EQ(m_finder.Devices(0).back().LedCount(), 8);

    // Past the bound the component is taken as broken, without making its objects.
    UseFile(Objects({Object(Description("m", 8), " count='2000000000'")}));
    EXPECT_FALSE(m_finder.Discover());

    UseFile(Objects({Object("<d><device><name>" + std::string(4u << 20, 'x') +
                            "</name><layout><led_count>3</led_count></layout></device></d>")}));
    ASSERT_TRUE(m_finder.Discover());
    EXPECT_EQ(m_finder.Devices(0)[0].LedCount(), 3);
}

TEST_F(Discovery, OnlyTheAcceptedClassIsCreated) {
    UseFile(Objects({Object(Description("one", 4))}));
    AddInstanceKey(L"not-a-class-id");
    AddInstanceKey(L"{00000000-0000-0000-C000-000000000046}");
    AddInstanceKey(L"{11111111-2222-3333-4444-555555555555}");
    const std::vector<std::wstring> names = CDeviceFinder::InstanceNames();
    EXPECT_EQ(names.size(), 4u);
    EXPECT_NE(std::find(names.begin(), names.end(), kClsidText), names.end());
    ASSERT_TRUE(m_finder.Discover());
    EXPECT_EQ(m_finder.DeviceCount(0), 1);
    EXPECT_EQ(m_finder.Devices(0)[0].LedCount(), 4);
}

TEST_F(Discovery, NoKeyMeansNoDevices) {
    ASSERT_EQ(Call("DllUnregisterServer"), S_OK);
    ::RegDeleteKeyA(HKEY_CLASSES_ROOT, kDeviceInstanceKey);
    EXPECT_TRUE(CDeviceFinder::InstanceNames().empty());
    m_finder.Discover();
    EXPECT_FALSE(m_finder.Discover());  // a second run starts from a clear list
    EXPECT_EQ(m_finder.DeviceCount(0), 0);

    // The key without the class registered: creation fails, silently.
    HKEY key = nullptr;
    ASSERT_EQ(::RegCreateKeyW(HKEY_CLASSES_ROOT, (InstanceKeyW() + L"\\" + kClsidText).c_str(), &key), ERROR_SUCCESS);
    ::RegCloseKey(key);
    EXPECT_FALSE(m_finder.Discover());
}
