#include "edithandover.h"

int g_editIndex = 0;
bool g_editAdding = false;
QString g_editLine;
QString g_editName;
