// This test program's global allocation functions, replaced by ones a test can make fail:
// after failAllocationsAfter(n), n more allocations succeed and every later one fails
// (std::bad_alloc, or null for the nothrow forms) until allowAllocations().
#pragma once

void failAllocationsAfter(long allocations);
void allowAllocations();
