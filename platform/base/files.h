#pragma once
// Files and paths. Paths are native; "\" is accepted as a separator everywhere, so the program's
// "Logs\security_x.log" style joins work as they stand. Stored files are written whole to a
// temporary file in the same folder and renamed into place, so a crash never leaves half a file.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/base/datetime.h"

namespace qv::base {

// "\" turned into "/"; nothing else changes.
std::string nativePath(std::string_view path);
// a & "/" & b, without doubling a separator.
std::string joinPath(std::string_view a, std::string_view b);
// The part after the last "\" or "/" (the whole path when there is none).
std::string fileNameOf(std::string_view path);
// The part before the last "\" or "/" ("" when there is none).
std::string folderOf(std::string_view path);
// The path a chain of symbolic links starting at path ends at (the native path itself when it is
// no link, or names nothing); "" for a chain that loops.
std::string linkTarget(std::string_view path);

std::optional<std::string> readFile(std::string_view path);
// Writes data as the whole new content of path: temporary file, flush to disk, rename into
// place. Through a symbolic link, the file the link leads to is replaced and the link stays.
// Temporary files left in the folder by writers that died are removed first (temp_files.h).
// Returns false (and leaves any old file as it was) when the folder is missing or a step fails.
bool writeFileAtomic(std::string_view path, std::string_view data);
// Appends data (creating the file); appendLine adds CR LF after the line.
bool appendFile(std::string_view path, std::string_view data);
bool appendLine(std::string_view path, std::string_view line);

bool fileExists(std::string_view path);  // a regular file
bool dirExists(std::string_view path);
bool pathExists(std::string_view path);
std::optional<uint64_t> fileLength(std::string_view path);
std::optional<DateTime> fileModified(std::string_view path);
// Basic's FileDateTime as text, "12/10/2026 3:04:05 PM"; "" for a missing file.
std::string FileDateTimeText(std::string_view path);

// One folder level; false when it exists already or cannot be made (MkDir's error cases).
bool makeDir(std::string_view path);
// Every missing folder on the way.
bool makeDirs(std::string_view path);
bool removeDir(std::string_view path);   // an empty folder
bool removeFile(std::string_view path);  // a file
bool renameFile(std::string_view from, std::string_view to);  // replaces an existing target

// Test hook: called by writeFileAtomic after the temporary file is complete and before it is
// renamed. Returning false abandons the write there, as a crash at that moment would.
using AtomicWriteHook = std::function<bool(const std::string& target, const std::string& temp)>;
void setAtomicWriteHook(AtomicWriteHook hook);

}  // namespace qv::base
