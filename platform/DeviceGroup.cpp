#include "platform/DeviceGroup.h"

#include <grp.h>
#include <sys/stat.h>

namespace {

constexpr const char* kUsualSerialGroup = "dialout";

}  // namespace

std::string DeviceOwnerGroup(const std::string& path) {
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0 || status.st_gid == 0) return kUsualSerialGroup;
  const group* owner = ::getgrgid(status.st_gid);
  return owner != nullptr && owner->gr_name != nullptr ? owner->gr_name : kUsualSerialGroup;
}
