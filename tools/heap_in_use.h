// How much of the process's heaps the program holds, for leak checks.
#pragma once

#include <cstddef>

namespace host {

// Bytes in busy blocks of every heap of the process.  Freed blocks may stay
// with the heap (and in the working set), so this is what shows a leak.
std::size_t HeapBytesInUse();

}  // namespace host
