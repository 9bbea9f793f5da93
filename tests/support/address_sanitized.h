#pragma once
// ZOOMKIN_ADDRESS_SANITIZED: this program was compiled with AddressSanitizer (and so LeakSanitizer
// and a heap of its own), however it was turned on; asked of the compiler, GCC's way and Clang's.
#if defined(__SANITIZE_ADDRESS__)
#define ZOOMKIN_ADDRESS_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ZOOMKIN_ADDRESS_SANITIZED 1
#endif
#endif
