#pragma once

#include <QMessageBox>
#include <QString>

#include <functional>

// Every message box of the editor is asked for through here, so that tests can
// answer it without a window.
struct MessageBoxRequest {
    QWidget *owner;  // nullptr: a box of its own, centred on the screen
    QString caption;
    QString text;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
};

// Shows the box modally and returns the button that closed it.
QMessageBox::StandardButton ShowMessageBox(const MessageBoxRequest &request);

// The editor's plain message: an OK box with the exclamation icon over
// `owner`, captioned with the program's name.
void ShowAppMessage(QWidget *owner, const QString &text);

// Tests answer every box here instead; an empty function shows real boxes again.
using MessageBoxAnswerer = std::function<QMessageBox::StandardButton(const MessageBoxRequest &)>;
void SetMessageBoxAnswerer(MessageBoxAnswerer answerer);
