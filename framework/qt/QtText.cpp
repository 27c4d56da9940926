#include "framework/qt/QtText.h"

#include <string>

#include <QList>

namespace afx::qt {

QString ToQString(const CString& text) {
  return QString::fromStdString(ToUtf8(text));
}

QString ToDisplayText(const CString& text) {
  QString shown = ToQString(text);
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return shown;
}

QString WithoutMnemonics(const QString& text) {
  QString shown;
  shown.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == u'&' && i + 1 < text.size()) ++i;
    shown += text[i];
  }
  return shown;
}

CString TypedFromQString(const QString& text) {
  CString typed;
  if (TryFromUtf8(text.toStdString(), typed)) return typed;
  typed.Empty();
  for (const uint code : text.toUcs4()) {
    const char32_t c = code;
    CString one;
    if (TryFromUtf8(QString::fromUcs4(&c, 1).toStdString(), one)) typed += one;
  }
  return typed;
}

}  // namespace afx::qt
