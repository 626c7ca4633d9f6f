#include "clone/CloneTransferType.h"

#include <array>

namespace {

constexpr std::array<CloneTransferType, kCloneTransferTypes> kTypes{{
    {"19200,N,8,1", true},
    {"9600,N,8,1", true},
    {"4800,N,8,1", true},
    {"19200,N,8,1", false},
    {"9600,N,8,1", false},
    {"4800,N,8,1", false},
}};

}  // namespace

int NormalisedTransferType(int type) { return type >= 0 && type < kCloneTransferTypes ? type : 0; }

CloneTransferType TransferTypeOf(int type) { return kTypes[static_cast<std::size_t>(NormalisedTransferType(type))]; }
