#pragma once

// Control ids of Plectrel's dialogs, as their templates number them.

// Standard buttons.
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;

// The About button of the chord list dialog.
constexpr int IDM_ABOUTBOX = 16;

// Chord list dialog.
constexpr int IDC_CHORD_LIST = 1000;
constexpr int IDC_DIAGRAM = 1001;
constexpr int IDC_MARKS_LABEL = 1002;
constexpr int IDC_MODIFY = 1003;
constexpr int IDC_DELETE = 1004;
constexpr int IDC_ADD_NEW = 1005;

// Chord entry dialog.
constexpr int IDC_BASE_FRET = 1007;
constexpr int IDC_CHORD_NAME = 1008;
constexpr int IDC_EDIT_DIAGRAM = 1010;
constexpr int IDC_FINGERING = 1011;
