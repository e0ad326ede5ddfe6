#pragma once

#include "dialogunits.h"
#include "ownerdrawnstatic.h"

#include <QDialog>
#include <QHash>

class QLabel;
class QLineEdit;
class QPushButton;

// A dialog laid out like a Windows dialog template: the dialog font, a fixed
// client size and controls at their template positions, all given in dialog
// units, with every addressed control found by its id. Controls are added in
// template order, which is also their tab order.
class TemplateDialog : public QDialog {
    Q_OBJECT
public:
    TemplateDialog(const QString &caption, const QSize &sizeInUnits, QWidget *parent);

    // The control with this id, or nullptr.
    QWidget *GetDlgItem(int id) const;

protected:
    enum class TabStop { No, Yes };

    // Places `control` at its template rectangle and keeps it under `id`
    // (none for static texts that nothing addresses).
    template <class Control>
    Control *AddControl(int id, const QRect &units, Control *control)
    {
        PlaceControl(id, units, control);
        return control;
    }

    QPushButton *AddPushButton(int id, const QString &text, const QRect &units, TabStop tabStop);
    // The button that Enter presses while no other push button has the focus.
    QPushButton *AddDefaultPushButton(int id, const QString &text, const QRect &units);
    QLabel *AddStaticText(int id, const QString &text, const QRect &units, Qt::Alignment alignment);
    QLineEdit *AddEdit(int id, const QRect &units, TabStop tabStop);
    COwnerDrawnStatic *AddOwnerDrawn(int id, const QRect &units, COwnerDrawnStatic::DrawItem drawItem);

private:
    void PlaceControl(int id, const QRect &units, QWidget *control);

    DialogUnits m_units;
    QHash<int, QWidget *> m_controls;
};

// Ids of controls that no code addresses.
constexpr int IDC_STATIC = -1;
