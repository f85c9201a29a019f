#include "fonts.h"

#include <QFontDatabase>

namespace velmo::qt {

QString pick_family(const QStringList& wanted, int weight)
{
    const QStringList installed = QFontDatabase::families();
    for (const QString& family : wanted) {
        if (!installed.contains(family))
            continue;
        for (const QString& style : QFontDatabase::styles(family))
            if (QFontDatabase::weight(family, style) >= weight)
                return family;
    }
    return wanted.isEmpty() ? QString() : wanted.back();
}

QFont font_for(FontRole role)
{
    // Heavy labels: Arial Black where installed, else a free face with a real Black.
    static const QString black = pick_family({"Arial Black", "Lato", "Roboto", "Inter"}, QFont::Black);
    static const QString title = pick_family({"Verdana", "DejaVu Sans"}, QFont::Bold);

    QFont f;
    switch (role) {
    case FontRole::title: // 72 pt at 96 dpi
        f = QFont(title);
        f.setPixelSize(96);
        f.setWeight(QFont::Bold);
        break;
    case FontRole::credit: // 14.25 pt
        f = QFont(black);
        f.setPixelSize(19);
        f.setWeight(QFont::Black);
        f.setItalic(true);
        break;
    case FontRole::normal: // 9.75 pt
        f = QFont(black);
        f.setPixelSize(13);
        f.setWeight(QFont::Black);
        break;
    }
    return f;
}

} // namespace velmo::qt
