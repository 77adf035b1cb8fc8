#pragma once

#include <QPalette>

// The colours of the Global DOSBox Settings panel and of the configuration editor on it.
namespace DOSBoxPanelPalette {

// A panel of its own dark colour with light text, so that it reads as a page laid over the
// settings.
QPalette panel(QPalette base);
// The editor's pages are the desktop's own light ones: on the panel's palette they need the
// desktop's colours back for their faces and texts, of enabled and disabled controls alike.
QPalette pages(QPalette panel, const QPalette &desktop);

} // namespace DOSBoxPanelPalette
