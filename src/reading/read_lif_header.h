#ifndef VELKORD_READING_READ_LIF_HEADER_H
#define VELKORD_READING_READ_LIF_HEADER_H

#include <cstdio>

#include "lif/lif_header.h"

namespace velkord {

// Reads and decodes the 32 bytes at the start of `file`. False when the file
// holds fewer than 32 bytes or cannot be read.
bool read_lif_header(std::FILE* file, LifHeader& header);

}  // namespace velkord

#endif
