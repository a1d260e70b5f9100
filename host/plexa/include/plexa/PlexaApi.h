// Export and import of the host core library's classes and functions, and the
// result type shared by its operations.
#pragma once

#include <cstdint>

#if defined(_WIN32)
#if defined(PLEXA_BUILD)
#define PLEXA_API __declspec(dllexport)
#else
#define PLEXA_API __declspec(dllimport)
#endif
#else
#define PLEXA_API
#endif

using JXRESULT = std::int32_t;
constexpr JXRESULT JX_OK = 0;
constexpr JXRESULT JX_E_NOTIMPL = static_cast<JXRESULT>(0x80004001u);

// Window and module handles cross the host interfaces as opaque pointers, so
// the interfaces build where <windows.h> does not exist.
using jx_HANDLE = void*;
