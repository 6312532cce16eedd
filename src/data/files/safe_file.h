#pragma once

#include <filesystem>
#include <string_view>

namespace quillory {

// How sure a write must be to survive a power cut: files the user keeps are flushed to the
// disk before they replace the old one; the logs, rewritten on every preview, are not worth the
// wait.
enum class Durability { kOnDisk, kWritten };

// Replaces the file at path by bytes, or creates it. The bytes go to a new file in the same
// folder, which is flushed and then renamed over the target, so the target is either its old
// self or wholly the new bytes, never a part. A symbolic link is followed: the file it names is
// replaced and the link stays. A file that may not be written (read-only) is refused as the
// program always refused it, and so are pipes, devices and sockets. Failures carry the
// runtime's error numbers: 76 missing folder, 75 read-only or not accessible, 70 busy, 61 disk
// full, 57 other device errors; a name too long for the disk and other refusals name the file.
void WriteFileReplacing(const std::filesystem::path& path, std::string_view bytes,
                        Durability durability = Durability::kOnDisk);

}  // namespace quillory
