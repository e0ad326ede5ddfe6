#pragma once

// Command and control ids of Cantorel. Where the program reuses one of
// the framework's standard command ids, the id keeps its standard value.

// The program's own commands
constexpr int ID_SAVE_TO_FILES = 32771;
constexpr int ID_REFRESH = 32773;
constexpr int ID_HELP_FILE = 32774;
constexpr int ID_EDIT_CHORDS = 32775;

// The framework's standard commands
constexpr int ID_FILE_NEW = 57600;
constexpr int ID_FILE_OPEN = 57601;
constexpr int ID_FILE_SAVE = 57603;
constexpr int ID_FILE_PRINT_SETUP = 57606;
constexpr int ID_FILE_PRINT = 57607;
constexpr int ID_FILE_PRINT_PREVIEW = 57609;
constexpr int ID_FILE_MRU_FILE1 = 57616;
constexpr int ID_EDIT_COPY = 57634;
constexpr int ID_EDIT_CUT = 57635;
constexpr int ID_EDIT_PASTE = 57637;
constexpr int ID_EDIT_UNDO = 57643;
constexpr int ID_APP_ABOUT = 57664;
constexpr int ID_APP_EXIT = 57665;
constexpr int ID_NEXT_PANE = 57680;
constexpr int ID_PREV_PANE = 57681;

// Larger and Smaller carry the ids of Undo and Cut, and so their keys.
constexpr int ID_FONT_LARGER = ID_EDIT_UNDO;
constexpr int ID_FONT_SMALLER = ID_EDIT_CUT;

constexpr int kRecentFileCount = 8;

// Controls of the form view
constexpr int IDC_NAME_BOX_FIRST = 1001; // name boxes of slots 1 to 20: 1001 to 1020
constexpr int IDC_DIAGRAM_FIRST = 1031;  // diagrams of slots 1 to 20: 1031 to 1050
constexpr int IDC_SONG_AREA = 1051;
