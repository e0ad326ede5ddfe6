#pragma once

#include <QIcon>

// The editor's icon: a chord diagram with a plectrum.
QIcon ApplicationIcon();
