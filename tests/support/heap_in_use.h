#pragma once
// The bytes the program's heap has in use, as its allocator counts them: the one place that
// knows how to read them on each system.

#include <QString>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace testing {

struct HeapInUse {
    long long bytes = 0;
    QString unreadable; // why the heap could not be read; empty when it was
};

inline HeapInUse heapInUse() {
#if defined(__GLIBC__)
    const long long bytes = static_cast<long long>(mallinfo2().uordblks);
    if (bytes > 0)
        return {bytes, {}};
    return {0, QStringLiteral("glibc's mallinfo2 reads 0 bytes in use: the program's heap is not "
                              "glibc's (is another allocator preloaded?)")};
#else
    return {0, QStringLiteral("the heap in use cannot be read on this system")};
#endif
}

} // namespace testing
