#pragma once

#include "templatedialog.h"

#include <QIcon>
#include <QStringList>

class Canvas;
class QLabel;
class QListWidget;

// The editor's main window: the chord library as a list of names, the preview
// of the selected chord, and Add New, Modify and Delete, each of which rewrites
// the library at once. List item i always shows line i of m_lines.
class CPlectrelDlg : public TemplateDialog {
    Q_OBJECT
public:
    explicit CPlectrelDlg(QWidget *parent = nullptr);

    // The library lines as held, each ending in CR LF.
    const QStringList &Lines() const { return m_lines; }

    void OnAddNew();
    void OnModify();
    void OnDelete();
    void OnAbout();

private:
    void OnInitDialog();
    void OnSelChangeChordList();
    void OnDrawItem(int id, Canvas &canvas);
    // The selected list index, or -1 when nothing is selected.
    int SelectedIndex() const;
    void RewriteLibrary();

    QStringList m_lines;
    int m_lineCount = 0;
    QString m_libraryPath;
    QIcon m_hIcon;

    QListWidget *m_chordList;
    QLabel *m_marksLabel;
};
