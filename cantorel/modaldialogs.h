#pragma once

#include <QMessageBox>
#include <QString>

#include <functional>

class QDialog;
class QWidget;

// Runs `dialog` modally and returns its result. Every modal dialog and message
// box of Cantorel goes through here, so that tests can answer them.
int RunModal(QDialog &dialog);

// Replaces the real modal loop with `answerer` (tests); an empty one restores it.
using ModalAnswerer = std::function<int(QDialog &dialog)>;
void SetModalAnswerer(ModalAnswerer answerer);

// The program's message box: `text` with `icon` and an OK button, captioned
// with the program's name.
void ShowMessageBox(QWidget *parent, QMessageBox::Icon icon, const QString &text);
