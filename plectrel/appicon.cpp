#include "appicon.h"

QIcon ApplicationIcon()
{
    return QIcon(QStringLiteral(":/plectrel/plectrel.svg"));
}
