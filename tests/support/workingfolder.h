#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A fresh temporary folder made the working directory for one test case;
// the old working directory comes back when it goes out of scope.
class WorkingFolder
{
public:
    // withSettings: create data/settings/ (the program never creates it).
    explicit WorkingFolder(bool withSettings = true);
    ~WorkingFolder();
    WorkingFolder(const WorkingFolder &) = delete;
    WorkingFolder &operator=(const WorkingFolder &) = delete;

    QString path() const { return m_dir.path(); }
    QString absolute(const QString &relative) const;

    // Writes bytes exactly, creating parent folders.
    void write(const QString &relative, const QByteArray &bytes) const;
    // Writes a settings file under data/settings/ by its file name.
    void writeSetting(const QString &fileName, const QByteArray &bytes) const;
    QByteArray read(const QString &relative) const;
    bool exists(const QString &relative) const;

private:
    QTemporaryDir m_dir;
    QString m_previous;
};
