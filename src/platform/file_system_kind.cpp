#include "platform/file_system_kind.h"

#include <sys/vfs.h>

#include <algorithm>
#include <array>

#include "platform/filesystem.h"

namespace platform {
namespace {

// The kernel's magic numbers of the file systems whose notifications miss remote changes.
constexpr std::array<unsigned long, 14> kNetworkTypes = {
    0x6969,      // NFS
    0x517B,      // SMB
    0xFF534D42,  // CIFS
    0xFE534D42,  // SMB2
    0x564C,      // NCP
    0x5346414F,  // AFS
    0x6B414653,  // kAFS
    0x00C36400,  // Ceph
    0x65735546,  // FUSE (sshfs, GlusterFS, rclone, ...)
    0x01021997,  // 9P
    0x0BD00BD0,  // Lustre
    0x73757245,  // Coda
    0x47504653,  // GPFS
    0x013111A8,  // IBRIX
};

}  // namespace

bool is_network_file_system_type(long type) {
    const auto value = static_cast<unsigned long>(type) & 0xFFFFFFFFUL;
    return std::find(kNetworkTypes.begin(), kNetworkTypes.end(), value) != kNetworkTypes.end();
}

bool is_network_file_system(const std::string& path) {
    struct statfs info {};
    if (::statfs(resolve_case(path).c_str(), &info) != 0) {
        return false;
    }
    return is_network_file_system_type(static_cast<long>(info.f_type));
}

}  // namespace platform
