#pragma once
// Qt's MD5 installed as the process's digests for the life of this object; a program makes
// one at start.
#include "platform/Md5.h"

class QtMd5 final : public Md5Source {
 public:
  QtMd5() : previous_(InstallMd5(this)) {}
  ~QtMd5() override { InstallMd5(previous_); }
  QtMd5(const QtMd5&) = delete;
  QtMd5& operator=(const QtMd5&) = delete;

  std::unique_ptr<Md5Digest> MakeDigest() const override;

 private:
  const Md5Source* previous_;
};
