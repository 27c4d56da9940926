// Text between the framework's code page 932 strings and Qt's strings.
#pragma once

#include <QString>

#include "framework/CString.h"

namespace afx::qt {

QString ToQString(const CString& text);
// Text to show: Windows line ends become single line feeds.
QString ToDisplayText(const CString& text);
// What a static control shows: a single '&' marks a mnemonic and is not drawn, "&&" draws one.
QString WithoutMnemonics(const QString& text);
// Text a person typed, in code page 932. A character that code page 932 cannot hold is left
// out, as a control refuses a character it cannot take, so nothing turns into '?'.
CString TypedFromQString(const QString& text);

}  // namespace afx::qt
