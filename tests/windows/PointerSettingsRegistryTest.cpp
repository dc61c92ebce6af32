#include "PointerSettings.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "win32/Win32Registry.h"

namespace {

// A key of the test's own, opened directly so that types and sizes can be checked.
class RawKey {
public:
    explicit RawKey(const char* path) { RegCreateKeyA(HKEY_CURRENT_USER, path, &m_key); }
    ~RawKey() { if (m_key) RegCloseKey(m_key); }
    RawKey(const RawKey&) = delete;
    RawKey& operator=(const RawKey&) = delete;
    HKEY get() const { return m_key; }

private:
    HKEY m_key = nullptr;
};

struct RawValue {
    DWORD type = 0;
    std::vector<BYTE> data;
    // The text up to its terminator. The system adds a NUL to text values written without one,
    // so the stored size says nothing about the length the writer passed.
    std::string Text() const
    {
        std::string text(data.begin(), data.end());
        return text.substr(0, text.find('\0'));
    }
};

std::optional<RawValue> Query(const char* path, const char* name)
{
    RawKey key(path);
    RawValue value;
    DWORD size = 0;
    if (RegQueryValueExA(key.get(), name, nullptr, &value.type, nullptr, &size) != ERROR_SUCCESS) return std::nullopt;
    value.data.resize(size);
    if (RegQueryValueExA(key.get(), name, nullptr, &value.type, value.data.data(), &size) != ERROR_SUCCESS)
        return std::nullopt;
    value.data.resize(size);
    return value;
}

void Store(const char* path, const char* name, const std::optional<RawValue>& value)
{
    RawKey key(path);
    if (!value) RegDeleteValueA(key.get(), name);
    else RegSetValueExA(key.get(), name, 0, value->type, value->data.data(), static_cast<DWORD>(value->data.size()));
}

struct Touched { const char* path; const char* name; };
const Touched kTouched[] = {
    {"Control Panel\\Mouse", "DoubleClickSpeed"}, {"Control Panel\\Mouse", "SwapMouseButtons"},
    {"Control Panel\\Mouse", "MouseSensitivity"}, {"Control Panel\\Mouse", "MouseSpeed"},
    {"Control Panel\\Mouse", "MouseThreshold1"},  {"Control Panel\\Mouse", "MouseThreshold2"},
    {"Control Panel\\Desktop", "WheelScrollLines"},
};

// Puts the user's pointer values back as they were, whatever the test did to them.
class PointerSettingsRegistry : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const Touched& t : kTouched) m_saved.push_back(Query(t.path, t.name));
        std::memset(&record, 0, sizeof record);
    }
    void TearDown() override
    {
        for (size_t i = 0; i < m_saved.size(); ++i) Store(kTouched[i].path, kTouched[i].name, m_saved[i]);
    }

    Win32Registry registry;
    ProfileRecord record;

private:
    std::vector<std::optional<RawValue>> m_saved;
};

std::array<int32_t, 7> PointerFields(const ProfileRecord& r)
{
    return {r.DbleClickSpeed, r.Orientation, r.MouseSpeed, r.Acceleration, r.AccelerationFlag,
            r.ScrollWheelSpeed, r.ScrollWheelFlag};
}

TEST_F(PointerSettingsRegistry, WritesTextValuesAndReadsThemBack)
{
    record.DbleClickSpeed = 450;
    record.Orientation = 1;
    record.MouseSpeed = 14;
    record.AccelerationFlag = 1;
    record.Acceleration = 19;
    record.ScrollWheelFlag = 1;
    ASSERT_EQ(1, WritePointerSettings(&record, registry));

    const char* expected[] = {"450", "1", "14", "2", "4", "5", "-1"};
    for (size_t i = 0; i < std::size(kTouched); ++i) {
        std::optional<RawValue> value = Query(kTouched[i].path, kTouched[i].name);
        ASSERT_TRUE(value) << kTouched[i].name;
        EXPECT_EQ(static_cast<DWORD>(REG_SZ), value->type) << kTouched[i].name;
        EXPECT_EQ(std::string(expected[i]), value->Text()) << kTouched[i].name;
    }

    ProfileRecord read;
    std::memset(&read, 0x5A, sizeof read);
    ASSERT_EQ(1, ReadPointerSettings(&read, registry));
    EXPECT_EQ(PointerFields(record), PointerFields(read));
}

TEST_F(PointerSettingsRegistry, ValuesThatAreNotTextLeaveTheirFields)
{
    RawValue number{REG_DWORD, {0x20, 0x03, 0, 0}};
    Store("Control Panel\\Mouse", "DoubleClickSpeed", number);
    RawValue longText{REG_SZ, std::vector<BYTE>(100, '7')};
    Store("Control Panel\\Desktop", "WheelScrollLines", longText);
    record.DbleClickSpeed = 77;
    record.ScrollWheelSpeed = 4;
    ASSERT_EQ(1, ReadPointerSettings(&record, registry));
    EXPECT_EQ(77, record.DbleClickSpeed);
    EXPECT_EQ(4, record.ScrollWheelSpeed);
}

TEST_F(PointerSettingsRegistry, UserRegistryIsTheRealOne)
{
    record.DbleClickSpeed = 333;
    ASSERT_EQ(1, WritePointerSettings(&record, UserRegistry()));
    std::optional<RawValue> value = Query("Control Panel\\Mouse", "DoubleClickSpeed");
    ASSERT_TRUE(value);
    EXPECT_EQ("333", value->Text());
}

}  // namespace
