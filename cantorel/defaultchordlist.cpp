#include "defaultchordlist.h"

#include <QFile>

QByteArray DefaultChordList()
{
    QFile resource(QStringLiteral(":/cantorel/chords.sc"));
    if (!resource.open(QIODevice::ReadOnly))
        return QByteArray();
    return resource.readAll();
}
