// The protocol between the host and a plug-in module: the module's one
// exported function, JXDLLFunc(message, p1, p2), and its messages. Pointers
// and handles travel in the pointer-sized arguments and result; on 32-bit
// Windows they are exactly the protocol's 32-bit words.
#pragma once

#include <cstdint>

#if defined(_WIN32) && !defined(_WIN64)
#define JX_MODULECALL __stdcall
#else
#define JX_MODULECALL
#endif

using jx_DLLFUNC = std::intptr_t(JX_MODULECALL*)(unsigned message, std::intptr_t p1, std::intptr_t p2);

inline constexpr char kJxDllFuncName[] = "JXDLLFunc";

// Every message not listed answers 0.
enum jx_MODULEMESSAGE : unsigned {
    // p1 the host's core object, p2 the module's instance; answers
    // kJxStartupAnswer.
    kJxStartup = 0x2001,
    kJxShutdown = 0x2002,
    // Answers kJxInterfaceVersion.
    kJxInterfaceVersion = 0x2010,
    // Answers 1.
    kJxQuery = 0x201E,
    // p1 a UTF-16 buffer that receives the text and its terminator; answer 1.
    kJxVersionText = 0x2020,
    kJxNameText = 0x2021,
    kJxDescriptionText = 0x2022,
    // p1 a narrow extension type name; answers the new extension or 0.
    kJxCreateExtension = 0x11002,
};

inline constexpr std::intptr_t kJxStartupAnswer = 5;
inline constexpr std::intptr_t kJxInterfaceVersionAnswer = 0x94;
