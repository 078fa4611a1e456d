#pragma once
// The motion file (.zrv): a 32-byte header ("ZORV", version 100, four zero words,
// bundle count, file size), a bundle offset table, the bundle records (32-byte name,
// motion count, 244-byte motion records), then the document's sprite set in the
// sprite file layout. All integers 32-bit little-endian.
//
// The reader treats the file as hostile and builds a fresh document: the caller's
// document is replaced only when the whole file was read, so a failed read leaves it
// exactly as it was.

#include <cstddef>
#include <cstdint>
#include <istream>
#include <ostream>
#include <vector>

#include "base/read_result.h"
#include "motion/motion_file.h"

constexpr int32_t kMotionFileVersion = 100;
constexpr int32_t kMotionFileHeaderSize = 32;
constexpr int32_t kBundleRecordHeaderSize = 36;
constexpr int32_t kMotionRecordSize = 244;

// Reads a motion file from the stream's current position. Returns 1 and replaces
// doc (bundle 0 and sprite 0 current) when the whole file was valid; returns 0 and
// leaves doc untouched for a wrong magic or version, a short read anywhere, a
// negative count, a sprite index below -1 or a damaged sprite section. Bundles with
// an empty or repeated name are dropped with their motions. Sprites equal to an
// earlier one are dropped too, and motions that used them keep their picture
// through the one kept. What other programs write is accepted: a motion whose
// sprite index lies past the sprite section has no sprite, and a 32-byte name or
// sound without a terminator is kept as it is and written back unchanged.
// A failure says why and where (offsets from where the read began).
ReadResult ReadMotionFileWithReason(MotionFile& doc, std::istream& in);
// The same answering 1 or 0.
int ReadMotionFile(MotionFile& doc, std::istream& in);
int ReadMotionFileFromMemory(MotionFile& doc, const uint8_t* data, size_t size);

// Writes doc at the stream's current position, each motion record with its sprite's
// position in the set (-1 for none); the motions in memory are not touched. Returns
// 0 when the file would pass 2 GiB or the stream reports an error.
int WriteMotionFile(const MotionFile& doc, std::ostream& out);
// The bytes WriteMotionFile writes; empty when it would fail.
std::vector<uint8_t> MotionFileBytes(const MotionFile& doc);

// One motion record: fields 1 to 10 of a Motion.
void EncodeMotionRecord(const Motion& motion, uint8_t* record);
void DecodeMotionRecord(const uint8_t* record, Motion& motion);
