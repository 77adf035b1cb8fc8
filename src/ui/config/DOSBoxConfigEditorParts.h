#pragma once

#include <initializer_list>

class QLabel;
class QPushButton;
class QWidget;

// Small pieces the DOSBox configuration editor builds its pages from.
namespace DOSBoxEditorParts {

QPushButton *button(const char *name, const char *caption, QWidget *parent);
QLabel *label(const char *caption, QWidget *parent);
// The widgets side by side, left-aligned, in a holder of their own.
QWidget *row(QWidget *parent, std::initializer_list<QWidget *> widgets);
// The pages and the file field in the desktop's own colours (DOSBoxPanelPalette::pages).
void useDesktopColours(QWidget *pages, QWidget *field);

} // namespace DOSBoxEditorParts
