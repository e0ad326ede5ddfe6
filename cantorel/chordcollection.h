#pragma once

#include <QString>
#include <QStringList>

constexpr int kChordSlotCount = 20;

// The library lines whose bracketed name occurs in the song, in library order:
// at most kChordSlotCount, no comment lines, no line already held by an earlier slot.
QStringList CollectChordSlots(const QString &song, const QStringList &libraryLines);
