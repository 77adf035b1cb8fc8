#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

// What the editor shows of one DOSBox configuration file: the value of every control, by the
// control's object name ("true"/"false" for check boxes, the number for the sensitivity), and
// the lines of its autoexec part.
struct DOSBoxConf
{
    QHash<QString, QString> values;
    QStringList autoexec;
};
