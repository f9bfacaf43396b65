#pragma once

class QTabWidget;

// The pages are laid out for a tab bar of one line of text; a style that draws roomier tabs
// (Adwaita's are 16 pixels taller) would take that from every page of the fixed window. The tabs
// keep the style's look at that height, and the pages the room a thin pane frame leaves.
void keepTabsCompact(QTabWidget* tabs);
