#include "commandline.h"

#include "cantoreldoc.h"

int RunChordsCommand(const QString &songPath, QTextStream &out, QTextStream &err)
{
    CCantorelDoc document;
    QString errorMessage;
    if (!document.OnOpenDocument(songPath, &errorMessage)) {
        err << "cantorel: " << errorMessage << Qt::endl;
        return 1;
    }
    for (int slot = 0; slot < document.m_nChords; ++slot)
        out << document.m_strChords[slot] << '\n';
    out.flush();
    return 0;
}
