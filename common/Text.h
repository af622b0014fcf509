#pragma once

#include <QByteArray>
#include <QString>

namespace Text {

// Removes blanks and control characters (code 32 and below) at both ends.
QString trimBlanksAndControls(const QString &text);

// Texts kept scrambled in the program (addresses, About box lines).
QString unscramble(const QByteArray &scrambled);
QByteArray scramble(const QString &text);

} // namespace Text
