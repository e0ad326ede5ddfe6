#include "aboutdlg.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>

CAboutDlg::CAboutDlg(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("About Guitar Cantorel"));

    auto *icon = new QLabel;
    icon->setPixmap(QIcon(QStringLiteral(":/cantorel/cantorel.svg")).pixmap(48, 48));
    icon->setAlignment(Qt::AlignTop);
    auto *name = new QLabel(QStringLiteral("<b>Guitar Cantorel</b>"));
    auto *version = new QLabel(QStringLiteral("Version " CANTOREL_VERSION));
    auto *notice = new QLabel(QStringLiteral(
        "Copyright \u00a9 the Cantorel authors.\n"
        "Free to use, copy and change; it comes without any warranty."));

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto *layout = new QGridLayout(this);
    layout->addWidget(icon, 0, 0, 3, 1);
    layout->addWidget(name, 0, 1);
    layout->addWidget(version, 1, 1);
    layout->addWidget(notice, 2, 1);
    layout->addWidget(buttons, 3, 0, 1, 2);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
