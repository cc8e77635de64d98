// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The hub dialogs: the student lights, on the hub's LED panel, the receive LED of the port where
// the frame enters and the transmit LEDs of the others; "Terminé" compares them with the expected
// pattern of `current_hub` and advances the phase (20 -> 30, 40 -> 50). The two hubs are twins:
// `Tf_hub` is the one implementation, `Tf_hub1` and `Tf_hub2` differ only by their `HubLayout`.
#pragma once

#include "dialogs/element_dialog.h"

#include <QColor>
#include <QPoint>
#include <QSize>

class PictureView;
class QLabel;
class QPushButton;

struct HubLayout {
    int hub; // 1 or 2: which half of led_state the clicks toggle
    const char *caption;
    int left, top, outerWidth, outerHeight;
    QSize panel;
    QPoint image, label, button;
};

class Tf_hub : public ElementDialog
{
    Q_OBJECT
public:
    Tf_hub(const HubLayout &layout, QWidget *parent);

    QWidget *Panel;
    PictureView *Image1;
    QLabel *Label1;
    QPushButton *BitBtn1;

    void FormActivate() override;
    void Image1MouseDown(int x, int y);
    void BitBtn1Click();

    // Paints LED k (1..8) of the picture as a 12 x 12 square of `color`, outline and fill.
    void paintLed(int k, const QColor &color);

private:
    const int ownHub;
};

class Tf_hub1 : public Tf_hub
{
    Q_OBJECT
public:
    explicit Tf_hub1(QWidget *parent = nullptr);
};

extern Tf_hub1 *f_hub1;
