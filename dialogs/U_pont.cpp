#include "dialogs/U_pont.h"

Tf_pont *f_pont = nullptr;

Tf_pont::Tf_pont(QWidget *parent) : ElementDialog(parent)
{
    setObjectName(QStringLiteral("f_pont"));
}

void Tf_pont::FormCreate() {}
void Tf_pont::FormActivate() {}
void Tf_pont::majgaucheClick() {}
void Tf_pont::MAJdroiteClick() {}
void Tf_pont::BitBtn1Click() {}
void Tf_pont::TermineClick() {}
