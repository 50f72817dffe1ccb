#pragma once

#include "workingfolder.h"

#include <QFile>
#include <QString>
#include <QStringList>
#include <QTextDocument>
#include <QTextStream>

// The article files as they ship, under data/articles/ of the source tree.
namespace shipped {

inline const QStringList &files()
{
    static const QStringList list{
        QStringLiteral("en/doc_item_one.html"),   QStringLiteral("en/doc_item_two.html"),
        QStringLiteral("en/doc_item_three.html"), QStringLiteral("en/doc_item_four.html"),
        QStringLiteral("en/doc_item_fb.html"),    QStringLiteral("no/doc_item_one.html"),
        QStringLiteral("no/doc_item_two.html"),   QStringLiteral("no/doc_item_three.html"),
        QStringLiteral("no/doc_item_four.html"),  QStringLiteral("no/doc_item_fb.html"),
    };
    return list;
}

inline QString sourcePath(const QString &relative)
{
    return QStringLiteral(TIVORA_ARTICLES_DIR "/") + relative;
}

inline QByteArray bytes(const QString &relative)
{
    QFile file(sourcePath(relative));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// Lays the shipped articles down under data/articles/ of the working folder.
inline void install(const WorkingFolder &folder)
{
    for (const QString &relative : files())
        folder.write(QStringLiteral("data/articles/") + relative, bytes(relative));
}

// What the view shows for a file read the way the program reads it.
inline QString renderedText(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QTextStream stream(&file);
    QTextDocument document;
    document.setHtml(stream.readAll());
    return document.toPlainText();
}

} // namespace shipped
