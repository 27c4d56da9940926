// DialogFont: the font a dialog is shown in and the dialog units it defines. Templates name a
// Windows font (MS P Gothic); a Japanese Gothic font installed here takes its place at the
// template's point size, and dialog units are measured from it the way Windows measures them.
#pragma once

#include <QFont>
#include <QRect>
#include <QString>

namespace afx::qt {

class DialogFont {
 public:
  explicit DialogFont(int point_size);

  const QFont& Font() const { return font_; }
  // Average character width and height in pixels: 4 horizontal and 8 vertical dialog units.
  int BaseX() const { return base_x_; }
  int BaseY() const { return base_y_; }
  int XToPixels(int du) const;
  int YToPixels(int du) const;
  QRect ToPixels(int x, int y, int w, int h) const;

  // The average width of a character of font, as Windows measures it for dialog units.
  static int AverageCharWidth(const QFont& font);

  // The family used for every dialog: IPA P Gothic if installed, else another Japanese font.
  static QString GothicFamily();

 private:
  QFont font_;
  int base_x_;
  int base_y_;
};

}  // namespace afx::qt
