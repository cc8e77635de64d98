#include "dialogs/u_MACs.h"

#include <QCloseEvent>

TAdressesMAC *AdressesMAC = nullptr;

TAdressesMAC::TAdressesMAC(QWidget *parent) : QWidget(parent), table_MAC(nullptr)
{
    setObjectName(QStringLiteral("AdressesMAC"));
    setWindowTitle(QStringLiteral("Adresses MAC"));
}

void TAdressesMAC::FormCreate() {}

void TAdressesMAC::closeEvent(QCloseEvent *event) { event->ignore(); }
