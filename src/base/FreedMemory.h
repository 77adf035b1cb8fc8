#pragma once

// Memory the program has freed goes back to the system. The C library keeps freed blocks for
// later use, and a table of a hundred thousand games is millions of small blocks: replaced by a
// new one, the old table would stay resident as free space the program may never need again.
namespace FreedMemory {

void giveBack();

} // namespace FreedMemory
