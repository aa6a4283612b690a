#pragma once
// Reading and writing ".wt", ".wl" and ".wp" files.
//
// The reader loads what it can: entities whose geometry or text lies outside
// the file are skipped (their slot reads as deleted, so the other ids stay),
// arc lists lose the arcs that do not exist, short sections and tables are cut
// to what is present, and every such mend is a warning naming the file and the
// entity. Only a structure that cannot be read at all fails: a file shorter
// than the header, a wrong magic, a directory outside the file.
//
// The writer lays the sections out afresh (header, directory of 16 entries at
// offset 657, then the sections in directory order) and keeps every byte it
// does not manage, so writing what it read gives the same bytes again.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "platform/files/file_report.h"
#include "platform/files/vector_file.h"

namespace zv::files {

// `name` is used in messages (usually the file's path).
bool DecodeVectorFile(std::span<const std::uint8_t> bytes, const std::string& name, VectorFile& file,
                      FileReport& report);

// Fails only when a size or offset does not fit the file's 32-bit fields.
bool EncodeVectorFile(const VectorFile& file, std::vector<std::uint8_t>& bytes, std::string* error);

bool LoadVectorFile(const std::string& path, VectorFile& file, FileReport& report);
bool SaveVectorFile(const std::string& path, const VectorFile& file, std::string* error);

// The kind named by a file's magic, for callers that only need to know what a
// file is; false when the bytes do not start like a vector file.
bool SniffVectorFileKind(std::span<const std::uint8_t> bytes, FileKind& kind);

}  // namespace zv::files
