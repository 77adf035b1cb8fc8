#pragma once

#include "support/LibraryBuilder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QStringList>

// A copy of a fixture tree, so that a test may change it (a move) and check what it left.
inline bool copyTree(const QString &from, const QString &to)
{
    if (!QDir().mkpath(to))
        return false;
    QDirIterator it(from, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString target = to + path.mid(from.size());
        if (it.fileInfo().isDir() ? !QDir().mkpath(target) : !QFile::copy(path, target))
            return false;
    }
    return true;
}

// A tree as lines, one per file and link, in name order: "path = bytes" with CR and LF shown, or
// "path -> target". `source` in a link or a file becomes "@SOURCE@", so that trees made from
// copies in temporary folders compare with the fixtures.
inline QStringList treeLines(const QString &folder, const QString &source = QString())
{
    QStringList lines;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString relative = path.mid(folder.size() + 1);
        const QFileInfo info = it.fileInfo();
        if (info.isSymLink()) {
            QString target = info.symLinkTarget();
            if (!source.isEmpty())
                target.replace(source, QStringLiteral("@SOURCE@"));
            lines << relative + QStringLiteral(" -> ") + target;
        } else if (info.isFile()) {
            QFile file(path);
            QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
            if (!source.isEmpty())
                bytes.replace(source.toUtf8(), "@SOURCE@");
            bytes.replace("\r", "\\r").replace("\n", "\\n");
            lines << relative + QStringLiteral(" = ") + QString::fromUtf8(bytes);
        }
    }
    lines.sort();
    return lines;
}

// A settings file for a library in `root`: its category folders and the shipped field list.
inline void writeImportSettings(const QString &file, const QString &root, const QStringList &categories)
{
    QByteArray bytes = "[Main]\r\nVADPath=" + root.toUtf8() + "\r\n[Subfolders]\r\n";
    for (const QString &category : categories)
        bytes += category.toUtf8() + "=\r\n";
    bytes += "[Fields]\r\n";
    for (const QString &field : LibraryBuilder::defaultFields())
        bytes += field.toUtf8() + "=\r\n";
    QFile out(file);
    if (out.open(QIODevice::WriteOnly))
        out.write(bytes);
}
