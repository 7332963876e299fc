#pragma once

#include <QtGlobal>

namespace LargePages {

// Asks the system to back a large block that is about to be written (a whole file's text, the folded
// list) with large pages: a few hundred page faults instead of thousands, which is most of the time a
// 100,000-line list takes to load. Only for memory of our own not yet written; a block under two
// megabytes, or a system without the feature, is left as it is. Nothing changes in what the block holds.
void prefer(void* data, qsizetype bytes);

// Called once at start: blocks up to 32 MB (a list, a day's register) come from the program's own
// heap, and up to 64 MB of memory freed there is kept for the next block instead of being given back
// to the system. Reloading a list then writes into memory already in use rather than into fresh pages
// the system must first clear, which took more time than reading the file.
void setUpAllocator();

} // namespace LargePages
