#pragma once
// Whether this program was compiled with AddressSanitizer, however it was turned on (the project's
// ZOOMKIN_SANITIZE, or -fsanitize=address in the flags a distribution or a developer builds
// with): asked of the compiler itself, GCC's way and Clang's. AddressSanitizer brings LeakSanitizer
// and a heap of its own, which the C library's counters cannot see.

#if defined(__SANITIZE_ADDRESS__)
#define ZOOMKIN_ADDRESS_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ZOOMKIN_ADDRESS_SANITIZED 1
#endif
#endif

namespace testing {
#ifdef ZOOMKIN_ADDRESS_SANITIZED
inline constexpr bool kAddressSanitized = true;
#else
inline constexpr bool kAddressSanitized = false;
#endif
} // namespace testing
