#pragma once

#include "templatedialog.h"

// The About box: the icon, "Plectrel, Version 1.0" and OK.
class CAboutDlg : public TemplateDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget *parent = nullptr);
};
