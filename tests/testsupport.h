#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// Points HOME (and with it the documents folder and the settings) at a fresh
// temporary folder for as long as it lives, then puts the old values back.
class TemporaryHome {
public:
    TemporaryHome();
    ~TemporaryHome();
    TemporaryHome(const TemporaryHome &) = delete;
    TemporaryHome &operator=(const TemporaryHome &) = delete;

    QString path() const { return m_dir.path(); }
    QString documents() const { return m_dir.path() + QStringLiteral("/Documents"); }

private:
    QTemporaryDir m_dir;
    QByteArray m_oldHome;
    QByteArray m_oldConfig;
};

// Writes `bytes` to `path`, creating missing folders; fails the test on error.
void WriteFile(const QString &path, const QByteArray &bytes);
QByteArray ReadFile(const QString &path);

#include <QStringList>
#include <ostream>

// Readable failure messages for Qt's strings.
inline void PrintTo(const QString &text, std::ostream *out) { *out << '"' << text.toStdString() << '"'; }
inline void PrintTo(const QByteArray &bytes, std::ostream *out) { *out << '"' << bytes.toStdString() << '"'; }
inline void PrintTo(const QStringList &list, std::ostream *out)
{
    *out << '{';
    for (const QString &item : list) {
        PrintTo(item, out);
        *out << ' ';
    }
    *out << '}';
}
