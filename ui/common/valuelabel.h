#pragma once

class QLabel;
class QString;
class QWidget;

// A label that shows a result. While it is empty Qt would name it for a screen reader by the
// title of the frame around it, so an empty one is named as not yet having a value instead;
// once it shows a figure, the figure is its name again.
void setValueText(QLabel* label, const QString& text);
// Names so every empty, unnamed label under `root` that sits straight in a frame, before the
// first figure arrives.
void nameEmptyValueLabels(QWidget* root);
