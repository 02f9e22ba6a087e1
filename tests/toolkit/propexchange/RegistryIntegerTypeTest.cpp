// An integer a registry exchange loads is the value's four bytes, whatever
// type the value was stored with; a value of another size leaves the default.
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
    long expected; // 99: the default, the value refused
};

const StoredValue kValues[] = {
    {"a number", REG_DWORD, {4, 3, 2, 1}, 0x01020304},
    {"four bytes", REG_BINARY, {5, 0, 0, 0}, 5},
    {"text of four bytes", REG_SZ, {'7', 0, 0, 0}, 0x37},
    {"a big-endian number, taken as stored", REG_DWORD_BIG_ENDIAN, {1, 2, 3, 4}, 0x04030201},
    {"two bytes", REG_BINARY, {4, 3}, 99},
    {"eight bytes", REG_QWORD, {4, 3, 2, 1, 0, 0, 0, 0}, 99},
    {"a short number", REG_DWORD, {4, 3}, 99},
    {"no bytes", REG_BINARY, {}, 99},
};

void SetRaw(HKEY hKey, LPCWSTR pszSubKey, LPCWSTR pszValue, const StoredValue& value)
{
    HKEY hSub = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(hKey, pszSubKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &hSub, nullptr));
    RegSetValueExW(hSub, pszValue, 0, value.type, value.bytes.data(), static_cast<DWORD>(value.bytes.size()));
    RegCloseKey(hSub);
}

} // namespace

TEST(RegistryIntegerType, ExchangeTakesFourBytesOfAnyType)
{
    for (const StoredValue& value : kValues)
    {
        SCOPED_TRACE(value.what);
        proptest::ScratchKey key(L"IntegerType");
        SetRaw(key.get(), L"S", L"Number", value);
        CXTPPropExchangeRegistry px(TRUE, key.get(), L"S");
        long nValue = 0;
        XTPExchangeLongWithDefault(&px, L"Number", nValue, 99);
        EXPECT_EQ(value.expected, nValue);
    }
}
