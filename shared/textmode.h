#pragma once

#include <QByteArray>

// Reads bytes the way a text-mode file read does on the platform the library
// format comes from: the data ends at the first Ctrl-Z byte and every CR LF pair
// becomes a single LF. Lone CRs and LFs are kept.
QByteArray FromTextMode(const QByteArray &bytes);
