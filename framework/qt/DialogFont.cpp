#include "framework/qt/DialogFont.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QStringList>

namespace afx::qt {

namespace {

constexpr int kDefaultPointSize = 9;

// Rounds du * base / divisor to the nearest pixel, as MulDiv does for dialog units.
int Scale(int du, int base, int divisor) {
  const long long product = static_cast<long long>(du) * base;
  const long long half = divisor / 2;
  return static_cast<int>(product >= 0 ? (product + half) / divisor : (product - half) / divisor);
}

bool IsGothicName(const QString& family) {
  return !family.contains(QStringLiteral("Mincho"), Qt::CaseInsensitive) &&
         !family.contains(QStringLiteral("Serif"), Qt::CaseInsensitive) &&
         !family.contains(QString::fromUtf8(u8"明朝"));
}

QString FindGothicFamily() {
  const QStringList installed = QFontDatabase::families();
  // Proportional Gothic fonts first: MS P Gothic is proportional.
  for (const char* wanted : {"IPAPGothic", "IPAexGothic", "VL PGothic", "TakaoPGothic",
                             "Noto Sans CJK JP", "Source Han Sans JP", "IPAGothic"}) {
    const QString name = QString::fromLatin1(wanted);
    if (installed.contains(name, Qt::CaseInsensitive)) return name;
  }
  for (const QString& family : installed) {
    if (QFontDatabase::writingSystems(family).contains(QFontDatabase::Japanese) &&
        IsGothicName(family))
      return family;
  }
  return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
}

}  // namespace

DialogFont::DialogFont(int point_size) : font_(GothicFamily()) {
  font_.setPointSize(point_size > 0 ? point_size : kDefaultPointSize);
  const QFontMetrics metrics(font_);
  base_x_ = AverageCharWidth(font_);
  base_y_ = metrics.height();
  if (base_y_ <= 0) base_y_ = 1;
}

int DialogFont::XToPixels(int du) const {
  return Scale(du, base_x_, 4);
}

int DialogFont::YToPixels(int du) const {
  return Scale(du, base_y_, 8);
}

QRect DialogFont::ToPixels(int x, int y, int w, int h) const {
  // Both edges are mapped, as MapDialogRect does, so that controls that touch in dialog units
  // touch on screen too.
  const int left = XToPixels(x);
  const int top = YToPixels(y);
  return QRect(left, top, XToPixels(x + w) - left, YToPixels(y + h) - top);
}

int DialogFont::AverageCharWidth(const QFont& font) {
  const QFontMetrics metrics(font);
  const QString alphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
  // The average width of the 52 letters, rounded as Windows rounds it.
  const int width = (metrics.horizontalAdvance(alphabet) / 26 + 1) / 2;
  return width > 0 ? width : 1;
}

QString DialogFont::GothicFamily() {
  static const QString family = FindGothicFamily();
  return family;
}

}  // namespace afx::qt
