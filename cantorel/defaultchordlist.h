#pragma once

#include <QByteArray>

// The chord list a new chord library starts with, byte for byte (CR LF lines).
// Empty if the resource is missing.
QByteArray DefaultChordList();
