#include "common/Text.h"

namespace Text {

QString trimBlanksAndControls(const QString &text)
{
    int begin = 0;
    int end = text.size();
    while (begin < end && text.at(begin).unicode() <= 32)
        ++begin;
    while (end > begin && text.at(end - 1).unicode() <= 32)
        --end;
    return text.mid(begin, end - begin);
}

static char key(int i)
{
    return char((0x5A + i * 7) & 0xFF);
}

QString unscramble(const QByteArray &scrambled)
{
    QByteArray plain = scrambled;
    for (int i = 0; i < plain.size(); ++i)
        plain[i] = char(plain[i] ^ key(i));
    return QString::fromUtf8(plain);
}

QByteArray scramble(const QString &text)
{
    QByteArray bytes = text.toUtf8();
    for (int i = 0; i < bytes.size(); ++i)
        bytes[i] = char(bytes[i] ^ key(i));
    return bytes;
}

} // namespace Text
