#pragma once

#include <QByteArray>
#include <QString>

// Replaces the file with the bytes, creating its folders on the way. False when any of it failed,
// so that a test stops on a fixture it could not build instead of checking something else.
bool writeFile(const QString &path, const QByteArray &bytes = QByteArray());

// The bytes of the file; empty when it cannot be read.
QByteArray readFile(const QString &path);

// A PNG picture of one colour, for fixtures that need a real picture file.
QByteArray pngBytes(int width, int height);
