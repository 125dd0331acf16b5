// Zeroed blocks for pictures and their working buffers, freed with std::free.
#pragma once

#include <cstddef>

// std::calloc, which hands out large blocks as untouched zero pages, so a header that
// promises a big picture costs nothing until rows arrive. Where the system offers it, the
// whole 2 MiB stretches of a large block are asked to come as huge pages: a 4096² picture
// then faults in two dozen times instead of twelve thousand.
void* allocateZeroed(size_t bytes);
