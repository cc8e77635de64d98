#include "dialogs/u_source.h"

Tf_Station_emettrice *f_Station_emettrice = nullptr;

Tf_Station_emettrice::Tf_Station_emettrice(QWidget *parent) : ElementDialog(parent)
{
    setObjectName(QStringLiteral("f_Station_emettrice"));
}

void Tf_Station_emettrice::FormCreate() {}
void Tf_Station_emettrice::FormActivate() {}
void Tf_Station_emettrice::BitBtn2Click() {}
void Tf_Station_emettrice::BitBtn1Click() {}
