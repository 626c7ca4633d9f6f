#include "platform/Md5.h"

#include "platform/Fatal.h"

namespace {

const Md5Source* installed = nullptr;

}  // namespace

const Md5Source* InstallMd5(const Md5Source* source) {
  const Md5Source* previous = installed;
  installed = source;
  return previous;
}

std::unique_ptr<Md5Digest> MakeMd5Digest() {
  if (!installed) Fatal("No MD5 installed.");
  return installed->MakeDigest();
}
