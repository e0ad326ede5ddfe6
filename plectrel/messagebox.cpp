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
    // A box over a window that is not shown yet (the load at start-up) would
    // be placed by the hidden window's geometry; it stands on its own instead.
    QWidget *owner = request.owner && request.owner->isVisible() ? request.owner : nullptr;
    QMessageBox box(request.icon, request.caption, request.text, request.buttons, owner);
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
