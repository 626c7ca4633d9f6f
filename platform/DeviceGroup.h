#pragma once
// The group a user must belong to for a serial device: the one that owns it.
#include <string>

// The name of the group owning the device at path (links followed). Serial devices usually
// belong to "dialout", which stands in when the owner cannot be found or is root's group.
std::string DeviceOwnerGroup(const std::string& path);
