#include "templatedialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TemplateDialog::TemplateDialog(const QString &caption, const QSize &sizeInUnits, QWidget *parent)
    : QDialog(parent)
    , m_units(DialogFont())
{
    setFont(DialogFont());
    setWindowTitle(caption);
    setFixedSize(m_units.ToPixels(sizeInUnits));
}

QWidget *TemplateDialog::GetDlgItem(int id) const
{
    return m_controls.value(id);
}

QPushButton *TemplateDialog::AddPushButton(int id, const QString &text, const QRect &units, TabStop tabStop)
{
    auto *button = AddControl(id, units, new QPushButton(text, this));
    // A button without a tab stop still takes the focus when clicked.
    button->setFocusPolicy(tabStop == TabStop::Yes ? Qt::StrongFocus : Qt::ClickFocus);
    return button;
}

QPushButton *TemplateDialog::AddDefaultPushButton(int id, const QString &text, const QRect &units)
{
    QPushButton *button = AddPushButton(id, text, units, TabStop::Yes);
    button->setDefault(true);
    return button;
}

QLabel *TemplateDialog::AddStaticText(int id, const QString &text, const QRect &units, Qt::Alignment alignment)
{
    auto *label = AddControl(id, units, new QLabel(text, this));
    // Static texts start at the top of their rectangle.
    label->setAlignment(alignment | Qt::AlignTop);
    return label;
}

QLineEdit *TemplateDialog::AddEdit(int id, const QRect &units, TabStop tabStop)
{
    auto *edit = AddControl(id, units, new QLineEdit(this));
    edit->setFocusPolicy(tabStop == TabStop::Yes ? Qt::StrongFocus : Qt::ClickFocus);
    return edit;
}

COwnerDrawnStatic *TemplateDialog::AddOwnerDrawn(int id, const QRect &units, COwnerDrawnStatic::DrawItem drawItem)
{
    return AddControl(id, units, new COwnerDrawnStatic(id, std::move(drawItem), this));
}

void TemplateDialog::PlaceControl(int id, const QRect &units, QWidget *control)
{
    control->setGeometry(m_units.ToPixels(units));
    if (id != IDC_STATIC)
        m_controls.insert(id, control);
}
