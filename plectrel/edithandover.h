#pragma once

#include <QString>

// One edit travels from the chord list dialog into the chord entry dialog and
// back through these values. They live for the whole program and keep their
// values between edits; each flow sets the ones it reads before it runs the
// entry dialog.

// Modify: the list index of the chord. Add New: the index after which the new
// chord goes, and after the add the index of the new line.
extern int g_editIndex;
// True for Add New, false for Modify.
extern bool g_editAdding;
// In: the line to modify, with its CR LF. Out after OK: the new line, without.
extern QString g_editLine;
// Out after OK: the name as entered, "new" when empty; the list shows it.
extern QString g_editName;
