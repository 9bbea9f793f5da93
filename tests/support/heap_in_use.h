#pragma once
// The bytes the program's heap has in use, as its allocator counts them: the one place that
// knows how to read them on each system.

#include <QString>

#if defined(__GLIBC__) || defined(_WIN32)
#include <malloc.h>
#endif

namespace testing {

struct HeapInUse {
    long long bytes = 0;
    QString unreadable; // why the heap could not be read; empty when it was
};

inline HeapInUse heapInUse() {
#if defined(__GLIBC__)
    // the arenas' blocks and those mapped on their own (128 KiB and up, at first)
    const struct mallinfo2 heap = mallinfo2();
    const long long bytes = static_cast<long long>(heap.uordblks + heap.hblkhd);
    if (bytes > 0)
        return {bytes, {}};
    return {0, QStringLiteral("glibc's mallinfo2 reads 0 bytes in use: the program's heap is not "
                              "glibc's (is another allocator preloaded?)")};
#elif defined(_WIN32)
    // the C runtime's heap, block by block, large ones included: Windows keeps no running total
    _HEAPINFO block{};
    long long bytes = 0;
    int status;
    while ((status = _heapwalk(&block)) == _HEAPOK)
        if (block._useflag == _USEDENTRY)
            bytes += static_cast<long long>(block._size);
    if (status == _HEAPEND && bytes > 0)
        return {bytes, {}};
    return {0, QStringLiteral("the C runtime's heap could not be walked (status %1)").arg(status)};
#else
    return {0, QStringLiteral("the heap in use cannot be read on this system")};
#endif
}

} // namespace testing
