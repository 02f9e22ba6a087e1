// Integers a registry exchange loads come only from stored numbers: text or
// bytes under an integer's name are damage and leave the default.
#include <gtest/gtest.h>

#include <vector>

#include "toolkit/propexchange/PropExchangeTestSupport.h"
#include "toolkit/common/propexchange/XTPPropExchangeHelpers.h"
#include "toolkit/common/propexchange/XTPPropExchangeRegistry.h"

namespace {

struct StoredValue
{
    const char* what;
    DWORD type;
    std::vector<BYTE> bytes;
    bool taken; // read as the number 0x01020304
};

const StoredValue kValues[] = {
    {"a number", REG_DWORD, {4, 3, 2, 1}, true},
    {"text of four bytes", REG_SZ, {'7', 0, 0, 0}, false},
    {"four bytes", REG_BINARY, {4, 3, 2, 1}, false},
    {"a big-endian number", REG_DWORD_BIG_ENDIAN, {1, 2, 3, 4}, false},
    {"two bytes", REG_BINARY, {4, 3}, false},
    {"eight bytes", REG_QWORD, {4, 3, 2, 1, 0, 0, 0, 0}, false},
    {"a short number", REG_DWORD, {4, 3}, false},
};

void SetRaw(HKEY hKey, LPCWSTR pszSubKey, LPCWSTR pszValue, const StoredValue& value)
{
    HKEY hSub = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(hKey, pszSubKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &hSub, nullptr));
    RegSetValueExW(hSub, pszValue, 0, value.type, value.bytes.data(), static_cast<DWORD>(value.bytes.size()));
    RegCloseKey(hSub);
}

} // namespace

TEST(RegistryIntegerType, ExchangeTakesOnlyStoredNumbers)
{
    for (const StoredValue& value : kValues)
    {
        SCOPED_TRACE(value.what);
        proptest::ScratchKey key(L"IntegerType");
        SetRaw(key.get(), L"S", L"Number", value);
        CXTPPropExchangeRegistry px(TRUE, key.get(), L"S");
        long nValue = 0;
        XTPExchangeLongWithDefault(&px, L"Number", nValue, 99);
        EXPECT_EQ(value.taken ? 0x01020304 : 99, nValue);
    }
}
