#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

// What the editor shows of one DOSBox configuration file: the value of every key, by the key's
// name in DOSBoxConfKeys ("true"/"false" for switches, the number for the sensitivity), and the
// lines of its autoexec part.
struct DOSBoxConf
{
    QHash<QString, QString> values;
    QStringList autoexec;
    // The focused and non-focused priority as Load showed them from the file's own priority line,
    // and that file; empty when it had none. While the lists still show these, Save keeps that
    // line of that file as it is: DOSBox reads a value of one piece otherwise than the pair shown
    // for it. Another file gets the pair the lists show.
    QStringList loadedPriority;
    QString loadedFrom;
    // The file names its keys as DOSBox 0.74 does (cputype, gusirq, ...).
    bool uses074Names = false;
};
