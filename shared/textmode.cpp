#include "textmode.h"

QByteArray FromTextMode(const QByteArray &bytes)
{
    const qsizetype ctrlZ = bytes.indexOf('\x1a');
    QByteArray text = ctrlZ < 0 ? bytes : bytes.left(ctrlZ);
    text.replace("\r\n", "\n");
    return text;
}
