#pragma once

#include "templatedialog.h"

#include <QImage>
#include <QLineEdit>

// What the dialog shows in the rectangle of control `id`, the dialog's own
// background included.
inline QImage ControlImage(TemplateDialog &dialog, int id)
{
    return dialog.grab(dialog.GetDlgItem(id)->geometry()).toImage();
}

// The number of pixels in `area` of `image` darker than mid-grey.
inline int DarkPixels(const QImage &image, const QRect &area)
{
    int dark = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            dark += qGray(image.pixel(x, y)) < 128;
    return dark;
}

inline QLineEdit *Edit(const TemplateDialog &dialog, int id)
{
    return qobject_cast<QLineEdit *>(dialog.GetDlgItem(id));
}

// The diagram's fixed parts, in the control's pixels.
const QRect kBaseFretSquare(0, 0, 14, 14);
const QRect kDiagramBox(14, 0, 36, 33);
