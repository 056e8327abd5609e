#pragma once

// Gives back to the system what the program's start, or a window closed
// since, needed and a waiting clock does not: the heap's free pages, and the
// pages of code and read-only data that the start touched in the program and
// its libraries. Those pages stay in the system's page cache, shared with
// every program that maps the same files: a page needed again comes back at
// the cost of a minor fault, not of a read from disk. Data is never dropped:
// a mapping that holds a page of its own (written, relocated, patched) is
// left as it is.
namespace MemoryTrim {

void giveBack();

} // namespace MemoryTrim
