#pragma once

#include "templatedialog.h"

#include <functional>

class Canvas;
class QLineEdit;

// The chord entry dialog: one chord's name, base fret and marks, with a live
// diagram. Add New or Modify comes in through g_editAdding and g_editLine; OK
// leaves the new line in g_editLine and its list text in g_editName, and ends
// the dialog as accepted. Every other way out is a rejection that writes
// nothing, and so are marks other than "0" to "6" and "x".
class CEditDlg : public TemplateDialog {
    Q_OBJECT
public:
    explicit CEditDlg(QWidget *parent = nullptr);

    // Builds the line from the three fields and ends the dialog (OK, Enter).
    void OnOK();

private:
    void OnInitDialog();
    void OnChangeBaseFret();
    void OnChangeFingering();
    void OnDrawItem(int id, Canvas &canvas);

    QLineEdit *m_baseFret;
    QLineEdit *m_chordName;
    QLineEdit *m_fingering;
};

// Runs the entry dialog modally over `parent`; QDialog::Accepted after OK.
int RunEditDialog(QWidget *parent);

// Tests answer the entry dialog here instead; an empty function brings back
// the real dialog.
void SetEditDialogRunner(std::function<int(QWidget *parent)> runner);
