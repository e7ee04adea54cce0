#include "qt/dialog_font.h"

#include <QFont>
#include <QWidget>

void use_dialog_font(QWidget* window) {
    QFont font = window->font();
    font.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans Condensed"),
                      QStringLiteral("Liberation Sans Narrow"), QStringLiteral("Arial")});
    window->setFont(font);
}
