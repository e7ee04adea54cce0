#include "ui/dialog_font.h"

#include <QFont>
#include <QWidget>

void UseDialogFont(QWidget* window) {
    QFont font = window->font();
    font.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans Condensed"),
                      QStringLiteral("Liberation Sans Narrow"), QStringLiteral("Arial")});
    window->setFont(font);
}
