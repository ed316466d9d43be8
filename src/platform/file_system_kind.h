#pragma once
// Whether the kernel's change notifications see every change of a folder: on a network file
// system they see only this machine's own, so the window polls such folders instead.

#include <string>

namespace platform {

// True when `path` lies on a network or user-space file system (NFS, SMB/CIFS, AFS, Ceph,
// GlusterFS and other FUSE mounts, 9P, Lustre, ...), whose changes made on other machines
// raise no notification here. False for local file systems and for a path that cannot be
// examined.
bool is_network_file_system(const std::string& path);

// The same decision on the type number statfs reports.
bool is_network_file_system_type(long type);

}  // namespace platform
