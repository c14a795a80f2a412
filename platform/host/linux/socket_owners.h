#pragma once
// Which process holds which socket: the fd links under procfs read "socket:[inode]".
#include <cstdint>
#include <string>
#include <unordered_map>

namespace qv::host::procfs {

// For every inode key of owners whose value is 0, sets the id of a process that holds the
// socket; walks the processes under procRoot and stops as soon as every inode has its owner.
// Processes that cannot be read (gone, no access) are passed over.
void findSocketOwners(const std::string& procRoot, std::unordered_map<uint64_t, uint32_t>& owners);

// The inode of an fd link text "socket:[12345]"; 0 for any other link.
uint64_t socketInodeOfLink(const char* link, size_t length);

}  // namespace qv::host::procfs
