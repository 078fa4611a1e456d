#pragma once
// Autodesk FLI animation (magic 0xAF11), the older sibling of FLC: the same header
// size and frame chunks, usually 320 x 200, with 64-level colours, line-compressed
// deltas, black, run and copy chunks.

#include "cutter/flc_decoder.h"

class FliDecoder : public FlcDecoder {
 public:
  FliDecoder() : FlcDecoder(0xAF11, true) {}
  const char* format() const override { return "FLI"; }
};
