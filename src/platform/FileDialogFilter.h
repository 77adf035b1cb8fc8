#pragma once

#include <QString>

// Turns "Exe Files (*.exe)|*.EXE" style filters into the form the file dialog reads, and adds
// "All files (*)" to program filters where programs carry no extension.
QString fileDialogFilter(const QString &filter);
