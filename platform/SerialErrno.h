#pragma once
// What a system error number means for opening a serial device.
#include "platform/SerialDevice.h"

SerialError SerialErrorFromErrno(int error);
