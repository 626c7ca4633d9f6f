#include "ui/ImageLists.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <array>
#include <map>
#include <utility>

namespace {

QIcon Resource(const char* name) { return QIcon(QStringLiteral(":/icons/") + QLatin1String(name)); }

// Paints a base picture and, over its lower left quarter and a bit, a mark picture, at
// whatever size is asked, so the mark is as crisp as the base.
class OverlayIconEngine final : public QIconEngine {
 public:
  OverlayIconEngine(QIcon base, QIcon mark) : base_(std::move(base)), mark_(std::move(mark)) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    base_.paint(painter, rect, Qt::AlignCenter, mode, state);
    const int side = rect.width() * 5 / 8;
    mark_.paint(painter, QRect(rect.left(), rect.bottom() - side + 1, side, side), Qt::AlignCenter, mode, state);
  }

  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    paint(&painter, QRect(QPoint(0, 0), size), mode, state);
    return pixmap;
  }

  QIconEngine* clone() const override { return new OverlayIconEngine(base_, mark_); }

 private:
  QIcon base_;
  QIcon mark_;
};

QIcon PlainTreeImage(int index) {
  static const std::array<const char*, 7> kFiles = {"radio.svg",        "folder.svg",     "page.svg", "page.svg",
                                                    "mark-warning.svg", "mark-error.svg", "radio.svg"};
  if (index < 0 || index >= static_cast<int>(kFiles.size())) return {};
  return Resource(kFiles[static_cast<std::size_t>(index)]);
}

QIcon MakeTreeImage(int index, TreeOverlay overlay) {
  const QIcon base = PlainTreeImage(index);
  if (overlay == TreeOverlay::None || base.isNull()) return base;
  const int mark = overlay == TreeOverlay::Error ? kTreeImageError : kTreeImageWarning;
  return QIcon(new OverlayIconEngine(base, PlainTreeImage(mark)));
}

QIcon MakeToolBarImage(int index) {
  struct Picture {
    int index;
    const char* themeName;  // nullptr: no theme icon stands for it
    const char* file;
  };
  static constexpr Picture kPictures[] = {
      {0, "document-new", "new.svg"},      {1, "document-open", "open.svg"},
      {2, "document-save", "save.svg"},    {7, nullptr, "clone-read.svg"},
      {8, nullptr, "clone-write.svg"},     {9, nullptr, "clone-info.svg"},
      {10, "edit-undo", "undo.svg"},       {11, "edit-redo", "redo.svg"},
      {12, "document-print", "print.svg"}, {13, "document-print-preview", "print-preview.svg"},
      {14, "help-contents", "help.svg"},
  };
  for (const Picture& picture : kPictures) {
    if (picture.index != index) continue;
    const QIcon own = Resource(picture.file);
    return picture.themeName != nullptr ? QIcon::fromTheme(QLatin1String(picture.themeName), own) : own;
  }
  return {};
}

}  // namespace

// Icons share their rendered pixmaps only when they are the same icon, so every tree node
// with the same picture gets the same one.
QIcon TreeImage(int index, TreeOverlay overlay) {
  static std::map<std::pair<int, TreeOverlay>, QIcon> made;
  const auto key = std::make_pair(index, overlay);
  auto found = made.find(key);
  if (found == made.end()) found = made.emplace(key, MakeTreeImage(index, overlay)).first;
  return found->second;
}

// Loading an SVG picture parses the file: each picture is loaded once.
QIcon ToolBarImage(int index) {
  static std::map<int, QIcon> made;
  auto found = made.find(index);
  if (found == made.end()) found = made.emplace(index, MakeToolBarImage(index)).first;
  return found->second;
}

QIcon ProgramIcon() {
  static const QIcon icon = Resource("tessel.svg");
  return icon;
}
