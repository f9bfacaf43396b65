#pragma once

class QMenuBar;

// Draws the menu Alt (or F10) has chosen as chosen: the toolkit's own style marks a menu only
// while it is pressed or under the mouse, so a keyboard user saw the focus land nowhere.
void showKeyboardChoice(QMenuBar* bar);
