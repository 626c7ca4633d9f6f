#pragma once
// The serial ports the system reports now, each with its stable name under
// /dev/serial/by-id when it has one.
#include <vector>

#include "platform/PortNumbers.h"

std::vector<ListedPort> ListSerialPorts();
