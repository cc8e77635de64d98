#include "dialogs/a_propos.h"

Tapropos *apropos = nullptr;

Tapropos::Tapropos(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("apropos"));
    setWindowTitle(QStringLiteral("KZ PONT"));
}
