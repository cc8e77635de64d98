// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/u_hub.h"

#include "core/geometry.h"
#include "core/hub_rules.h"
#include "engine/global.h"
#include "engine/u_avance.h"
#include "pictures/artwork.h"
#include "widgets/controls.h"
#include "widgets/picture_view.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>

Tf_hub1 *f_hub1 = nullptr;

namespace
{

namespace colour = geometry::colour;

QString ledHelp()
{
    return QCoreApplication::translate(
        "Tf_hub", "Cliquer sur les leds, ou au clavier : touches 1 à 8 pour allumer ou éteindre "
                  "la led 1 à 8.\n"
                  "Leds impaires : RX, leds paires : TX ; 1 et 2 : port 1, 3 et 4 : port 2, "
                  "5 et 6 : port 3, 7 et 8 : port 4.");
}

// What a screen reader says of the panel: the LEDs lit on it, then how to work it by keyboard.
void describeLeds(PictureView *panel, const QStringList &lit)
{
    const QString state =
        lit.isEmpty() ? QCoreApplication::translate("Tf_hub", "Toutes les leds sont éteintes")
                      : QCoreApplication::translate("Tf_hub", "Leds allumées : ") +
                            lit.join(QStringLiteral(", "));
    panel->setAccessibleDescription(state + QStringLiteral(".\n") + ledHelp());
}

// Odd LEDs receive, even ones transmit.
QString ledRole(int k)
{
    return k % 2 == 1 ? QStringLiteral("RX") : QStringLiteral("TX");
}

// LED k lit as painted (green or red).
bool isLit(const PictureView *panel, int k)
{
    const QPoint centre = geometry::ledSquare(k).center();
    const QColor shown = panel->pixel(centre.x(), centre.y());
    return shown == colour::RX_LIT || shown == colour::TX_LIT;
}

void describeLeds(PictureView *panel)
{
    QStringList lit;
    for (int k = 1; k <= 8; ++k) {
        if (isLit(panel, k))
            lit << QCoreApplication::translate("Tf_hub", "%1 du port %2")
                       .arg(ledRole(k))
                       .arg((k + 1) / 2);
    }
    describeLeds(panel, lit);
}

} // namespace

Tf_hub::Tf_hub(const HubLayout &layout, QWidget *parent) : ElementDialog(parent), ownHub(layout.hub)
{
    using namespace controls;
    setWindowTitle(tr(layout.caption));
    setAccessibleName(windowTitle());
    placeWindowOuter(this, layout.left, layout.top, layout.outerWidth, layout.outerHeight);
    // A sizeable border: the design size is only the starting size.
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);

    Panel = panel(this, "Panel", 0, 0, layout.panel.width(), layout.panel.height());
    Image1 = new PictureView(Panel);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAccessibleName(tr("Panneau des leds du Hub %1").arg(ownHub));
    Image1->setGeometry(QRect(layout.image, QSize(417, 65)));
    Image1->setPicture([] { return pictures::ledPanel(qApp->devicePixelRatio()); });
    // Keys 1..8 press LEDs 1..8 at the centre of their zones.
    QHash<int, QPoint> keys;
    for (int k = 1; k <= 8; ++k)
        for (int key : PictureView::digitKeys(k))
            keys.insert(key, geometry::LED_ZONES[k].center());
    Image1->setKeyPoints(keys);
    // To screen readers each LED is a check box, ticked when lit, that its action switches.
    QList<PictureView::Part> leds;
    for (int k = 1; k <= 8; ++k)
        leds.append({tr("%1 port %2").arg(ledRole(k)).arg((k + 1) / 2),
                     geometry::LED_ZONES[k],
                     {},
                     [panel = Image1, k] { return isLit(panel, k); }});
    Image1->setParts(leds);
    Image1->setToolTip(ledHelp());
    Label1 = label(Panel, "Label1", tr("Cliquer  sur  les  leds  actives"), layout.label.x(),
                   layout.label.y());
    BitBtn1 = completionButton(Panel, "BitBtn1", tr("Terminé"), layout.button.x(),
                               layout.button.y(), 121, 33);

    QWidget::setTabOrder(Image1, BitBtn1);
    describeLeds(Image1, {}); // the panel is made with every LED dark

    connect(Image1, &PictureView::pressed, this,
            [this](int x, int y, Qt::MouseButton) { Image1MouseDown(x, y); });
    connect(BitBtn1, &QPushButton::clicked, this, &Tf_hub::BitBtn1Click);
}

void Tf_hub::FormActivate()
{
    global.phase_at_hub = global.phase;
}

void Tf_hub::Image1MouseDown(int x, int y)
{
    const int k = geometry::ledAt(QPoint(x, y));
    if (k == 0)
        return;
    std::uint8_t &lit = global.led_state[ownHub][k];
    paintLed(k, lit == 1 ? colour::LED_OFF : k % 2 == 1 ? colour::RX_LIT : colour::TX_LIT);
    lit = lit == 1 ? 0 : 1;
}

void Tf_hub::BitBtn1Click()
{
    const LedCheck check =
        checkLeds(global.led_state[global.current_hub], global.led_expected[global.current_hub]);
    recordHubValidation(global.hub_auto, global.hub_manual, global.hub_click_count,
                        check == LedCheck::Right);
    switch (check) {
    case LedCheck::WrongRx:
        report_error(Refusal::WrongRxLed);
        return;
    case LedCheck::WrongTx:
        report_error(Refusal::WrongTxLed);
        return;
    case LedCheck::Right:
        break;
    }
    global.phase = phaseAfterHubPass(global.phase);
    close();
}

void Tf_hub::paintLed(int k, const QColor &color)
{
    Image1->fillRect(geometry::ledSquare(k), color);
    describeLeds(Image1);
}

static const HubLayout HUB1_LAYOUT = {1,
                                      QT_TRANSLATE_NOOP("Tf_hub", "Fonction du Hub 1"),
                                      3,
                                      304,
                                      439,
                                      143,
                                      QSize(428, 113),
                                      QPoint(8, 8),
                                      QPoint(40, 88),
                                      QPoint(232, 80)};

Tf_hub1::Tf_hub1(QWidget *parent) : Tf_hub(HUB1_LAYOUT, parent)
{
    setObjectName(QStringLiteral("f_hub1"));
}
