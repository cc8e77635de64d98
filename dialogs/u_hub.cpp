#include "dialogs/u_hub.h"

Tf_hub1 *f_hub1 = nullptr;

Tf_hub::Tf_hub(const HubLayout &layout, QWidget *parent) : ElementDialog(parent), ownHub(layout.hub)
{
    setWindowTitle(QString::fromUtf8(layout.caption));
}

void Tf_hub::FormActivate() {}
void Tf_hub::Image1MouseDown(int, int) {}
void Tf_hub::BitBtn1Click() {}
void Tf_hub::paintLed(int, const QColor &) {}

static const HubLayout HUB1_LAYOUT = {1, "Fonction du Hub 1", 3, 304, 439, 143, QSize(428, 113),
                                      QPoint(8, 8), QPoint(40, 88), QPoint(232, 80)};

Tf_hub1::Tf_hub1(QWidget *parent) : Tf_hub(HUB1_LAYOUT, parent)
{
    setObjectName(QStringLiteral("f_hub1"));
}
