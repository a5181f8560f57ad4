// Heap allocations counted: the benchmark replaces the global operator new,
// so every allocation of the code it times is counted here.
#pragma once

namespace bench {

// How many times operator new has been called in this process so far.
long HeapAllocations();

}  // namespace bench
