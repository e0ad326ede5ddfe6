#include "messagebox.h"

#include "plectrelapp.h"

namespace {

MessageBoxAnswerer &Answerer()
{
    static MessageBoxAnswerer answerer;
    return answerer;
}

} // namespace

QMessageBox::StandardButton ShowMessageBox(const MessageBoxRequest &request)
{
    if (Answerer())
        return Answerer()(request);
    QMessageBox box(request.icon, request.caption, request.text, request.buttons, request.owner);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

void ShowAppMessage(QWidget *owner, const QString &text)
{
    ShowMessageBox({owner, kApplicationName, text, QMessageBox::Warning, QMessageBox::Ok});
}

void SetMessageBoxAnswerer(MessageBoxAnswerer answerer)
{
    Answerer() = std::move(answerer);
}
