#pragma once

#include "engine/texts/pourtexts.h"

#include <QWidget>

#include <vector>

// One cubic metre of concrete as a horizontal bar split by absolute volume, each part
// named in Thai with its litres: inside the part when it is wide enough, under it otherwise.
class VolumeBar : public QWidget {
    Q_OBJECT

public:
    explicit VolumeBar(QWidget* parent = nullptr);

    void setParts(std::vector<mix::VolumePart> parts);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int barHeight() const;

    std::vector<mix::VolumePart> m_parts;
};
