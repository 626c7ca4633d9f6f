#include "platform/qt/QtMd5.h"

#include <QCryptographicHash>
#include <algorithm>

namespace {

class QtMd5Digest final : public Md5Digest {
 public:
  void AddData(std::span<const std::uint8_t> bytes) override {
    hash_.addData(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
  }

  Result Finish() const override {
    const QByteArray digest = hash_.result();
    Result result{};
    std::copy_n(reinterpret_cast<const std::uint8_t*>(digest.constData()), result.size(), result.begin());
    return result;
  }

 private:
  QCryptographicHash hash_{QCryptographicHash::Md5};
};

}  // namespace

std::unique_ptr<Md5Digest> QtMd5::MakeDigest() const { return std::make_unique<QtMd5Digest>(); }
