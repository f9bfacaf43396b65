#pragma once

class QGroupBox;
class QWidget;

// Frame captions start a little in from the frame's left edge instead of touching it; applied to
// every frame under root.
void padFrameCaptions(QWidget* root);

// Where the frame's own border line runs, in its parent's coordinates.
int frameLineTop(const QGroupBox* frame);
