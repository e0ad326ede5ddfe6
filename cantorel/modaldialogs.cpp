#include "modaldialogs.h"

#include <QDialog>

namespace {

ModalAnswerer &Answerer()
{
    static ModalAnswerer answerer;
    return answerer;
}

} // namespace

int RunModal(QDialog &dialog)
{
    if (Answerer())
        return Answerer()(dialog);
    return dialog.exec();
}

void SetModalAnswerer(ModalAnswerer answerer)
{
    Answerer() = std::move(answerer);
}

void ShowMessageBox(QWidget *parent, QMessageBox::Icon icon, const QString &text)
{
    QMessageBox box(icon, QStringLiteral("Guitar Cantorel"), text, QMessageBox::Ok, parent);
    RunModal(box);
}
