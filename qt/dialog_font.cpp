// The dialog font and the fallbacks that stand in where Tahoma is not installed.
#include "qt/dialog_font.h"

#include <QFont>
#include <QWidget>

#include "window/controls.h"

void use_dialog_font(QWidget* window) {
    QFont font = window->font();
    font.setFamilies({QString::fromUtf8(quill::window::kFontFamily.data(),
                                        static_cast<qsizetype>(quill::window::kFontFamily.size())),
                      QStringLiteral("DejaVu Sans Condensed"),
                      QStringLiteral("Liberation Sans Narrow"), QStringLiteral("Arial")});
    font.setPointSize(quill::window::kFontPoints);
    window->setFont(font);
}
