#include "dialogs/u_dest.h"

Tf_destination *f_destination = nullptr;

Tf_destination::Tf_destination(QWidget *parent) : ElementDialog(parent)
{
    setObjectName(QStringLiteral("f_destination"));
}

void Tf_destination::FormCreate() {}
void Tf_destination::FormActivate() {}
void Tf_destination::BitBtn1Click() {}
