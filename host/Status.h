// Status codes of host-facing operations, in the COM manner: 0 is success, a negative
// 32-bit value is a failure.
#pragma once

#include <cstdint>

using HRESULT = std::int32_t;

constexpr HRESULT S_OK = 0;
constexpr HRESULT S_FALSE = 1;
constexpr HRESULT E_NOTIMPL = HRESULT(0x80004001u); // also: a property the object lacks
constexpr HRESULT E_NOINTERFACE = HRESULT(0x80004002u);
constexpr HRESULT E_FAIL = HRESULT(0x80004005u);
constexpr HRESULT E_HANDLE = HRESULT(0x80070006u); // invalid handle
constexpr HRESULT E_INVALIDARG = HRESULT(0x80070057u);
constexpr HRESULT ZNS_E_RECORD_TOO_NEW = HRESULT(0x8004BA10u); // a later major version

constexpr bool SUCCEEDED(HRESULT hr) {
    return hr >= 0;
}
constexpr bool FAILED(HRESULT hr) {
    return hr < 0;
}
