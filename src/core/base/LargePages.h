#pragma once

#include <QtGlobal>

namespace LargePages {

// Asks the system to back a large block that is about to be written (a whole file's text, the folded
// list) with large pages: a few hundred page faults instead of thousands, which is most of the time a
// 100,000-line list takes to load. Only for memory of our own not yet written; a block under two
// megabytes, or a system without the feature, is left as it is. Nothing changes in what the block holds.
void prefer(void* data, qsizetype bytes);

// Called once at start: a block of a megabyte or more is always mapped on its own and given back
// whole when freed, so that prefer() applies to every large block and not only to the first ones
// (the allocator would otherwise serve them from its heap after the first was freed).
void setUpAllocator();

} // namespace LargePages
