#include "aboutdlg.h"

#include "appicon.h"
#include "plectrelids.h"

#include <QLabel>
#include <QPushButton>

namespace {

// Icons of dialog templates are drawn at the system's icon size, not in units.
constexpr int kIconSize = 32;

} // namespace

CAboutDlg::CAboutDlg(QWidget *parent)
    : TemplateDialog(QStringLiteral("About Plectrel"), QSize(170, 62), parent)
{
    QLabel *icon = AddStaticText(IDC_STATIC, QString(), QRect(14, 14, 21, 20), Qt::AlignLeft);
    icon->setPixmap(ApplicationIcon().pixmap(kIconSize, kIconSize));
    icon->resize(kIconSize, kIconSize);
    AddStaticText(IDC_STATIC, QStringLiteral("Plectrel, Version 1.0"), QRect(42, 14, 114, 8), Qt::AlignLeft);
    QPushButton *ok = AddDefaultPushButton(IDOK, QStringLiteral("OK"), QRect(113, 41, 50, 14));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}
